#include "FileCtrl/PickerDrawing.h"

#include "InstUtils/WinHandles.h"

SIZE BitmapSize(HBITMAP Image) {
    BITMAP Info{};
    if (!Image || !GetObjectA(Image, sizeof Info, &Info)) return SIZE{0, 0};
    return SIZE{Info.bmWidth, Info.bmHeight};
}

void DrawTransparentImage(HDC Dc, HBITMAP Image, int X, int Y) {
    SIZE Size = BitmapSize(Image);
    if (Size.cx <= 0 || Size.cy <= 0) return;
    TMemoryDc ImageDc(Dc), MaskDc(Dc);
    TBitmapHandle Mask(CreateBitmap(Size.cx, Size.cy, 1, 1, nullptr));
    if (!ImageDc.Get() || !MaskDc.Get() || !Mask) return;
    TSelectObject ImageSelected(ImageDc.Get(), Image);
    TSelectObject MaskSelected(MaskDc.Get(), Mask.Get());

    // Copying to a monochrome bitmap turns the pixels of the source's background colour
    // white and all others black: white marks where the background shows through.
    SetBkColor(ImageDc.Get(), GetPixel(ImageDc.Get(), 0, Size.cy - 1));
    BitBlt(MaskDc.Get(), 0, 0, Size.cx, Size.cy, ImageDc.Get(), 0, 0, SRCCOPY);

    // dest ^ image, cleared where the mask is black, ^ image again: the image where the
    // mask is black, the untouched background where it is white.
    TSavedDc Saved(Dc);
    SetTextColor(Dc, RGB(0, 0, 0));
    SetBkColor(Dc, RGB(255, 255, 255));
    BitBlt(Dc, X, Y, Size.cx, Size.cy, ImageDc.Get(), 0, 0, SRCINVERT);
    BitBlt(Dc, X, Y, Size.cx, Size.cy, MaskDc.Get(), 0, 0, SRCAND);
    BitBlt(Dc, X, Y, Size.cx, Size.cy, ImageDc.Get(), 0, 0, SRCINVERT);
}
