#include "SystemLibraries.h"

#include <ole2.h>

#include <string>

#include "SystemServices.h"

namespace {

struct TFolderPathLookup {
    TModuleHandle Module;
    TSHGetFolderPathA Function = nullptr;
};

TSHGetFolderPathA FindIn(TFolderPathLookup& Lookup, const char* Library) {
    Lookup.Module = LoadSystemLibrary(Library);
    if (!Lookup.Module) return nullptr;
    Lookup.Function = reinterpret_cast<TSHGetFolderPathA>(
        GetProcAddress(Lookup.Module.Get(), "SHGetFolderPathA"));
    if (!Lookup.Function) Lookup.Module.Reset();
    return Lookup.Function;
}

// Looked up once, on first use; InitSystemServices makes that first use happen at start-up.
TFolderPathLookup& FolderPathLookup() {
    static TFolderPathLookup Lookup = [] {
        TFolderPathLookup L;
        if (!FindIn(L, "shell32.dll")) FindIn(L, "shfolder.dll");
        return L;
    }();
    return Lookup;
}

}  // namespace

TModuleHandle LoadSystemLibrary(const char* Name) {
    TModuleHandle Module(LoadLibraryExA(Name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    // Windows 7 without update KB2533623 rejects the flag; the full path is just as safe.
    if (!Module && GetLastError() == ERROR_INVALID_PARAMETER) {
        char Folder[MAX_PATH + 1] = {};
        UINT Length = GetSystemDirectoryA(Folder, MAX_PATH + 1);
        if (Length > 0 && Length <= MAX_PATH)
            Module.Reset(LoadLibraryA((std::string(Folder) + "\\" + Name).c_str()));
    }
    return Module;
}

TSHGetFolderPathA FolderPathFunction() { return FolderPathLookup().Function; }

void HardenDllSearch() {
    using TSetDefaultDllDirectories = BOOL(WINAPI*)(DWORD);
    auto SetDefault = reinterpret_cast<TSetDefaultDllDirectories>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories"));
    if (SetDefault)
        SetDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    else
        SetDllDirectoryW(L"");  // at least takes the current directory out of the search
}

void InitSystemServices() {
    OleInitialize(nullptr);
    FolderPathFunction();
}

void DoneSystemServices() { OleUninitialize(); }
