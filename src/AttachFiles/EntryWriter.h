// The one write that puts an entry's bytes into its file.
#pragma once

#include <windows.h>

using TWriteFileFunction = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);

// True only when all Size bytes were written: a write that stops short (a full disk) fails.
bool WriteEntryBytes(HANDLE File, const void* Bytes, DWORD Size);

// Puts Writer in place of WriteFile, so that a test can stage a write that stops short,
// which no real file under Wine does; nullptr restores WriteFile.
void SetEntryWriter(TWriteFileFunction Writer);
