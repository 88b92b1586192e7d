// Containers and decorations drawn by the toolkit itself: panels, images and bevels.
#pragma once

#include <string>

#include "InstUtils/WinHandles.h"
#include "Toolkit/Window.h"

// A container with an optional etched frame. A white panel paints its own background,
// whatever theme its parent uses.
class TPanel : public TWindow {
public:
    // Style: stEtched, stWhite.
    void Create(HWND Parent, const TBounds& Bounds, int Id, unsigned Style, const std::string& Caption);

protected:
    void Paint(HDC Dc, const RECT& Client) override;

private:
    bool FEtched = false;
};

// A bitmap drawn at its own size from the top left corner.
class TImage : public TWindow {
public:
    void Create(HWND Parent, const TBounds& Bounds, int Id, unsigned Style, const std::string& Caption);

    // Loads a BMP file; raises EBitmapError when the file holds no loadable bitmap.
    void LoadFromFile(const std::string& FileName);
    HBITMAP Bitmap() const { return FBitmap.Get(); }

protected:
    void Paint(HDC Dc, const RECT& Client) override;

private:
    TBitmapHandle FBitmap;
};

// A line in the lowered style: a box (stBoxLine) or a line along the left side (stLeftLine).
class TBevel : public TWindow {
public:
    void Create(HWND Parent, const TBounds& Bounds, int Id, unsigned Style, const std::string& Caption);

protected:
    void Paint(HDC Dc, const RECT& Client) override;

private:
    UINT FEdges = BF_RECT;
};
