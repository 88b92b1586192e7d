#include "FolderEntries.h"

#include <cstring>

#include "Paths.h"
#include "WinHandles.h"

void ForEachFolderEntry(const std::string& Pattern, const std::function<void(const WIN32_FIND_DATAA&)>& Visit) {
    WIN32_FIND_DATAA Entry;
    TFindHandle Search(FindFirstFileA(Pattern.c_str(), &Entry));
    if (!Search) return;
    do
        Visit(Entry);
    while (FindNextFileA(Search.Get(), &Entry));
}

bool IsDotEntry(const WIN32_FIND_DATAA& Entry) {
    return std::strcmp(Entry.cFileName, ".") == 0 || std::strcmp(Entry.cFileName, "..") == 0;
}

void DeleteFolderEntry(const std::string& Path, DWORD Attributes) {
    bool IsFolder = (Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (IsFolder && (Attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        RemoveDirectoryW(ToWide(Path).c_str());  // the link only: its target may be anywhere
    else if (IsFolder)
        DeleteTree(Path);
    else
        DeleteFileW(ToWide(Path).c_str());
}
