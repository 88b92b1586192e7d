#include "Toolkit/Control.h"

#include <vector>

namespace {
const char* const ControlProperty = "RuSpell.Control";
}

TControl::~TControl() { DestroyHandle(); }

TControl* TControl::FromHandle(HWND Window) {
    return Window ? static_cast<TControl*>(GetPropA(Window, ControlProperty)) : nullptr;
}

void TControl::CreateControl(HWND Parent, const char* ClassName, const std::string& Text, DWORD Style,
                             DWORD ExStyle, const TBounds& Bounds, int Id, void* CreateParam) {
    DestroyHandle();
    HMENU Menu = Parent ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id)) : nullptr;
    FHandle = CreateWindowExA(ExStyle, ClassName, Text.c_str(), Style, Bounds.Left, Bounds.Top, Bounds.Width,
                              Bounds.Height, Parent, Menu, GetModuleHandleA(nullptr), CreateParam);
    if (!FHandle) return;
    SetPropA(FHandle, ControlProperty, this);
    if (Parent) SetFont(reinterpret_cast<HFONT>(SendMessageA(Parent, WM_GETFONT, 0, 0)));
    HandleCreated();
}

void TControl::AttachHandle(HWND Window) {
    FHandle = Window;
    SetPropA(Window, ControlProperty, this);
}

void TControl::DestroyHandle() {
    if (!FHandle) return;
    HWND Window = FHandle;
    FHandle = nullptr;
    RemovePropA(Window, ControlProperty);
    if (IsWindow(Window)) DestroyWindow(Window);
}

bool TControl::HandleNotification(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

std::string TControl::Text() const {
    int Length = GetWindowTextLengthA(FHandle);
    std::vector<char> Buffer(size_t(Length) + 1);
    int Got = GetWindowTextA(FHandle, Buffer.data(), Length + 1);
    return std::string(Buffer.data(), size_t(Got > 0 ? Got : 0));
}

void TControl::SetText(const std::string& Text) { SetWindowTextA(FHandle, Text.c_str()); }
bool TControl::Enabled() const { return IsWindowEnabled(FHandle) != FALSE; }
void TControl::SetEnabled(bool Enabled) { EnableWindow(FHandle, Enabled); }
bool TControl::Visible() const { return (GetWindowLongA(FHandle, GWL_STYLE) & WS_VISIBLE) != 0; }
void TControl::SetVisible(bool Visible) { ShowWindow(FHandle, Visible ? SW_SHOW : SW_HIDE); }
void TControl::SetFocus() { ::SetFocus(FHandle); }
void TControl::SetFont(HFONT Font) { SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font), TRUE); }
HFONT TControl::Font() const { return reinterpret_cast<HFONT>(SendMessageA(FHandle, WM_GETFONT, 0, 0)); }
int TControl::Id() const { return GetDlgCtrlID(FHandle); }

TBounds TControl::Bounds() const {
    RECT Rect{};
    GetWindowRect(FHandle, &Rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(FHandle), reinterpret_cast<POINT*>(&Rect), 2);
    return {Rect.left, Rect.top, Rect.right - Rect.left, Rect.bottom - Rect.top};
}

void TControl::SetBounds(const TBounds& Bounds) {
    SetWindowPos(FHandle, nullptr, Bounds.Left, Bounds.Top, Bounds.Width, Bounds.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool ReflectNotification(UINT Message, WPARAM WParam, LPARAM LParam, LRESULT& Result) {
    HWND Child = nullptr;
    switch (Message) {
    case WM_COMMAND:
        Child = reinterpret_cast<HWND>(LParam);
        break;
    case WM_DRAWITEM:
        Child = reinterpret_cast<const DRAWITEMSTRUCT*>(LParam)->hwndItem;
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        Child = reinterpret_cast<HWND>(LParam);
        break;
    default:
        return false;
    }
    TControl* Control = TControl::FromHandle(Child);
    return Control && Control->HandleNotification(Message, WParam, LParam, Result);
}
