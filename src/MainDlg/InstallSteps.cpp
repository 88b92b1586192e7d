// The two steps that change the computer, as the wizard runs them: the installation run
// once the installing page is shown, and the finish action of the Finish button.
#include "MainDlg/MainDlgForm.h"

#include "AttachFiles/AttachFiles.h"
#include "InstUtils/SystemServices.h"
#include "MainDlg/Installation.h"

void TMainDlgForm::RunInstallationStep() {
    UpdateWindow(Handle());  // the installing page is drawn before the run holds the thread
    if (RunInstallation(*AttachedFiles, Options.HomeDir) == TInstallOutcome::ioAborted)
        EndSetup(mrCancel);
    else
        GoToPage(pgInstalling, pgFinish);
}

void TMainDlgForm::FinishAction() {
    if (!IsPortableInstall()) {
        InstallTime = System().Now();
        WriteInstallStamp(InstallTime);
        if (!WriteUpdateLog()) return;  // the wizard stays on the finish page
    }
    if (FinishChkBx.Checked()) LaunchWordProcessor(Options.HomeDir);
    SaveSettings();
    EndSetup(mrOk);
}
