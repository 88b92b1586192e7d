// A text label (a "Static" window). An "&" in its caption marks the accelerator that moves
// the focus to FocusControl, or to the next control in tab order when none is named.
#pragma once

#include <string>

#include "InstUtils/WinHandles.h"
#include "Toolkit/Control.h"

class TLabel : public TControl {
public:
    // Style: stAutoSize (one size that fits the text) or stWordWrap.
    void Create(HWND Parent, const TBounds& Bounds, int Id, unsigned Style, const std::string& Caption);

    void SetText(const std::string& Text) override;
    // A font of the label's own, which it keeps.
    void SetOwnFont(TFontHandle Font);
    void SetTextColor(COLORREF Color);

    TControl* FocusControl = nullptr;

    bool HandleNotification(UINT Message, WPARAM WParam, LPARAM LParam, LRESULT& Result) override;

private:
    void AdjustSize();

    bool FAutoSize = false;
    TFontHandle FOwnFont;
    COLORREF FTextColor = CLR_INVALID;
};
