// The keyboard of a dialog: the focus, the default button's look, accelerators, and the
// messages IsDialogMessage hands to the form.
#include "Toolkit/Form.h"

#include <cctype>
#include <vector>

#include "Toolkit/Button.h"
#include "Toolkit/Label.h"

namespace {

// The letter after a single "&" in a caption, upper-cased; 0 when there is none.
char AcceleratorOf(const std::string& Caption) {
    for (size_t I = 0; I + 1 < Caption.size(); ++I) {
        if (Caption[I] != '&') continue;
        if (Caption[I + 1] != '&') return char(toupper(static_cast<unsigned char>(Caption[I + 1])));
        ++I;  // "&&" is a literal ampersand
    }
    return 0;
}

std::string WindowText(HWND Window) {
    char Buffer[512];
    int Length = GetWindowTextA(Window, Buffer, sizeof(Buffer));
    return std::string(Buffer, size_t(Length > 0 ? Length : 0));
}

BOOL CALLBACK CollectWindow(HWND Child, LPARAM List) {
    reinterpret_cast<std::vector<HWND>*>(List)->push_back(Child);
    return TRUE;
}

std::vector<HWND> Descendants(HWND Window) {
    std::vector<HWND> Found;
    EnumChildWindows(Window, &CollectWindow, reinterpret_cast<LPARAM>(&Found));
    return Found;
}

UINT DialogCode(HWND Window) { return UINT(SendMessageA(Window, WM_GETDLGCODE, 0, 0)); }

}  // namespace

void TForm::FocusControl(HWND Control) {
    if (!Control || !IsWindowVisible(Handle())) return;  // a hidden form takes no focus
    // A one-line edit box gets its text selected, as in a dialog; a memo keeps its place.
    bool Memo = (GetWindowLongA(Control, GWL_STYLE) & ES_MULTILINE) != 0;
    if ((DialogCode(Control) & DLGC_HASSETSEL) && !Memo) SendMessageA(Control, EM_SETSEL, 0, -1);
    ::SetFocus(Control);
}

bool TForm::HoldsFocus(HWND Window) const {
    return Window && IsChild(Handle(), Window) && IsWindowVisible(Window) && IsWindowEnabled(Window) &&
           (GetWindowLongA(Window, GWL_STYLE) & WS_TABSTOP);
}

void TForm::EnsureFocus() {
    if (!IsWindowVisible(Handle()) || HoldsFocus(GetFocus())) return;
    if (FDefaultButton && FDefaultButton->CanPress())
        FocusControl(FDefaultButton->Handle());
    else
        FocusControl(GetNextDlgTabItem(Handle(), nullptr, FALSE));
}

void TForm::ButtonFocusChanged(TButton& Button, bool Focused) {
    if (Focused) {
        if (FDefaultButton && FDefaultButton != &Button) FDefaultButton->SetDefaultLook(false);
        Button.SetDefaultLook(true);
    } else {
        Button.SetDefaultLook(&Button == FDefaultButton);
        if (FDefaultButton) FDefaultButton->SetDefaultLook(true);
    }
}

bool TForm::PreTranslateMessage(MSG& Message) {
    if (Message.hwnd != Handle() && !IsChild(Handle(), Message.hwnd)) return false;
    bool Letter = isalnum(static_cast<unsigned char>(Message.wParam)) != 0;
    // A plain letter works as an accelerator too while the focus is on a control that does
    // not take characters, such as a button.
    bool Accelerator = Message.message == WM_SYSCHAR ||
                       (Message.message == WM_CHAR && !(DialogCode(Message.hwnd) & DLGC_WANTCHARS));
    if (Accelerator && Letter && HandleAccelerator(char(Message.wParam))) return true;
    return IsDialogMessageA(Handle(), &Message) != FALSE;
}

bool TForm::HandleAccelerator(char Key) {
    char Wanted = char(toupper(static_cast<unsigned char>(Key)));
    for (HWND Child : Descendants(Handle())) {
        if (!IsWindowVisible(Child) || !IsWindowEnabled(Child)) continue;
        UINT Code = DialogCode(Child);
        if (!(Code & (DLGC_STATIC | DLGC_BUTTON)) || AcceleratorOf(WindowText(Child)) != Wanted) continue;
        if (auto* Label = dynamic_cast<TLabel*>(FromHandle(Child))) {
            FocusControl(Label->FocusControl ? Label->FocusControl->Handle()
                                             : GetNextDlgTabItem(Handle(), Child, FALSE));
        } else if (Code & DLGC_STATIC) {
            FocusControl(GetNextDlgTabItem(Handle(), Child, FALSE));
        } else {
            if (!(Code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) ::SetFocus(Child);
            SendMessageA(Child, BM_CLICK, 0, 0);
        }
        return true;
    }
    return false;
}

void TForm::PressIfPossible(TButton* Button) {
    if (Button && Button->CanPress()) Button->Click();
}

TButton* TForm::ButtonWithId(int Id) const {
    for (HWND Child : Descendants(Handle()))
        if (GetDlgCtrlID(Child) == Id) return dynamic_cast<TButton*>(FromHandle(Child));
    return nullptr;
}


bool TForm::HandleDialogMessage(UINT Message, WPARAM WParam, LPARAM LParam, LRESULT& Result) {
    switch (Message) {
    case WM_COMMAND:
        // Enter and Esc arrive from IsDialogMessage without a window when the button is not
        // a direct child of the form.
        if (LParam != 0) return false;
        if (LOWORD(WParam) == IDCANCEL) PressIfPossible(FCancelButton);
        else if (FDefaultButton && LOWORD(WParam) == FDefaultButton->Id()) PressIfPossible(FDefaultButton);
        Result = 0;
        return true;
    case DM_GETDEFID:
        Result = FDefaultButton ? MAKELRESULT(FDefaultButton->Id(), DC_HASDEFID) : 0;
        return true;
    case DM_SETDEFID:
        if (TButton* Button = ButtonWithId(int(WParam))) {
            if (FDefaultButton) FDefaultButton->SetDefaultLook(false);
            SetDefaultButton(Button);
            Button->SetDefaultLook(true);
        }
        Result = TRUE;
        return true;
    case WM_NEXTDLGCTL:
        FocusControl(LOWORD(LParam) ? reinterpret_cast<HWND>(WParam)
                                    : GetNextDlgTabItem(Handle(), GetFocus(), WParam != 0));
        Result = 0;
        return true;
    case WM_ACTIVATE:
        // Keep the focused control while another window (a message box) is active.
        if (LOWORD(WParam) == WA_INACTIVE) {
            if (HoldsFocus(GetFocus())) FSavedFocus = GetFocus();
            Result = 0;
            return true;
        }
        [[fallthrough]];
    case WM_SETFOCUS:
        if (HoldsFocus(FSavedFocus))
            ::SetFocus(FSavedFocus);
        else
            EnsureFocus();
        Result = 0;
        return true;
    }
    return false;
}
