// The program as the system sees it: a hidden top-level window that carries the program's
// title and icon, and that the program's message boxes can be owned by before any form is
// shown. Forms take their icons from here.
#pragma once

#include <string>

#include "Toolkit/Window.h"

class TApplication : public TWindow {
public:
    // The hidden window, created on first use.
    HWND WindowHandle();

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Title);

    HICON Icon() const { return FIcon; }
    HICON SmallIcon() const { return FSmallIcon; }
    // Both icons are shared ones (LoadIcon, LoadImage with LR_SHARED) and never destroyed.
    void SetIcon(HICON Icon, HICON SmallIcon);

protected:
    LRESULT HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam) override;

private:
    std::string FTitle;
    HICON FIcon = nullptr;
    HICON FSmallIcon = nullptr;
};

TApplication& Application();
