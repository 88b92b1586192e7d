#include "Toolkit/Application.h"

HWND TApplication::WindowHandle() {
    if (!Handle()) CreateWindowObject(nullptr, "TApplication", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, {}, 0, FTitle);
    return Handle();
}

void TApplication::SetTitle(const std::string& Title) {
    FTitle = Title;
    SetWindowTextA(WindowHandle(), Title.c_str());
}

void TApplication::SetIcon(HICON Icon, HICON SmallIcon) {
    FIcon = Icon;
    FSmallIcon = SmallIcon;
    SendMessageA(WindowHandle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Icon));
    SendMessageA(WindowHandle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(SmallIcon));
}

LRESULT TApplication::HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam) {
    // The window lives as long as the program; closing happens in the forms.
    if (Message == WM_CLOSE) return 0;
    return TWindow::HandleMessage(Message, WParam, LParam);
}

TApplication& Application() {
    static TApplication Instance;
    return Instance;
}
