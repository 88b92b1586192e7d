#include "Measures.h"

#include <stdexcept>

#include "InstUtils/WinHandles.h"
#include "Process.h"
#include "WindowProbe.h"
#include "common/Stopwatch.h"

namespace {

const std::wstring SetupCaption = L"Velmoran Russian Spellchecker - Setup";
const std::wstring WelcomeTitle = L"Welcome to the Velmoran Russian Spellchecker";
const std::wstring NextCaption = L"&Next >";
const std::wstring FinishCaption = L"&Finish";
constexpr DWORD StepTimeoutMs = 60000;

// Polls about every millisecond until Ready gives true. Throws with Waited and a picture
// of the program's windows when the program ends or the time runs out first.
template <typename TReady>
void PollUntil(const TStartedProcess& Program, const char* Waited, TReady Ready) {
    const double Deadline = NowMs() + StepTimeoutMs;
    while (!Ready()) {
        if (HasExited(Program.Handle.Get()))
            throw std::runtime_error(std::string("the program ended while waiting for ") + Waited);
        if (NowMs() > Deadline)
            throw std::runtime_error(std::string("timed out waiting for ") + Waited +
                                     "; shown:" + DescribeWindows(Program.Id));
        Sleep(1);
    }
}

// The first page of a program: its shown window, and the window inside it showing Title.
struct TFirstPage {
    HWND Window = nullptr;
    HWND TitleLabel = nullptr;
};

TFirstPage WaitForFirstPage(const TStartedProcess& Program, const std::wstring& Title) {
    TFirstPage Page;
    PollUntil(Program, "the first page", [&] {
        Page.Window = FindShownWindow(Program.Id, SetupCaption);
        if (Page.Window && !Title.empty()) Page.TitleLabel = FindTextWindow(Page.Window, Title);
        return Page.Window && (Title.empty() || Page.TitleLabel) && IsPainted(Page.Window);
    });
    return Page;
}

// Later pages are told by the title label alone, which is cheap to read every millisecond.
void WaitForPage(const TStartedProcess& Program, const TFirstPage& Page,
                 const std::wstring& Title) {
    const std::string Waited = "the page \"" + std::string(Title.begin(), Title.end()) + "\"";
    PollUntil(Program, Waited.c_str(),
              [&] { return ShowsText(Page.TitleLabel, Title) && IsPainted(Page.Window); });
}

HWND WaitForButton(const TStartedProcess& Program, HWND Window, const std::wstring& Caption) {
    HWND Button = nullptr;
    PollUntil(Program, "an enabled button",
              [&] { return (Button = FindButton(Window, Caption)) != nullptr; });
    return Button;
}

// The launch box of the finish page starts unticked, so that Finish starts nothing.
void StoreNoLaunch() {
    TRegKey Key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Velmoran Word Processor\\Install", 0,
                        nullptr, 0, KEY_SET_VALUE, nullptr, Key.Receive(),
                        nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot open the setup's registry key");
    const DWORD Launch = 0;
    RegSetValueExW(Key.Get(), L"LAUNCH", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&Launch),
                   sizeof Launch);
}

// Ends the program when the measure fails half-way, so that no setup is left running.
class TKillOnFailure {
public:
    explicit TKillOnFailure(const TStartedProcess& Program) : FProgram(Program) {}
    ~TKillOnFailure() {
        if (!FDismissed) KillProcess(FProgram.Handle.Get());
    }
    TKillOnFailure(const TKillOnFailure&) = delete;
    TKillOnFailure& operator=(const TKillOnFailure&) = delete;
    void Dismiss() { FDismissed = true; }

private:
    const TStartedProcess& FProgram;
    bool FDismissed = false;
};

}  // namespace

TMeasure TimeFirstPage(const std::vector<std::wstring>& Command, const std::wstring& Title) {
    const double Start = NowMs();
    TStartedProcess Program = StartProcess(Command);
    TKillOnFailure Guard(Program);
    WaitForFirstPage(Program, Title);
    TMeasure Result;
    Result.Ms = NowMs() - Start;
    Result.PeakWorkingSet = PeakWorkingSet(Program.Handle.Get());
    return Result;  // the guard ends the program
}

TMeasure TimeInstallation(const std::wstring& Setup, const std::wstring& HomeFolder) {
    StoreNoLaunch();
    TStartedProcess Program = StartProcess({Setup, L"-d" + HomeFolder});
    TKillOnFailure Guard(Program);
    const TFirstPage Page = WaitForFirstPage(Program, WelcomeTitle);
    for (const wchar_t* Title :
         {L"License Agreement", L"Specify Home Folder", L"Ready to Install"}) {
        PressButton(WaitForButton(Program, Page.Window, NextCaption));
        WaitForPage(Program, Page, Title);
    }

    HWND Next = WaitForButton(Program, Page.Window, NextCaption);
    const double Start = NowMs();
    PressButton(Next);
    WaitForPage(Program, Page, L"Installation Complete");
    TMeasure Result;
    Result.Ms = NowMs() - Start;
    Result.PeakWorkingSet = PeakWorkingSet(Program.Handle.Get());

    PressButton(WaitForButton(Program, Page.Window, FinishCaption));
    const DWORD ExitCode = WaitForExit(Program.Handle.Get(), StepTimeoutMs);
    Guard.Dismiss();
    if (ExitCode != 0)
        throw std::runtime_error("the setup ended with code " + std::to_string(ExitCode));
    return Result;
}
