// Drawing helpers of the pickers: their small 16-colour images, whose bottom-left pixel
// gives the colour that lets the background show through, and the row's drawing state.
#pragma once

#include <windows.h>

SIZE BitmapSize(HBITMAP Image);  // 0 x 0 when Image is not a bitmap

// Draws Image at its own size at X, Y; pixels of its bottom-left pixel's colour are left
// as the device context had them.
void DrawTransparentImage(HDC Dc, HBITMAP Image, int X, int Y);

// Puts the device context's colours, font and modes back when a row is drawn.
class TSavedDc {
public:
    explicit TSavedDc(HDC Dc) : FDc(Dc), FState(SaveDC(Dc)) {}
    ~TSavedDc() { RestoreDC(FDc, FState); }
    TSavedDc(const TSavedDc&) = delete;
    TSavedDc& operator=(const TSavedDc&) = delete;

private:
    HDC FDc;
    int FState;
};
