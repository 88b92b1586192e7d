#include <shlobj.h>

#include "AttachFiles.h"
#include "InstUtils/Paths.h"

namespace {

// The word processor's shared public folder, always with a trailing backslash; worked out
// on every call, as the common application data folder is only looked up.
std::string SharedPublicFolder() {
    return PathCombine(GetSpecialFolder(CSIDL_COMMON_APPDATA), "Velmoran\\Public\\");
}

bool StartsWithFileName(const std::string& Text, const std::string& Prefix) {
    return Text.size() >= Prefix.size() && SameFileName(Text.substr(0, Prefix.size()), Prefix);
}

}  // namespace

bool TAttachedFiles::AddFiles(const std::string& Pattern, const std::string& DestDir,
                              uint8_t ListIndex, TInstallMode Mode) {
    const TInstallMode Effective = ForceReplace ? imReplaceAlways : Mode;
    if (LastChar(Pattern) == '\\') {  // a folder: every entry under it
        bool Queued = false;
        for (const TAttachedFile& Entry : Entries)
            if (StartsWithFileName(Entry.Name, Pattern))
                Queued = AddFile(Entry, DestDir, ListIndex, Mode, Effective) || Queued;
        return Queued;
    }
    for (const TAttachedFile& Entry : Entries)  // a name: the first entry bearing it
        if (SameFileName(Entry.Name, Pattern)) return AddFile(Entry, DestDir, ListIndex, Mode, Effective);
    return false;
}

bool TAttachedFiles::AddFile(const TAttachedFile& Entry, const std::string& DestDir, uint8_t ListIndex,
                             TInstallMode Requested, TInstallMode Effective) {
    std::string Target = DestDir;
    AddBackslash(Target);
    Target += Entry.Name;
    // A folder at the target's path counts as missing.
    if (Effective != imReplaceAlways && IsExistingFile(Target)) {
        if (Effective == imKeepExisting) return false;
        if (GetFileModified(Target) == Entry.Time) return false;  // written from this entry
    }
    InstallLists.at(ListIndex).push_back(TFileToInstall{&Entry, Target});
    // The update log marks what the caller asked to keep, even when it was forced.
    if (RecordUpdates && StartsWithFileName(Target, SharedPublicFolder()))
        UpdatedFiles.push_back(Requested == imKeepExisting ? Target + "\t!" : Target);
    return true;
}
