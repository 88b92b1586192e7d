// Single files: existence, last-write time, writing a small file.
#include <windows.h>

#include "DateTime.h"
#include "Paths.h"
#include "SystemServices.h"
#include "WinHandles.h"

bool IsExistingFile(const std::string& Path) {
    WIN32_FIND_DATAA Entry;
    TFindHandle Search(FindFirstFileA(Path.c_str(), &Entry));
    return Search && !(Entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Read through the DOS form, so that a file stamped from an archive entry reads back as
// exactly the entry's stored time (two-second steps, local time).
double GetFileModified(const std::string& Path) {
    WIN32_FIND_DATAA Entry;
    {
        TFindHandle Search(FindFirstFileA(Path.c_str(), &Entry));
        if (!Search) return System().Now();
    }
    FILETIME Local;
    WORD DosDate = 0, DosTime = 0;
    if (FileTimeToLocalFileTime(&Entry.ftLastWriteTime, &Local))
        FileTimeToDosDateTime(&Local, &DosDate, &DosTime);
    return DosToDateTime(DosDate, DosTime);
}

void WriteTextFile(const std::string& Path, const std::string& Text) {
    TFileHandle File(CreateFileW(ToWide(Path).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                 nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!File) return;
    DWORD Written = 0;
    WriteFile(File.Get(), Text.data(), DWORD(Text.size()), &Written, nullptr);
}
