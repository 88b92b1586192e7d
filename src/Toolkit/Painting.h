// Device contexts owned for a scope: the one of a WM_PAINT, and a window's own.
#pragma once

#include <windows.h>

class TPaintDc {
public:
    explicit TPaintDc(HWND Window) : FWindow(Window) { BeginPaint(Window, &FPaint); }
    ~TPaintDc() { EndPaint(FWindow, &FPaint); }
    TPaintDc(const TPaintDc&) = delete;
    TPaintDc& operator=(const TPaintDc&) = delete;
    HDC Get() const { return FPaint.hdc; }

private:
    HWND FWindow;
    PAINTSTRUCT FPaint{};
};

class TWindowDc {
public:
    explicit TWindowDc(HWND Window) : FWindow(Window), FDc(GetDC(Window)) {}
    ~TWindowDc() {
        if (FDc) ReleaseDC(FWindow, FDc);
    }
    TWindowDc(const TWindowDc&) = delete;
    TWindowDc& operator=(const TWindowDc&) = delete;
    HDC Get() const { return FDc; }

private:
    HWND FWindow;
    HDC FDc;
};
