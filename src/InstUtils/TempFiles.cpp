#include "TempFiles.h"

#include <windows.h>

#include "FolderEntries.h"
#include "Paths.h"
#include "SetupMessageBox.h"
#include "WinHandles.h"

namespace {

constexpr int CsidlPersonal = 5;

bool IsAsciiLetter(char C) { return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z'); }

// Free means that no directory entry holds the name (a file, a folder or a link: a planted
// folder would make every extraction to the name fail) and that the system agrees to create
// it anew: under Wine a link to a missing file is listed nowhere, yet writing to its name
// would create its target. The trial file goes with its own handle, never through a name.
bool IsFreeName(const std::string& Name) {
    WIN32_FIND_DATAA Entry;
    if (TFindHandle(FindFirstFileA(Name.c_str(), &Entry))) return false;
    HANDLE Trial = CreateFileW(ToWide(Name).c_str(), DELETE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    const DWORD Error = GetLastError();
    TFileHandle Owned(Trial);
    // Any other refusal (a folder where nothing may be written) is left to the extraction,
    // which shows it to the user.
    return Owned || Error != ERROR_FILE_EXISTS;
}

// Where the system says Path leads, "\\?\C:\..." spelled as on disk; empty when unknown.
// Windows opens a link itself here; Wine opens the target of a Unix link.
std::wstring FinalPath(const std::string& Path, DWORD Flags) {
    TFileHandle Item(CreateFileW(ToWide(Path).c_str(), FILE_READ_ATTRIBUTES,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | Flags, nullptr));
    if (!Item) return std::wstring();
    DWORD Size = GetFinalPathNameByHandleW(Item.Get(), nullptr, 0, FILE_NAME_NORMALIZED);
    std::wstring Final(Size, L'\0');
    if (Size == 0) return Final;
    Final.resize(GetFinalPathNameByHandleW(Item.Get(), &Final[0], Size, FILE_NAME_NORMALIZED));
    if (!Final.empty() && Final.back() == L'\\') Final.pop_back();  // a drive root
    return Final;
}

// Wine deletes the target of a Unix link, not the link (and removes an empty folder it
// leads to): such an entry leads out of the temporary folder and is left alone. When the
// system cannot tell, the entry is deleted, which on Windows removes a link itself.
bool LeadsOutOf(const std::wstring& FinalFolder, const std::string& Path) {
    const std::wstring Final = FinalPath(Path, FILE_FLAG_OPEN_REPARSE_POINT);
    const size_t Slash = Final.rfind(L'\\');
    if (FinalFolder.empty() || Slash == std::wstring::npos) return false;
    return CompareStringOrdinal(Final.c_str(), int(Slash), FinalFolder.c_str(),
                                int(FinalFolder.size()), TRUE) != CSTR_EQUAL;
}

}  // namespace

std::string GetTempDir() {
    DWORD Size = GetTempPathA(0, nullptr);
    std::string Dir(Size, '\0');
    if (Size > 0) GetTempPathA(Size, &Dir[0]);
    size_t End = Dir.find('\0');
    if (End != std::string::npos) Dir.resize(End);
    if (!DirExists(Dir)) Dir = GetSpecialFolder(CsidlPersonal);
    AddBackslash(Dir);
    return Dir;
}

std::string TempFilePrefix() {
    std::string Prefix = "~";
    for (const char* C = SetupCaption; *C; ++C)
        if (IsAsciiLetter(*C)) Prefix += *C;
    return Prefix;
}

std::string MakeTempFileName() {
    const std::string Folder = GetTempDir();
    for (unsigned N = 0;; ++N) {
        std::string Name = Folder + TempFilePrefix() + std::to_string(N) + ".tmp";
        if (IsFreeName(Name)) return Name;
    }
}

// Finds by name whatever this run or an earlier one left behind.
void CleanTempFiles() {
    const std::string Folder = GetTempDir();
    const std::string Prefix = TempFilePrefix();
    // Resolved through links, as the folder part of every entry's final path is.
    const std::wstring FinalFolder = FinalPath(Folder, 0);
    ForEachFolderEntry(Folder + "*.*", [&](const WIN32_FIND_DATAA& Entry) {
        const std::string Path = Folder + Entry.cFileName;
        if (std::string(Entry.cFileName).compare(0, Prefix.size(), Prefix) == 0 &&
            !LeadsOutOf(FinalFolder, Path))
            DeleteFolderEntry(Path, Entry.dwFileAttributes);
    });
}
