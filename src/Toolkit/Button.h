// Push buttons and check boxes ("Button" windows). A push button may have the default role
// (Enter presses it when the focus is not on another push button) or the cancel role (Esc
// presses it); its form keeps track of both.
#pragma once

#include <functional>
#include <string>

#include "Toolkit/Control.h"

class TButton : public TControl {
public:
    // Style: stDefault, stCancel.
    void Create(HWND Parent, const TBounds& Bounds, int Id, unsigned Style, const std::string& Caption);

    // Runs OnClick, as a mouse click, a key or BM_CLICK do.
    void Click();
    // True when the user could press it: the button and its parents are shown and enabled.
    bool CanPress() const;
    // The thick frame that tells which button Enter presses.
    void SetDefaultLook(bool Default);

    std::function<void(TButton& Sender)> OnClick;

    bool HandleNotification(UINT Message, WPARAM WParam, LPARAM LParam, LRESULT& Result) override;
};

class TCheckBox : public TControl {
public:
    // Style: stChecked.
    void Create(HWND Parent, const TBounds& Bounds, int Id, unsigned Style, const std::string& Caption);

    bool Checked() const;
    void SetChecked(bool Checked);
};
