#include "Wizard.h"

#include "TestState.h"

namespace e2e {

const char* const PageTitles[6] = {"Welcome to the Velmoran Russian Spellchecker",
                                   "License Agreement",
                                   "Specify Home Folder",
                                   "Ready to Install",
                                   "Installing",
                                   "Installation Complete"};

const TExpectedMessage MessageRunning = {
    "There are running instances of Velmoran Word Processor on your computer.\rPlease close any "
    "running instance(s) of Velmoran Word Processor before proceeding.",
    {IDOK}};
const TExpectedMessage MessageLicence = {
    "To install this program, you need to agree to all the terms\rof the Velmoran Word Processor "
    "License Agreement.\rDo you really want to cancel the Velmoran Spellchecker install?",
    {IDYES, IDNO}};
const TExpectedMessage MessageNoHome = {
    "The specified folder does not contain a properly installed Velmoran Word Processor.\rPlease "
    "specify the proper home folder of Velmoran Word Processor on your hard disk.",
    {IDOK}};
const TExpectedMessage QuitQuestion = {
    "Setup is not complete. If you quit this setup program now,\rthe Velmoran Russian "
    "Spellchecker will not be correctly installed.\r\rYou may relaunch the setup program at a "
    "later time\rto complete the installation of the Velmoran Russian Spellchecker.\r\rTo "
    "continue installing, click No.\rTo quit this setup program, click Abort.",
    {IDYES, IDNO}};

TExpectedMessage FileErrorMessage(const std::string& FileName) {
    return {"Cannot create file \"" + FileName +
                "\".\rAnother application might already be using this file.\r\rPlease make sure "
                "that the setup of Velmoran Word Processor is not blocked by your security "
                "software (firewall/antivirus) in any way.\rYou might want to temporarily "
                "disable your security software and try again.",
            {IDABORT, IDRETRY, IDIGNORE}};
}

TSetupRun::TSetupRun(const std::string& Parameters)
    : FProcess("\"" + SetupExe() + "\"" + (Parameters.empty() ? "" : " " + Parameters)) {}

bool TSetupRun::WaitForExit(DWORD TimeoutMs, DWORD& ExitCode) const {
    return FProcess.WaitForExit(TimeoutMs, ExitCode);
}

HWND TSetupRun::WaitForWizard(DWORD TimeoutMs) {
    WaitUntil(
        [&] {
            for (HWND Window : TopLevelWindows(FProcess.Id()))
                if (IsShown(Window) && ClassOf(Window) != "#32770" &&
                    TextOf(Window) == SetupCaption) {
                    FWizard = Window;
                    return true;
                }
            return !FProcess.Running();
        },
        TimeoutMs);
    return FWizard;
}

HWND TSetupRun::Button(TButtonRole Role) const {
    switch (Role) {
    case TButtonRole::Back:
        return FindControl(FWizard, "Button", BackCaption, TVisibility::Any);
    case TButtonRole::Next:
        if (HWND Next = FindControl(FWizard, "Button", NextCaption, TVisibility::Any)) return Next;
        return FindControl(FWizard, "Button", FinishCaption, TVisibility::Any);
    case TButtonRole::Cancel:
        return FindControl(FWizard, "Button", CancelCaption, TVisibility::Any);
    }
    return nullptr;
}

TButtonState TSetupRun::ButtonState(TButtonRole Role) const {
    const HWND Found = Button(Role);
    if (!Found) return {};
    return {IsShown(Found), IsEnabled(Found), TextOf(Found)};
}

std::string TSetupRun::Title() const {
    HWND Topmost = nullptr;
    std::string Text;
    for (HWND Label : ShownControls(FWizard, "Static")) {
        std::string Caption = TextOf(Label);
        if (Caption.empty()) continue;
        if (!Topmost || ScreenRect(Label).top < ScreenRect(Topmost).top) {
            Topmost = Label;
            Text = std::move(Caption);
        }
    }
    return Text;
}

int TSetupRun::Page() const {
    const std::string Shown = Title();
    for (int Page = 0; Page <= FinishPage; ++Page)
        if (Shown == PageTitles[Page]) return Page;
    return -1;
}

HWND TSetupRun::CheckBox(const std::string& Caption) const {
    return FindControl(FWizard, "Button", Caption, TVisibility::Any);
}

HWND TSetupRun::FolderList() const {
    const auto Lists = ShownControls(FWizard, "ListBox");
    return Lists.empty() ? nullptr : Lists.front();
}

HWND TSetupRun::DriveBox() const {
    const auto Boxes = ShownControls(FWizard, "ComboBox");
    return Boxes.empty() ? nullptr : Boxes.front();
}

}  // namespace e2e
