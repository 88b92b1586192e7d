// Reads and presses another process's windows without sending it messages and waiting, so
// that a busy setup (its installation runs on its only thread) cannot stall the probe.
#pragma once

#include <windows.h>

#include <string>

// A visible top-level window of the process with exactly this caption, or null.
HWND FindShownWindow(DWORD ProcessId, const std::wstring& Caption);

// A visible window inside Top that shows exactly Text, or null.
HWND FindTextWindow(HWND Top, const std::wstring& Text);

// Whether the window shows exactly Text now.
bool ShowsText(HWND Window, const std::wstring& Text);

// A visible, enabled button inside Top with exactly this caption, or null.
HWND FindButton(HWND Top, const std::wstring& Caption);

// True when neither Top nor any visible window inside it waits to be painted.
bool IsPainted(HWND Top);

// Presses a button the way a click does; posted, because the handler may run for long.
void PressButton(HWND Button);

// The captions of the process's visible top-level windows and of their texts, for errors.
std::string DescribeWindows(DWORD ProcessId);
