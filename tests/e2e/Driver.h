// Drives a program from another process the way a user would: starts it, finds its windows
// and controls by class and caption, reads their state, presses buttons, types into edit
// boxes, picks list rows, answers message boxes and waits for the end. Every wait has a
// timeout, and a child process still running when its owner goes is terminated, so that a
// failing test never hangs.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "InstUtils/WinHandles.h"

namespace e2e {

inline constexpr DWORD DefaultTimeoutMs = 20000;

// Polls Condition until it holds; false when TimeoutMs passed first.
bool WaitUntil(const std::function<bool()>& Condition, DWORD TimeoutMs = DefaultTimeoutMs);

// A child process; one still running when the object goes is terminated.
class TProcess {
public:
    TProcess() = default;
    // Starts CommandLine; Running() is false when it could not be started.
    explicit TProcess(const std::string& CommandLine);
    ~TProcess();
    TProcess(TProcess&&) noexcept = default;
    TProcess& operator=(TProcess&&) = delete;

    DWORD Id() const { return FId; }
    bool Running() const;
    // True when the process ended within TimeoutMs; ExitCode then holds its exit code.
    bool WaitForExit(DWORD TimeoutMs, DWORD& ExitCode) const;
    void Terminate();

private:
    TKernelHandle FProcess;
    DWORD FId = 0;
};

// Reading windows of another process. Texts travel by WM_GETTEXT, which also reaches edit
// boxes; a window that does not answer in time reads as its stored caption.
std::string ClassOf(HWND Window);
std::string TextOf(HWND Window);
std::vector<HWND> TopLevelWindows(DWORD ProcessId);
std::vector<HWND> Descendants(HWND Top);
bool IsShown(HWND Window);    // visible, and so are its parents
bool IsEnabled(HWND Window);  // the window's own enabled state
RECT ScreenRect(HWND Window);

enum class TVisibility { Shown, Any };
// The first descendant of Top with that class (ignoring case) and caption (exact).
HWND FindControl(HWND Top, const std::string& Class, const std::string& Caption,
                 TVisibility Visibility = TVisibility::Shown);
// All shown descendants of Top with that class.
std::vector<HWND> ShownControls(HWND Top, const std::string& Class);
// The edit box, multi-line (a memo) or single-line.
HWND FindEdit(HWND Top, bool MultiLine, TVisibility Visibility = TVisibility::Shown);

// Acting on controls. Click posts BM_CLICK (never sends it: the target's handlers may run
// modal loops) and refuses a hidden or disabled button, as a user could not press it.
bool Click(HWND Button);
std::optional<bool> IsChecked(HWND CheckBox);
// Clicks the check box when its state differs and waits for the new state.
bool SetChecked(HWND CheckBox, bool Checked);
bool SetText(HWND Edit, const std::string& Text);
// Selects a row and notifies the parent (LBN_SELCHANGE, CBN_SELCHANGE) as a click would.
bool SelectListRow(HWND List, int Row);
bool SelectComboRow(HWND Combo, int Row);
int ComboRowCount(HWND Combo);
enum class TCloseRequest { Message, SystemCommand };  // WM_CLOSE, or SC_CLOSE (the close box)
bool RequestClose(HWND Window, TCloseRequest How);
// Returns once the window's thread has taken a sent message: a posted message handled
// before is done with, unless its handler still runs a modal loop.
bool Sync(HWND Window);

// The standard message boxes (#32770) of a process.
struct TMessageBox {
    HWND Window = nullptr;
    std::string Caption;
    std::string Text;
    std::vector<int> Buttons;  // ids of the shown buttons, ascending (IDOK ... IDNO)
};
HWND FindMessageBox(DWORD ProcessId);
TMessageBox ReadMessageBox(HWND Box);
// Presses the button with that id and waits until the box is gone.
bool AnswerMessageBox(HWND Box, int ButtonId);

}  // namespace e2e
