#include "Toolkit/Button.h"

#include "Toolkit/Form.h"
#include "Toolkit/Styles.h"

void TButton::Create(HWND Parent, const TBounds& Bounds, int Id, unsigned Style, const std::string& Caption) {
    // BS_NOTIFY reports focus changes, so that the default look can follow the focus.
    DWORD Kind = (Style & stDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    CreateControl(Parent, "Button", Caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_NOTIFY | Kind, 0, Bounds, Id);
    TForm* Form = TForm::FormOf(Handle());
    if (!Form) return;
    if (Style & stDefault) Form->SetDefaultButton(this);
    if (Style & stCancel) Form->SetCancelButton(this);
}

void TButton::Click() {
    if (OnClick) OnClick(*this);
}

bool TButton::CanPress() const { return IsWindowVisible(Handle()) && IsWindowEnabled(Handle()); }

void TButton::SetDefaultLook(bool Default) {
    SendMessageA(Handle(), BM_SETSTYLE, Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

bool TButton::HandleNotification(UINT Message, WPARAM WParam, LPARAM, LRESULT& Result) {
    if (Message != WM_COMMAND) return false;
    Result = 0;
    switch (HIWORD(WParam)) {
    case BN_CLICKED:
        Click();
        return true;
    case BN_SETFOCUS:
    case BN_KILLFOCUS:
        if (TForm* Form = TForm::FormOf(Handle())) Form->ButtonFocusChanged(*this, HIWORD(WParam) == BN_SETFOCUS);
        return true;
    }
    return false;
}

void TCheckBox::Create(HWND Parent, const TBounds& Bounds, int Id, unsigned Style, const std::string& Caption) {
    CreateControl(Parent, "Button", Caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTOCHECKBOX, 0,
                  Bounds, Id);
    SetChecked((Style & stChecked) != 0);
}

bool TCheckBox::Checked() const { return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TCheckBox::SetChecked(bool Checked) {
    SendMessageA(Handle(), BM_SETCHECK, Checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
