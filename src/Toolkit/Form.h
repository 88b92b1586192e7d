// A top-level window run modally: a fixed single border, a system menu with the close box
// only, the dialog font, centred on the screen. The modal run ends when the modal result
// becomes non-zero and the close query agrees; the close box, Alt+F4, Esc on the cancel
// button and the system's end-of-session query all pass through that close query.
// Keyboard handling is that of a Windows dialog: Tab and arrow keys, Enter for the default
// button, Esc for the cancel button, Alt+letter for the "&" accelerators.
#pragma once

#include <functional>
#include <string>

#include "InstUtils/WinHandles.h"
#include "Toolkit/Window.h"

class TButton;

// Modal results, the same numbers as the message box results.
enum TModalResult : int { mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL };

class TForm : public TWindow {
public:
    ~TForm() override;

    // Creates the window (hidden) with a client area of the given size.
    void CreateForm(const char* ClassName, const std::string& Caption, int ClientWidth, int ClientHeight);

    // Shows the window and runs its message loop until it closes; returns the modal result.
    int ShowModal();
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int Result) { FModalResult = Result; }
    // Asks to close the window as its close box does: modal result mrCancel.
    void Close() { FModalResult = mrCancel; }
    // True when OnCloseQuery allows closing (or there is none).
    bool CloseQuery();

    void StartTimer(UINT_PTR Id, UINT Period);
    void StopTimer(UINT_PTR Id);

    // Moves the focus to a control as the Tab key does (an edit box gets its text selected).
    void FocusControl(HWND Control);
    // When no control of the form has the focus, gives it to the default button, else to
    // the first control in tab order.
    void EnsureFocus();

    void SetDefaultButton(TButton* Button) { FDefaultButton = Button; }
    void SetCancelButton(TButton* Button) { FCancelButton = Button; }
    // A push button that has the focus looks like the default button, and Enter presses it.
    void ButtonFocusChanged(TButton& Button, bool Focused);

    // The form a window belongs to, or null.
    static TForm* FormOf(HWND Window);

    std::function<void(TForm& Sender, bool& CanClose)> OnCloseQuery;
    std::function<void(TForm& Sender)> OnTimer;

protected:
    LRESULT HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam) override;

private:
    bool PreTranslateMessage(MSG& Message);
    // The messages of a dialog's keyboard and focus; false for any other message.
    bool HandleDialogMessage(UINT Message, WPARAM WParam, LPARAM LParam, LRESULT& Result);
    bool HandleAccelerator(char Key);
    void PressIfPossible(TButton* Button);
    TButton* ButtonWithId(int Id) const;
    bool HoldsFocus(HWND Window) const;

    TFontHandle FFont;
    int FModalResult = mrNone;
    TButton* FDefaultButton = nullptr;
    TButton* FCancelButton = nullptr;
    HWND FSavedFocus = nullptr;
};
