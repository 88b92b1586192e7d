// A window of one of the toolkit's own classes (forms, panels, pages, images, bevels). One
// static window procedure finds the object (from lpCreateParams at WM_NCCREATE, then
// through TControl::FromHandle) and runs its HandleMessage through RunHandler, so that no
// C++ exception crosses the system's code. Notifications of child controls are reflected
// back to them before anything else.
#pragma once

#include <windows.h>

#include <string>

#include "InstUtils/WinHandles.h"
#include "Toolkit/Control.h"

class TWindow : public TControl {
public:
    // The background: the dialog colour unless an own colour was set.
    COLORREF Color() const;
    HBRUSH BackgroundBrush() const;
    void SetColor(COLORREF Color);

    // Answers a child's WM_CTLCOLOR* with this window's background.
    LRESULT ColorChild(HDC Dc) const;

protected:
    // Registers ClassName on first use and creates the window linked to this object.
    void CreateWindowObject(HWND Parent, const char* ClassName, DWORD Style, DWORD ExStyle,
                            const TBounds& Bounds, int Id, const std::string& Text = "");

    virtual LRESULT HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam);
    // Draws the client area over the background already filled.
    virtual void Paint(HDC Dc, const RECT& Client) {}

private:
    static LRESULT CALLBACK WindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
    void PaintWindow();

    HFONT FFont = nullptr;  // not owned: the form owns the fonts its children share
    TBrushHandle FOwnBrush;
    COLORREF FOwnColor = CLR_INVALID;
};
