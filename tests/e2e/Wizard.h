// The setup under test, seen from outside: its process, its wizard window found by caption,
// the wizard's buttons, check boxes and pickers found by class and caption, the page shown
// (known by its title) and the texts the setup shows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Driver.h"

namespace e2e {

inline constexpr const char* SetupCaption = "Velmoran Russian Spellchecker - Setup";
inline constexpr int FinishPage = 5;
extern const char* const PageTitles[6];

inline constexpr const char* BackCaption = "< &Back";
inline constexpr const char* NextCaption = "&Next >";
inline constexpr const char* FinishCaption = "&Finish";
inline constexpr const char* CancelCaption = "Cancel";
inline constexpr const char* LicenceBoxCaption =
    "I &accept all the terms of the above License Agreement";
inline constexpr const char* LaunchBoxCaption = "&Launch Velmoran Word Processor";

// A message box as the setup should show it: its text and the ids of its buttons.
struct TExpectedMessage {
    std::string Text;
    std::vector<int> Buttons;
};
extern const TExpectedMessage MessageRunning;                    // the word processor is running
extern const TExpectedMessage MessageLicence;                    // the licence was not accepted
extern const TExpectedMessage MessageNoHome;                     // no word processor in the folder
extern const TExpectedMessage QuitQuestion;                      // closing before the end
TExpectedMessage FileErrorMessage(const std::string& FileName);  // Abort, Retry, Ignore

enum class TButtonRole { Back, Next, Cancel };
struct TButtonState {
    bool Shown = false;
    bool Enabled = false;
    std::string Caption;  // empty when the button was not found
};

class TSetupRun {
public:
    // Starts the setup with Parameters after the program's name.
    explicit TSetupRun(const std::string& Parameters);

    bool Running() const { return FProcess.Running(); }
    bool WaitForExit(DWORD TimeoutMs, DWORD& ExitCode) const;
    // Waits for the shown wizard window, a top-level window captioned with the setup's
    // caption that is no message box; null on timeout.
    HWND WaitForWizard(DWORD TimeoutMs = DefaultTimeoutMs);
    HWND Wizard() const { return FWizard; }
    HWND MessageBox() const { return FindMessageBox(FProcess.Id()); }

    HWND Button(TButtonRole Role) const;
    TButtonState ButtonState(TButtonRole Role) const;
    // The page title: the topmost label with a text.
    std::string Title() const;
    // The page shown, known by its title; -1 when the title is none of the pages'.
    int Page() const;
    HWND CheckBox(const std::string& Caption) const;
    HWND FolderEdit() const { return FindEdit(FWizard, false); }
    HWND LicenceMemo(TVisibility Visibility = TVisibility::Shown) const {
        return FindEdit(FWizard, true, Visibility);
    }
    HWND FolderList() const;
    HWND DriveBox() const;

private:
    TProcess FProcess;
    HWND FWizard = nullptr;
};

}  // namespace e2e
