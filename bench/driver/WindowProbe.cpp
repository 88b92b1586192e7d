#include "WindowProbe.h"

#include <functional>

namespace {

// The text as the window manager keeps it: no WM_GETTEXT is sent to the busy owner.
std::wstring WindowText(HWND Window) {
    wchar_t Buffer[512];
    const int Length = InternalGetWindowText(Window, Buffer, ARRAYSIZE(Buffer));
    return std::wstring(Buffer, Length > 0 ? Length : 0);
}

std::wstring ClassName(HWND Window) {
    wchar_t Buffer[64];
    const int Length = GetClassNameW(Window, Buffer, ARRAYSIZE(Buffer));
    return std::wstring(Buffer, Length > 0 ? Length : 0);
}

using TVisit = std::function<bool(HWND)>;

BOOL CALLBACK VisitChild(HWND Window, LPARAM Visit) {
    return (*reinterpret_cast<const TVisit*>(Visit))(Window);
}

// Calls Visit for every window inside Top until it returns false.
void ForEachChild(HWND Top, const TVisit& Visit) {
    EnumChildWindows(Top, VisitChild, reinterpret_cast<LPARAM>(&Visit));
}

struct TTopLevelVisit {
    DWORD ProcessId;
    const TVisit* Visit;
};

BOOL CALLBACK VisitTopLevel(HWND Window, LPARAM Param) {
    const auto& Context = *reinterpret_cast<const TTopLevelVisit*>(Param);
    DWORD Owner = 0;
    GetWindowThreadProcessId(Window, &Owner);
    return Owner != Context.ProcessId || (*Context.Visit)(Window);
}

// Calls Visit for every top-level window of the process until it returns false.
void ForEachTopLevel(DWORD ProcessId, const TVisit& Visit) {
    const TTopLevelVisit Context{ProcessId, &Visit};
    EnumWindows(VisitTopLevel, reinterpret_cast<LPARAM>(&Context));
}

bool HasPendingPaint(HWND Window) { return GetUpdateRect(Window, nullptr, FALSE) != FALSE; }

std::string Narrow(const std::wstring& Text) { return std::string(Text.begin(), Text.end()); }

}  // namespace

HWND FindShownWindow(DWORD ProcessId, const std::wstring& Caption) {
    HWND Found = nullptr;
    ForEachTopLevel(ProcessId, [&](HWND Window) {
        if (IsWindowVisible(Window) && WindowText(Window) == Caption) Found = Window;
        return Found == nullptr;
    });
    return Found;
}

HWND FindTextWindow(HWND Top, const std::wstring& Text) {
    HWND Found = nullptr;
    ForEachChild(Top, [&](HWND Window) {
        if (IsWindowVisible(Window) && WindowText(Window) == Text) Found = Window;
        return Found == nullptr;
    });
    return Found;
}

bool ShowsText(HWND Window, const std::wstring& Text) { return WindowText(Window) == Text; }

HWND FindButton(HWND Top, const std::wstring& Caption) {
    HWND Found = nullptr;
    ForEachChild(Top, [&](HWND Window) {
        if (IsWindowVisible(Window) && IsWindowEnabled(Window) && ClassName(Window) == L"Button" &&
            WindowText(Window) == Caption)
            Found = Window;
        return Found == nullptr;
    });
    return Found;
}

bool IsPainted(HWND Top) {
    if (HasPendingPaint(Top)) return false;
    bool Pending = false;
    ForEachChild(Top, [&](HWND Window) {
        Pending = IsWindowVisible(Window) && HasPendingPaint(Window);
        return !Pending;
    });
    return !Pending;
}

void PressButton(HWND Button) { PostMessageW(Button, BM_CLICK, 0, 0); }

std::string DescribeWindows(DWORD ProcessId) {
    std::string Description;
    ForEachTopLevel(ProcessId, [&](HWND Window) {
        if (!IsWindowVisible(Window)) return true;
        Description += "\n  window \"" + Narrow(WindowText(Window)) + "\":";
        ForEachChild(Window, [&](HWND Child) {
            const std::wstring Text = WindowText(Child);
            if (IsWindowVisible(Child) && !Text.empty()) Description += " \"" + Narrow(Text) + "\"";
            return true;
        });
        return true;
    });
    return Description.empty() ? "\n  no visible window" : Description;
}
