#include "TempFiles.h"

#include <windows.h>

#include "FolderEntries.h"
#include "Paths.h"
#include "SetupMessageBox.h"

namespace {

constexpr int CsidlPersonal = 5;

bool IsAsciiLetter(char C) { return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z'); }

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
        if (!IsExistingFile(Name)) return Name;
    }
}

// Finds by name whatever this run or an earlier one left behind.
void CleanTempFiles() {
    const std::string Folder = GetTempDir();
    const std::string Prefix = TempFilePrefix();
    ForEachFolderEntry(Folder + "*.*", [&](const WIN32_FIND_DATAA& Entry) {
        if (std::string(Entry.cFileName).compare(0, Prefix.size(), Prefix) == 0)
            DeleteFolderEntry(Folder + Entry.cFileName, Entry.dwFileAttributes);
    });
}
