#include "Toolkit/Window.h"

#include "Toolkit/BusyCursor.h"
#include "Toolkit/Failures.h"
#include "Toolkit/Painting.h"

namespace {

void RegisterClassOnce(const char* ClassName, WNDPROC Procedure) {
    HINSTANCE Instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA Class{};
    Class.cbSize = sizeof(Class);
    if (GetClassInfoExA(Instance, ClassName, &Class)) return;
    Class.style = CS_DBLCLKS;
    Class.lpfnWndProc = Procedure;
    Class.hInstance = Instance;
    Class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    Class.lpszClassName = ClassName;
    RegisterClassExA(&Class);
}

}  // namespace

COLORREF TWindow::Color() const {
    return FOwnColor != CLR_INVALID ? FOwnColor : GetSysColor(COLOR_BTNFACE);
}

HBRUSH TWindow::BackgroundBrush() const {
    return FOwnBrush ? FOwnBrush.Get() : GetSysColorBrush(COLOR_BTNFACE);
}

void TWindow::SetColor(COLORREF Color) {
    FOwnColor = Color;
    FOwnBrush.Reset(CreateSolidBrush(Color));
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT TWindow::ColorChild(HDC Dc) const {
    SetBkColor(Dc, Color());
    return reinterpret_cast<LRESULT>(BackgroundBrush());
}

void TWindow::CreateWindowObject(HWND Parent, const char* ClassName, DWORD Style, DWORD ExStyle,
                                 const TBounds& Bounds, int Id, const std::string& Text) {
    RegisterClassOnce(ClassName, &TWindow::WindowProc);
    CreateControl(Parent, ClassName, Text, Style, ExStyle, Bounds, Id, this);
}

LRESULT CALLBACK TWindow::WindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam) {
    if (Message == WM_NCCREATE) {
        auto* Creating = static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTA*>(LParam)->lpCreateParams);
        if (Creating) Creating->AttachHandle(Window);
    }
    auto* Self = dynamic_cast<TWindow*>(TControl::FromHandle(Window));
    if (!Self) return DefWindowProcA(Window, Message, WParam, LParam);
    LRESULT Result = 0;
    RunHandler([&] { Result = Self->HandleMessage(Message, WParam, LParam); });
    return Result;
}

LRESULT TWindow::HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam) {
    LRESULT Result = 0;
    if (ReflectNotification(Message, WParam, LParam, Result)) return Result;
    switch (Message) {
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(FFont);
    case WM_SETFONT:
        FFont = reinterpret_cast<HFONT>(WParam);
        if (LOWORD(LParam)) InvalidateRect(Handle(), nullptr, TRUE);
        return 0;
    case WM_ERASEBKGND: {
        RECT Client;
        GetClientRect(Handle(), &Client);
        FillRect(reinterpret_cast<HDC>(WParam), &Client, BackgroundBrush());
        return 1;
    }
    case WM_PAINT:
        PaintWindow();
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return ColorChild(reinterpret_cast<HDC>(WParam));
    case WM_SETCURSOR:
        if (!TBusyCursor::Active()) break;
        SetCursor(TBusyCursor::WaitCursor());
        return TRUE;
    case WM_CLOSE:
        // A multi-line edit inside a container posts WM_CLOSE to its parent for Esc: that
        // is the form's cancel key, not a request to destroy the container.
        if (!(GetWindowLongA(Handle(), GWL_STYLE) & WS_CHILD)) break;
        SendMessageA(GetAncestor(Handle(), GA_ROOT), WM_COMMAND, IDCANCEL, 0);
        return 0;
    }
    return DefWindowProcA(Handle(), Message, WParam, LParam);
}

void TWindow::PaintWindow() {
    TPaintDc Dc(Handle());
    RECT Client;
    GetClientRect(Handle(), &Client);
    Paint(Dc.Get(), Client);
}
