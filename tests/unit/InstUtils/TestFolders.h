// Real folders and files for the InstUtils tests, made under C:\InstUtilsTest of the test
// prefix and removed by a deletion of the test's own (not the code under test).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace TestFolders {

inline std::string Root() { return "C:\\InstUtilsTest"; }

inline bool Exists(const std::string& Path) { return GetFileAttributesA(Path.c_str()) != INVALID_FILE_ATTRIBUTES; }

inline void MakeFile(const std::string& Path, const std::string& Bytes = "x", DWORD Attributes = 0) {
    HANDLE File = CreateFileA(Path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(File, INVALID_HANDLE_VALUE) << Path;
    DWORD Written = 0;
    WriteFile(File, Bytes.data(), DWORD(Bytes.size()), &Written, nullptr);
    CloseHandle(File);
    if (Attributes) SetFileAttributesA(Path.c_str(), Attributes);
}

inline std::string ReadFile(const std::string& Path) {
    HANDLE File = CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (File == INVALID_HANDLE_VALUE) return "<missing>";
    std::string Bytes(GetFileSize(File, nullptr), '\0');
    DWORD Read = 0;
    if (!Bytes.empty()) ::ReadFile(File, &Bytes[0], DWORD(Bytes.size()), &Read, nullptr);
    CloseHandle(File);
    return Bytes;
}

// The Unix name of a Windows path under Wine; empty elsewhere.
inline std::string UnixName(const std::string& Path) {
    using TUnixName = char*(CDECL*)(LPCWSTR);
    auto Convert = reinterpret_cast<TUnixName>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name"));
    if (!Convert) return std::string();
    std::wstring Wide(Path.begin(), Path.end());
    char* Name = Convert(Wide.c_str());
    std::string Result = Name ? Name : "";
    if (Name) HeapFree(GetProcessHeap(), 0, Name);
    return Result;
}

// Runs a Unix program (Wine starts ELF executables) and waits for it.
inline bool RunUnix(const std::string& Program, std::string CommandLine) {
    STARTUPINFOA Startup = {};
    Startup.cb = sizeof Startup;
    PROCESS_INFORMATION Process = {};
    if (!CreateProcessA(("Z:" + Program).c_str(), &CommandLine[0], nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &Startup, &Process))
        return false;
    WaitForSingleObject(Process.hProcess, 10000);
    CloseHandle(Process.hThread);
    CloseHandle(Process.hProcess);
    return true;
}

inline bool IsFolderLink(const std::string& Path) {
    DWORD A = GetFileAttributesA(Path.c_str());
    return A != INVALID_FILE_ATTRIBUTES && (A & FILE_ATTRIBUTE_REPARSE_POINT);
}

// Makes Link a directory link to Target. Wine 8 cannot make Windows links (its
// CreateSymbolicLinkW does nothing and FSCTL_SET_REPARSE_POINT is not supported), but it
// reports a Unix symbolic link to a folder as a folder with FILE_ATTRIBUTE_REPARSE_POINT,
// and it can start the Unix ln to make one. False when neither way gives a link.
inline bool MakeFolderLink(const std::string& Link, const std::string& Target) {
    CreateSymbolicLinkA(Link.c_str(), Target.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY | 2 /* unprivileged */);
    if (IsFolderLink(Link)) return true;
    // The link does not exist yet: its Unix name is its folder's plus its own name.
    size_t Slash = Link.rfind('\\');
    std::string Folder = UnixName(Link.substr(0, Slash));
    if (Folder.empty()) return false;
    RunUnix("/bin/ln", "ln -s \"" + UnixName(Target) + "\" \"" + Folder + "/" + Link.substr(Slash + 1) + "\"");
    // Wine may report a started Unix program as ended before it has run.
    for (int Try = 0; Try < 50 && !IsFolderLink(Link); ++Try) Sleep(100);
    return IsFolderLink(Link);
}

// Removes a folder link without touching its target. Wine's RemoveDirectory goes through a
// Unix link to its target (and removes that when it is empty), so there the Unix rm does it.
inline void RemoveFolderLink(const std::string& Link) {
    std::string Unix = UnixName(Link);
    if (Unix.empty())
        RemoveDirectoryA(Link.c_str());
    else
        RunUnix("/bin/rm", "rm -f \"" + Unix + "\"");
    for (int Try = 0; Try < 50 && IsFolderLink(Link); ++Try) Sleep(100);
}

// Removes a folder with everything in it, read-only entries included; links are removed
// without entering them.
inline void Remove(const std::string& Folder) {
    WIN32_FIND_DATAA Entry;
    HANDLE Search = FindFirstFileA((Folder + "\\*").c_str(), &Entry);
    if (Search != INVALID_HANDLE_VALUE) {
        do {
            std::string Name = Entry.cFileName, Path = Folder + "\\" + Name;
            if (Name == "." || Name == "..") continue;
            SetFileAttributesA(Path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if ((Entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                !(Entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                Remove(Path);
            else if (Entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveFolderLink(Path);
            else
                DeleteFileA(Path.c_str());
        } while (FindNextFileA(Search, &Entry));
        FindClose(Search);
    }
    RemoveDirectoryA(Folder.c_str());
}

// A fresh, empty folder C:\InstUtilsTest\<Name> for the length of a test.
class TScratchFolder {
public:
    explicit TScratchFolder(const std::string& Name) : FPath(Root() + "\\" + Name) {
        CreateDirectoryA(Root().c_str(), nullptr);
        Remove(FPath);
        CreateDirectoryA(FPath.c_str(), nullptr);
    }
    ~TScratchFolder() { Remove(FPath); }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    const std::string& Path() const { return FPath; }  // without trailing backslash
    std::string operator/(const std::string& Name) const { return FPath + "\\" + Name; }

private:
    std::string FPath;
};

// Keeps the process's current directory across a test.
class TKeepCurrentDir {
public:
    TKeepCurrentDir() {
        char Dir[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, Dir);
        FDir = Dir;
    }
    ~TKeepCurrentDir() { SetCurrentDirectoryA(FDir.c_str()); }

private:
    std::string FDir;
};

inline std::string CurrentDir() {
    char Dir[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, Dir);
    return Dir;
}

}  // namespace TestFolders
