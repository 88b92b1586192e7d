#include "AttachFiles.h"
#include "EntryWriter.h"
#include "InstUtils/DateTime.h"
#include "InstUtils/Paths.h"
#include "InstUtils/SetupMessageBox.h"
#include "InstUtils/WinHandles.h"

namespace {

std::string CannotCreateMessage(const std::string& FileName) {
    return "Cannot create file \"" + FileName +
           "\".\rAnother application might already be using this file.\r\r"
           "Please make sure that the setup of Velmoran Word Processor is not blocked by your "
           "security software (firewall/antivirus) in any way.\r"
           "You might want to temporarily disable your security software and try again.";
}

// Of several entries bearing the name, the one latest in the archive wins.
const TAttachedFile* FindLastEntry(const std::vector<TAttachedFile>& Entries, const std::string& Name) {
    for (auto It = Entries.rbegin(); It != Entries.rend(); ++It)
        if (SameFileName(It->Name, Name)) return &*It;
    return nullptr;
}

// Creating anew over a read-only file fails on Windows, and so it must here: a process that
// may ignore the attribute (root under Wine) would otherwise replace the file silently.
bool IsReadOnlyFile(const std::wstring& Path) {
    const DWORD Attributes = GetFileAttributesW(Path.c_str());
    return Attributes != INVALID_FILE_ATTRIBUTES && (Attributes & FILE_ATTRIBUTE_READONLY) &&
           !(Attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// One attempt: the file is created anew and gets all the bytes, or it is not left behind.
// A link at the file's name is opened as itself, never followed: the setup runs elevated,
// and whoever planted the link could otherwise aim the write anywhere.
bool WriteEntryFile(const uint8_t* Bytes, int32_t Size, const std::string& FileName) {
    // Refused whole, as Windows refuses it: Wine would write such a file, which the setup's
    // narrow calls (file search, time, deletion) could then not reach.
    if (FileName.size() >= MAX_PATH) return false;
    ForceDirs(ParentPath(FileName));
    const std::wstring Path = ToWide(FileName);
    if (IsReadOnlyFile(Path)) return false;
    TFileHandle File(CreateFileW(Path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT,
                                 nullptr));
    if (!File) return false;
    const bool Written = WriteEntryBytes(File.Get(), Bytes, DWORD(Size));
    File.Reset();
    // A file that stopped short must not pass for the entry (Ignore would count it written).
    if (!Written) DeleteFileW(Path.c_str());
    return Written;
}

// Gives the file the stored local time at two-second resolution; a time without a DOS
// form, or a file that cannot be opened again, keeps the time of its writing.
void SetStoredTime(const std::string& FileName, double Time) {
    TFileHandle File(CreateFileW(ToWide(FileName).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN |
                                                    FILE_FLAG_OPEN_REPARSE_POINT,
                                 nullptr));
    uint16_t DosDate, DosTime;
    FILETIME Local, Utc;
    if (File && DateTimeToDos(Time, DosDate, DosTime) &&
        DosDateTimeToFileTime(DosDate, DosTime, &Local) && LocalFileTimeToFileTime(&Local, &Utc))
        SetFileTime(File.Get(), nullptr, nullptr, &Utc);
}

}  // namespace

// A Name that no entry bears gives false at once, without asking the user: there is
// nothing that a retry could write.
bool TAttachedFiles::ExtractFile(const TAttachedFile* Entry, const std::string& Name,
                                 const std::string& FileName) {
    if (!Entry) Entry = FindLastEntry(Entries, Name);
    if (!Entry) return false;
    for (;;) {
        if (WriteEntryFile(Data.get() + Entry->Offset, Entry->Size, FileName)) {
            SetStoredTime(FileName, Entry->Time);
            return true;
        }
        switch (SetupMessageBox(CannotCreateMessage(FileName), mkError,
                                TDialogButtons(dbAbort | dbRetry | dbIgnore))) {
            case drAbort: return false;
            case drIgnore: return true;
            default: break;  // Retry, or a box that could not be shown: try again
        }
    }
}
