#include "Driver.h"

#include <algorithm>
#include <vector>

namespace e2e {
namespace {

const DWORD PollMs = 25;
const UINT ReplyTimeoutMs = 5000;

bool SendWithTimeout(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam, DWORD_PTR& Result) {
    return SendMessageTimeoutA(Window, Message, WParam, LParam, SMTO_BLOCK | SMTO_ABORTIFHUNG,
                               ReplyTimeoutMs, &Result) != 0;
}

bool NotifyParent(HWND Control, WORD Notification) {
    const WPARAM WParam = MAKEWPARAM(GetDlgCtrlID(Control), Notification);
    return PostMessageA(GetParent(Control), WM_COMMAND, WParam,
                        reinterpret_cast<LPARAM>(Control)) != 0;
}

bool SelectRow(HWND Control, UINT SelectMessage, WORD Notification, int Row) {
    DWORD_PTR Result = 0;
    if (!SendWithTimeout(Control, SelectMessage, static_cast<WPARAM>(Row), 0, Result)) return false;
    if (static_cast<LRESULT>(Result) == LB_ERR) return false;  // CB_ERR alike
    return NotifyParent(Control, Notification);
}

struct TWindowSearch {
    DWORD ProcessId;
    std::vector<HWND> Found;
};

BOOL CALLBACK CollectOfProcess(HWND Window, LPARAM Param) {
    auto& Search = *reinterpret_cast<TWindowSearch*>(Param);
    DWORD Owner = 0;
    GetWindowThreadProcessId(Window, &Owner);
    if (Owner == Search.ProcessId) Search.Found.push_back(Window);
    return TRUE;
}

BOOL CALLBACK CollectAll(HWND Window, LPARAM Param) {
    reinterpret_cast<TWindowSearch*>(Param)->Found.push_back(Window);
    return TRUE;
}

bool SameText(const std::string& A, const std::string& B) {
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, A.c_str(), -1, B.c_str(), -1) ==
           CSTR_EQUAL;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& Condition, DWORD TimeoutMs) {
    const ULONGLONG End = GetTickCount64() + TimeoutMs;
    for (;;) {
        if (Condition()) return true;
        if (GetTickCount64() >= End) return false;
        Sleep(PollMs);
    }
}

TProcess::TProcess(const std::string& CommandLine) {
    STARTUPINFOA Startup = {};
    Startup.cb = sizeof Startup;
    PROCESS_INFORMATION Info = {};
    std::vector<char> Line(CommandLine.begin(), CommandLine.end());
    Line.push_back('\0');
    if (!CreateProcessA(nullptr, Line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &Startup, &Info))
        return;
    CloseHandle(Info.hThread);
    FProcess.Reset(Info.hProcess);
    FId = Info.dwProcessId;
}

TProcess::~TProcess() { Terminate(); }

bool TProcess::Running() const {
    return FProcess && WaitForSingleObject(FProcess.Get(), 0) == WAIT_TIMEOUT;
}

bool TProcess::WaitForExit(DWORD TimeoutMs, DWORD& ExitCode) const {
    if (!FProcess || WaitForSingleObject(FProcess.Get(), TimeoutMs) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(FProcess.Get(), &ExitCode) != 0;
}

void TProcess::Terminate() {
    if (!Running()) return;
    TerminateProcess(FProcess.Get(), 99);
    WaitForSingleObject(FProcess.Get(), ReplyTimeoutMs);
}

std::string ClassOf(HWND Window) {
    char Name[256] = {};
    const int Length = GetClassNameA(Window, Name, sizeof Name);
    return std::string(Name, Length > 0 ? Length : 0);
}

std::string TextOf(HWND Window) {
    DWORD_PTR Length = 0;
    if (SendWithTimeout(Window, WM_GETTEXTLENGTH, 0, 0, Length)) {
        std::string Text(Length + 1, '\0');
        DWORD_PTR Copied = 0;
        if (SendWithTimeout(Window, WM_GETTEXT, Text.size(), reinterpret_cast<LPARAM>(Text.data()),
                            Copied)) {
            Text.resize(std::min<size_t>(Copied, Length));
            return Text;
        }
    }
    // The window's thread is busy: for a window of another process GetWindowTextA reads the
    // caption stored with the window without sending a message.
    char Caption[1024] = {};
    const int Stored = GetWindowTextA(Window, Caption, sizeof Caption);
    return std::string(Caption, Stored > 0 ? Stored : 0);
}

std::vector<HWND> TopLevelWindows(DWORD ProcessId) {
    TWindowSearch Search{ProcessId, {}};
    EnumWindows(CollectOfProcess, reinterpret_cast<LPARAM>(&Search));
    return Search.Found;
}

std::vector<HWND> Descendants(HWND Top) {
    TWindowSearch Search{0, {}};
    EnumChildWindows(Top, CollectAll, reinterpret_cast<LPARAM>(&Search));
    return Search.Found;
}

bool IsShown(HWND Window) { return IsWindow(Window) && IsWindowVisible(Window); }

bool IsEnabled(HWND Window) { return IsWindow(Window) && IsWindowEnabled(Window); }

RECT ScreenRect(HWND Window) {
    RECT Rect = {};
    GetWindowRect(Window, &Rect);
    return Rect;
}

HWND FindControl(HWND Top, const std::string& Class, const std::string& Caption,
                 TVisibility Visibility) {
    for (HWND Window : Descendants(Top)) {
        if (Visibility == TVisibility::Shown && !IsShown(Window)) continue;
        if (SameText(ClassOf(Window), Class) && TextOf(Window) == Caption) return Window;
    }
    return nullptr;
}

std::vector<HWND> ShownControls(HWND Top, const std::string& Class) {
    std::vector<HWND> Found;
    for (HWND Window : Descendants(Top))
        if (IsShown(Window) && SameText(ClassOf(Window), Class)) Found.push_back(Window);
    return Found;
}

HWND FindEdit(HWND Top, bool MultiLine, TVisibility Visibility) {
    for (HWND Edit : Descendants(Top)) {
        if (!SameText(ClassOf(Edit), "Edit")) continue;
        if (Visibility == TVisibility::Shown && !IsShown(Edit)) continue;
        const bool IsMemo = (GetWindowLongPtrA(Edit, GWL_STYLE) & ES_MULTILINE) != 0;
        if (IsMemo == MultiLine) return Edit;
    }
    return nullptr;
}

bool Click(HWND Button) {
    if (!IsShown(Button) || !IsEnabled(Button)) return false;
    return PostMessageA(Button, BM_CLICK, 0, 0) != 0;
}

std::optional<bool> IsChecked(HWND CheckBox) {
    DWORD_PTR State = 0;
    if (!SendWithTimeout(CheckBox, BM_GETCHECK, 0, 0, State)) return std::nullopt;
    return State == BST_CHECKED;
}

bool SetChecked(HWND CheckBox, bool Checked) {
    const std::optional<bool> Now = IsChecked(CheckBox);
    if (!Now) return false;
    if (*Now == Checked) return true;
    return Click(CheckBox) && WaitUntil([&] { return IsChecked(CheckBox) == Checked; });
}

bool SetText(HWND Edit, const std::string& Text) {
    DWORD_PTR Result = 0;
    return SendWithTimeout(Edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Text.c_str()), Result) &&
           Result == TRUE;
}

bool SelectListRow(HWND List, int Row) { return SelectRow(List, LB_SETCURSEL, LBN_SELCHANGE, Row); }

bool SelectComboRow(HWND Combo, int Row) {
    return SelectRow(Combo, CB_SETCURSEL, CBN_SELCHANGE, Row);
}

int ComboRowCount(HWND Combo) {
    DWORD_PTR Count = 0;
    if (!SendWithTimeout(Combo, CB_GETCOUNT, 0, 0, Count)) return -1;
    return static_cast<int>(static_cast<LRESULT>(Count));
}

bool RequestClose(HWND Window, TCloseRequest How) {
    if (How == TCloseRequest::Message) return PostMessageA(Window, WM_CLOSE, 0, 0) != 0;
    return PostMessageA(Window, WM_SYSCOMMAND, SC_CLOSE, 0) != 0;
}

bool Sync(HWND Window) {
    DWORD_PTR Result = 0;
    return SendMessageTimeoutA(Window, WM_NULL, 0, 0, SMTO_BLOCK, DefaultTimeoutMs, &Result) != 0;
}

HWND FindMessageBox(DWORD ProcessId) {
    for (HWND Window : TopLevelWindows(ProcessId))
        if (IsShown(Window) && ClassOf(Window) == "#32770") return Window;
    return nullptr;
}

TMessageBox ReadMessageBox(HWND Box) {
    TMessageBox Result;
    Result.Window = Box;
    Result.Caption = TextOf(Box);
    for (HWND Control : Descendants(Box)) {
        if (!IsShown(Control)) continue;
        const std::string Class = ClassOf(Control);
        if (SameText(Class, "Button")) Result.Buttons.push_back(GetDlgCtrlID(Control));
        // The icon is a static too, but without text.
        if (SameText(Class, "Static") && Result.Text.empty()) Result.Text = TextOf(Control);
    }
    std::sort(Result.Buttons.begin(), Result.Buttons.end());
    return Result;
}

bool AnswerMessageBox(HWND Box, int ButtonId) {
    const HWND Button = GetDlgItem(Box, ButtonId);
    if (!Button || !PostMessageA(Button, BM_CLICK, 0, 0)) return false;
    return WaitUntil([&] { return !IsWindow(Box); });
}

}  // namespace e2e
