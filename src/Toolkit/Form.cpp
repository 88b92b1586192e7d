// The form: its window, the modal run with its close query, and the messages of a dialog.
#include "Toolkit/Form.h"

#include "Toolkit/Application.h"
#include "Toolkit/Failures.h"
#include "Toolkit/Fonts.h"

namespace {

constexpr DWORD FormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD FormExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;

}  // namespace

TForm::~TForm() { DestroyHandle(); }

void TForm::CreateForm(const char* ClassName, const std::string& Caption, int ClientWidth, int ClientHeight) {
    RECT Frame{0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&Frame, FormStyle, FALSE, FormExStyle);
    int Width = Frame.right - Frame.left, Height = Frame.bottom - Frame.top;
    TBounds Bounds{(GetSystemMetrics(SM_CXSCREEN) - Width) / 2, (GetSystemMetrics(SM_CYSCREEN) - Height) / 2, Width,
                   Height};
    CreateWindowObject(nullptr, ClassName, FormStyle, FormExStyle, Bounds, 0, Caption);
    FFont = MakeDialogFont();
    SetFont(FFont.Get());
    // Only Move and Close are left in the system menu of a window that cannot be resized.
    HMENU SystemMenu = GetSystemMenu(Handle(), FALSE);
    for (UINT Command : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE}) DeleteMenu(SystemMenu, Command, MF_BYCOMMAND);
    if (Application().Icon()) {
        SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Application().Icon()));
        SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Application().SmallIcon()));
    }
}

int TForm::ShowModal() {
    FModalResult = mrNone;
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    EnsureFocus();
    MSG Message;
    for (;;) {
        if (FModalResult != mrNone) {
            if (CloseQuery()) break;
            FModalResult = mrNone;
        }
        BOOL Got = GetMessageA(&Message, nullptr, 0, 0);
        if (Got == 0) {  // WM_QUIT: leave it to the loop outside, and close
            PostQuitMessage(int(Message.wParam));
            FModalResult = mrCancel;
            break;
        }
        if (Got == -1) break;
        if (!PreTranslateMessage(Message)) {
            TranslateMessage(&Message);
            DispatchMessageA(&Message);
        }
    }
    ShowWindow(Handle(), SW_HIDE);
    return FModalResult;
}

bool TForm::CloseQuery() {
    bool CanClose = true;
    if (OnCloseQuery && !RunHandler([&] { OnCloseQuery(*this, CanClose); })) return false;
    return CanClose;
}

void TForm::StartTimer(UINT_PTR Id, UINT Period) { SetTimer(Handle(), Id, Period, nullptr); }
void TForm::StopTimer(UINT_PTR Id) { KillTimer(Handle(), Id); }

TForm* TForm::FormOf(HWND Window) {
    return dynamic_cast<TForm*>(FromHandle(Window ? GetAncestor(Window, GA_ROOT) : nullptr));
}

LRESULT TForm::HandleMessage(UINT Message, WPARAM WParam, LPARAM LParam) {
    LRESULT Result = 0;
    if (HandleDialogMessage(Message, WParam, LParam, Result)) return Result;
    switch (Message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_QUERYENDSESSION:
        return CloseQuery() ? TRUE : FALSE;
    case WM_TIMER:
        if (OnTimer) OnTimer(*this);
        return 0;
    }
    return TWindow::HandleMessage(Message, WParam, LParam);
}
