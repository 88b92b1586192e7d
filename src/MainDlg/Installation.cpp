#include "MainDlg/Installation.h"

#include <shlobj.h>

#include "AttachFiles/AttachFiles.h"
#include "InstUtils/Drives.h"
#include "InstUtils/Paths.h"
#include "InstUtils/SystemServices.h"

bool FilesQueued = false;

const char* const SubFolders[2] = {"Spellcheck\\", "Orthographe\\"};

namespace {

struct TAddOnFile {
    const char* Entry;
    TInstallMode Mode;
};

// In queue order. The user dictionary holds the user's own words: never overwritten unless
// the whole installation is forced.
const TAddOnFile AddOnFiles[] = {
    {"Russian.asc", imReplaceAlways},     {"hunspell.dll", imReplaceChanged},
    {"ru_RU.dic", imReplaceChanged},      {"ru_RU.aff", imReplaceChanged},
    {"userdicru.tlx", imKeepExisting},    {"Russian.hyph", imReplaceChanged},
    {"Russian.thes", imReplaceChanged},
};

void QueueAddOn(TAttachedFiles& Files, const std::string& Target) {
    for (const TAddOnFile& File : AddOnFiles) Files.AddFiles(File.Entry, Target, 0, File.Mode);
}

}  // namespace

std::string SharedDataFolder() {
    std::string Folder = GetSpecialFolder(CSIDL_COMMON_APPDATA);
    return Folder.empty() ? GetSpecialFolder(CSIDL_PERSONAL) : Folder;
}

std::string InstallTarget(const std::string& HomeDir, bool Portable, int Index) {
    if (Portable) return PathCombine(HomeDir, SubFolders[Index]);
    return PathCombine(SharedDataFolder(), std::string("Velmoran\\Public\\") + SubFolders[Index]);
}

TInstallOutcome RunInstallation(TAttachedFiles& Files, const std::string& HomeDir) {
    // A normal installation writes every file; a portable one keeps what is current.
    Files.ForceReplace = !IsRemovableDrive(HomeDir);
    RecordUpdates = true;

    std::string Targets[2];
    for (int Index = 0; Index < 2; ++Index)
        Targets[Index] = InstallTarget(HomeDir, IsRemovableDrive(HomeDir), Index);

    // Into each folder the word processor already has; the first one when it has neither.
    const bool SecondExists = DirExists(Targets[1]);
    if (DirExists(Targets[0]) || !SecondExists) QueueAddOn(Files, Targets[0]);
    if (SecondExists) QueueAddOn(Files, Targets[1]);
    FilesQueued = true;

    for (const TFileToInstall& Job : Files.InstallLists[0])
        if (!Files.ExtractFile(Job.Entry, "", Job.Target)) return TInstallOutcome::ioAborted;
    return TInstallOutcome::ioDone;
}

void LaunchWordProcessor(const std::string& HomeDir) {
    System().Launch("\"" + PathCombine(HomeDir, "vmr.exe\""), SW_SHOW);
}
