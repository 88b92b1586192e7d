#include "Toolkit/PageControl.h"

#include <stdexcept>

namespace {
constexpr int PageMargin = 4;
constexpr DWORD ContainerStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
}  // namespace

void TPageControl::Create(HWND Parent, const TBounds& Bounds, int Id, unsigned, const std::string&) {
    CreateWindowObject(Parent, "TPageControl", ContainerStyle | WS_VISIBLE, WS_EX_CONTROLPARENT, Bounds, Id);
}

void TPageControl::SetActivePageIndex(int Index) {
    if (Index < 0 || Index >= PageCount()) throw std::out_of_range("no such page");
    int Previous = FActive;
    FActive = Index;
    Page(Index).SetVisible(true);
    if (Previous >= 0 && Previous != Index) Page(Previous).SetVisible(false);
}

TBounds TPageControl::PageBounds() const {
    RECT Client;
    GetClientRect(Handle(), &Client);
    return {PageMargin, PageMargin, Client.right - 2 * PageMargin, Client.bottom - 2 * PageMargin};
}

void TPageControl::AddPage(TTabSheet& Page) {
    FPages.push_back(&Page);
    if (FActive < 0) SetActivePageIndex(PageCount() - 1);
}

void TTabSheet::Create(HWND Parent, const TBounds&, int Id, unsigned, const std::string& Caption) {
    auto* Pages = dynamic_cast<TPageControl*>(FromHandle(Parent));
    if (!Pages) throw std::logic_error("a page needs a page control as its parent");
    CreateWindowObject(Parent, "TTabSheet", ContainerStyle, WS_EX_CONTROLPARENT, Pages->PageBounds(), Id, Caption);
    FIndex = Pages->PageCount();
    Pages->AddPage(*this);
}
