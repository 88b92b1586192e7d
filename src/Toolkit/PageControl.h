// A page container: its pages lie on top of each other and one is shown at a time. It has
// no tab headers; its owner switches pages itself.
#pragma once

#include <string>
#include <vector>

#include "Toolkit/Window.h"

class TTabSheet;

class TPageControl : public TWindow {
public:
    void Create(HWND Parent, const TBounds& Bounds, int Id, unsigned Style, const std::string& Caption);

    int PageCount() const { return int(FPages.size()); }
    TTabSheet& Page(int Index) const { return *FPages.at(size_t(Index)); }
    int ActivePageIndex() const { return FActive; }
    // Shows the page Index and hides the one shown before.
    void SetActivePageIndex(int Index);

    // The area of the pages: the client area less a margin of 4 pixels on each side, where
    // a tab control draws its frame (the surrounding panels usually cover it).
    TBounds PageBounds() const;

private:
    friend class TTabSheet;
    void AddPage(TTabSheet& Page);

    std::vector<TTabSheet*> FPages;
    int FActive = -1;
};

class TTabSheet : public TWindow {
public:
    // Parent is the page control; a page always fills its page area, whatever Bounds say.
    void Create(HWND Parent, const TBounds& Bounds, int Id, unsigned Style, const std::string& Caption);

    int PageIndex() const { return FIndex; }

private:
    int FIndex = -1;
};
