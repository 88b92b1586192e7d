// Folders: special folders, creating a chain, deleting a tree.
#include <windows.h>

#include "FolderEntries.h"
#include "Paths.h"
#include "SystemServices.h"

std::string GetSpecialFolder(int Csidl) {
    std::string Path;
    if (System().SpecialFolderPath(Csidl, Path) != S_OK) return std::string();
    return Path.substr(0, Path.find('\0'));
}

void ForceDirs(const std::string& Folder) {
    if (Folder.empty() || DirExists(Folder)) return;
    std::string Parent = Folder;
    if (LastChar(Parent) == '\\') DeleteLastChar(Parent);
    Parent = ParentPath(Parent);
    if (Parent.size() < Folder.size()) ForceDirs(Parent);  // outermost missing folder first
    CreateDirectoryW(ToWide(Folder).c_str(), nullptr);
}

void DeleteTree(const std::string& Folder) {
    // An empty path would list, and empty, the current directory.
    if (Folder.empty()) return;
    std::string Path = Folder;
    AddBackslash(Path);
    ForEachFolderEntry(Path + "*.*", [&Path](const WIN32_FIND_DATAA& Entry) {
        if (!IsDotEntry(Entry)) DeleteFolderEntry(Path + Entry.cFileName, Entry.dwFileAttributes);
    });
    RemoveDirectoryW(ToWide(Path).c_str());
}
