#include "Toolkit/Panel.h"

#include "Toolkit/Failures.h"
#include "Toolkit/Styles.h"

namespace {

// Decorations and containers take the parent's background and never the focus.
constexpr DWORD ChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

COLORREF ParentColor(HWND Window) {
    auto* Parent = dynamic_cast<TWindow*>(TControl::FromHandle(GetParent(Window)));
    return Parent ? Parent->Color() : GetSysColor(COLOR_BTNFACE);
}

}  // namespace

void TPanel::Create(HWND Parent, const TBounds& Bounds, int Id, unsigned Style, const std::string& Caption) {
    FEtched = (Style & stEtched) != 0;
    if (Style & stWhite) SetColor(RGB(255, 255, 255));
    CreateWindowObject(Parent, "TPanel", ChildStyle, WS_EX_CONTROLPARENT, Bounds, Id, Caption);
}

void TPanel::Paint(HDC Dc, const RECT& Client) {
    RECT Frame = Client;
    if (FEtched) DrawEdge(Dc, &Frame, EDGE_ETCHED, BF_RECT);
}

void TImage::Create(HWND Parent, const TBounds& Bounds, int Id, unsigned, const std::string&) {
    CreateWindowObject(Parent, "TImage", ChildStyle, 0, Bounds, Id);
    SetColor(ParentColor(Handle()));
}

void TImage::LoadFromFile(const std::string& FileName) {
    TBitmapHandle Loaded(static_cast<HBITMAP>(
        LoadImageA(nullptr, FileName.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    if (!Loaded) throw EBitmapError("Cannot load the bitmap \"" + FileName + "\"");
    FBitmap = std::move(Loaded);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TImage::Paint(HDC Dc, const RECT&) {
    if (!FBitmap) return;
    BITMAP Info{};
    GetObjectA(FBitmap.Get(), sizeof(Info), &Info);
    TMemoryDc Source(Dc);
    TSelectObject Select(Source.Get(), FBitmap.Get());
    BitBlt(Dc, 0, 0, Info.bmWidth, Info.bmHeight, Source.Get(), 0, 0, SRCCOPY);
}

void TBevel::Create(HWND Parent, const TBounds& Bounds, int Id, unsigned Style, const std::string&) {
    FEdges = (Style & stLeftLine) ? BF_LEFT : BF_RECT;
    CreateWindowObject(Parent, "TBevel", ChildStyle | WS_DISABLED, 0, Bounds, Id);
    SetColor(ParentColor(Handle()));
}

void TBevel::Paint(HDC Dc, const RECT& Client) {
    // Lowered: shadow on the top and left edges, highlight on the bottom and right ones. A
    // left line is two pixels wide: the shadow, then the highlight.
    RECT Frame = Client;
    DrawEdge(Dc, &Frame, FEdges == BF_LEFT ? EDGE_ETCHED : BDR_SUNKENOUTER, FEdges);
}
