// DLLs the setup loads at run time, always from the system folder: a setup is typically
// started from a downloads folder, where a planted DLL of the same name could wait.
#pragma once

#include <windows.h>

#include "WinHandles.h"

// The system folder's copy of a DLL, or an empty handle when it cannot be loaded.
TModuleHandle LoadSystemLibrary(const char* Name);

using TSHGetFolderPathA = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);
// SHGetFolderPathA from shell32.dll, else shfolder.dll; nullptr when neither has it.
TSHGetFolderPathA FolderPathFunction();
