#include "Toolkit/Label.h"

#include "Toolkit/Painting.h"
#include "Toolkit/Styles.h"
#include "Toolkit/Window.h"

void TLabel::Create(HWND Parent, const TBounds& Bounds, int Id, unsigned Style, const std::string& Caption) {
    FAutoSize = (Style & stAutoSize) != 0;
    DWORD Kind = (Style & stWordWrap) ? SS_LEFT : SS_LEFTNOWORDWRAP;
    CreateControl(Parent, "Static", Caption, WS_CHILD | WS_VISIBLE | Kind, 0, Bounds, Id);
    AdjustSize();
}

void TLabel::SetText(const std::string& Text) {
    TControl::SetText(Text);
    AdjustSize();
}

void TLabel::SetOwnFont(TFontHandle Font) {
    FOwnFont = std::move(Font);
    SetFont(FOwnFont.Get());
    AdjustSize();
}

void TLabel::SetTextColor(COLORREF Color) {
    FTextColor = Color;
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool TLabel::HandleNotification(UINT Message, WPARAM WParam, LPARAM, LRESULT& Result) {
    if (Message != WM_CTLCOLORSTATIC) return false;
    auto* Parent = dynamic_cast<TWindow*>(FromHandle(GetParent(Handle())));
    if (!Parent) return false;
    HDC Dc = reinterpret_cast<HDC>(WParam);
    ::SetTextColor(Dc, FTextColor != CLR_INVALID ? FTextColor : GetSysColor(COLOR_BTNTEXT));
    Result = Parent->ColorChild(Dc);
    return true;
}

void TLabel::AdjustSize() {
    if (!FAutoSize || !Handle()) return;
    TWindowDc Dc(Handle());
    TSelectObject Font(Dc.Get(), this->Font());
    std::string Caption = Text();
    RECT Extent{0, 0, 0, 0};
    DrawTextA(Dc.Get(), Caption.c_str(), int(Caption.size()), &Extent, DT_CALCRECT | DT_LEFT | DT_EXPANDTABS);
    TBounds Now = Bounds();
    SetBounds({Now.Left, Now.Top, int(Extent.right), int(Extent.bottom)});
}
