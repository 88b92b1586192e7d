// The page flow: the check of each step, the buttons, title and page shown, and the
// close query.
#include "MainDlg/MainDlgForm.h"

#include "AttachFiles/AttachFiles.h"
#include "InstUtils/Paths.h"
#include "InstUtils/SetupMessageBox.h"
#include "InstUtils/TempFiles.h"
#include "MainDlg/Captions.h"
#include "MainDlg/TempFile.h"
#include "Toolkit/BusyCursor.h"
#include "Toolkit/Failures.h"

namespace {

const char* const RunningMark = "1.x Quorvantel";

const char* const RunningMessage =
    "There are running instances of Velmoran Word Processor on your computer.\r"
    "Please close any running instance(s) of Velmoran Word Processor before proceeding.";
const char* const LicenseMessage =
    "To install this program, you need to agree to all the terms\r"
    "of the Velmoran Word Processor License Agreement.\r"
    "Do you really want to cancel the Velmoran Spellchecker install?";
const char* const HomeFolderMessage =
    "The specified folder does not contain a properly installed Velmoran Word Processor.\r"
    "Please specify the proper home folder of Velmoran Word Processor on your hard disk.";
const char* const QuitQuestion =
    "Setup is not complete. If you quit this setup program now,\r"
    "the %s will not be correctly installed.\r\r"
    "You may relaunch the setup program at a later time\r"
    "to complete the installation of the %s.\r\r"
    "To continue installing, click No.\r"
    "To quit this setup program, click Abort.";

BOOL CALLBACK FindRunningMark(HWND Window, LPARAM Found) {
    if (!GetPropA(Window, RunningMark)) return TRUE;
    *reinterpret_cast<bool*>(Found) = true;
    return FALSE;
}

bool RefuseWhileRunning() {
    if (!AppIsRunning()) return false;
    SetupMessageBox(RunningMessage, mkInformation, dbOK);
    return true;
}

}  // namespace

bool AppIsRunning() {
    bool Found = false;
    EnumWindows(&FindRunningMark, reinterpret_cast<LPARAM>(&Found));
    return Found;
}

void TMainDlgForm::GoToPage(uint8_t FromPage, uint8_t ToPage) {
    TControl* Focus = nullptr;
    if (!RunStepCheck(FromPage, ToPage, Focus) || ToPage == pgFinishAction) return;
    ShowPage(ToPage, Focus);
    if (ToPage == pgInstalling) RunInstallationStep();
}

bool TMainDlgForm::RunStepCheck(uint8_t FromPage, uint8_t ToPage, TControl*& Focus) {
    switch (ToPage) {
    case pgLicense:
        Focus = &LicenseMemo;
        return EnterLicensePage(FromPage);
    case pgDestDir:
        Focus = &DestDirEdt;
        return LeaveLicensePage(FromPage);
    case pgStart:
        Focus = &NextBtn;
        return AcceptHomeFolder();
    case pgInstalling:
        return !RefuseWhileRunning();
    case pgFinishAction:
        FinishAction();
        return true;
    }
    return true;
}

// Only the first visit from the welcome page checks for the word processor and loads the
// licence text.
bool TMainDlgForm::EnterLicensePage(uint8_t FromPage) {
    if (FromPage != pgWelcome || LicenseMemo.LineCount() != 0) return true;
    if (RefuseWhileRunning()) return false;
    NextBtn.SetEnabled(false);
    CancelBtn.SetEnabled(false);
    TBusyCursor Busy;
    TTempFile License(MakeTempFileName());
    if (!AttachedFiles->ExtractFile(nullptr, "License.txt", License.Name())) {
        EndSetup(mrCancel);  // Abort in the file error box: the window closes after this handler
        return true;
    }
    try {
        LicenseMemo.LoadFromFile(License.Name());
    } catch (const EFileError&) {  // the memo stays empty and the next visit loads it again
    }
    return true;
}

bool TMainDlgForm::LeaveLicensePage(uint8_t FromPage) {
    if (FromPage != pgLicense || LicenseChkBx.Checked()) return true;
    if (SetupMessageBox(LicenseMessage, mkInformation, dbYes | dbNo) == drYes) EndSetup(mrCancel);
    return false;
}

bool TMainDlgForm::AcceptHomeFolder() {
    NormalizeDestDir();
    std::string Folder = DestDirEdt.Text();
    if (!IsExistingFile(PathCombine(Folder, "vmr.exe"))) {
        SetupMessageBox(HomeFolderMessage, mkInformation, dbOK);
        return false;
    }
    Options.HomeDir = Folder;
    return true;
}

void TMainDlgForm::ShowPage(uint8_t Page, TControl* Focus) {
    BackBtn.SetVisible(Page != pgWelcome);
    BackBtn.SetEnabled(Page < pgInstalling);
    BackBtn.SetText("< &Back");
    NextBtn.SetEnabled(Page != pgInstalling);
    NextBtn.SetText(Page == pgFinish ? "&Finish" : "&Next >");
    CancelBtn.SetEnabled(Page != pgFinish);
    CancelBtn.SetText("Cancel");
    TopLbl.SetText(PageTitles[Page]);
    PgCtrl.SetActivePageIndex(Page);
    if (Focus) FocusControl(Focus->Handle());
    EnsureFocus();  // a disabled or hidden button may just have lost it
}

void TMainDlgForm::BNClick(TButton& Sender) {
    int Page = PgCtrl.ActivePageIndex();
    GoToPage(uint8_t(Page), uint8_t(&Sender == &BackBtn ? Page - 1 : Page + 1));
}

void TMainDlgForm::CancelBtnClick(TButton&) { Close(); }

void TMainDlgForm::FormCloseQuery(TForm&, bool& CanClose) {
    if (!CloseAllowed)
        CloseAllowed = SetupMessageBox(FormatCaption(QuitQuestion, ProductName), mkConfirmation, dbYes | dbNo) == drYes;
    CanClose = CloseAllowed;
}
