#include "MainDlg/MainDlgForm.h"

#include "AttachFiles/AttachFiles.h"
#include "InstUtils/Drives.h"
#include "InstUtils/SetupMessageBox.h"
#include "InstUtils/TempFiles.h"
#include "MainDlg/Captions.h"
#include "MainDlg/DestDir.h"
#include "MainDlg/Installation.h"
#include "MainDlg/TempFile.h"

std::array<std::string, 7> PageTitles = {
    "Welcome to the %s", "License Agreement", "Specify Home Folder", "Ready to Install", "Installing",
    "Installation Complete", "",
};

TMainDlgForm* MainDlgForm = nullptr;

namespace {
constexpr UINT_PTR DriveTimer = 1;
constexpr UINT DriveTimerPeriod = 1000;
}  // namespace

TMainDlgForm::TMainDlgForm() {
    BuildWindow();
    ConnectHandlers();
    SetText(SetupCaption);
    PageTitles[pgWelcome] = FormatCaption(PageTitles[pgWelcome], ProductName);
    // TopPanel paints its own white background: its layout style makes it opaque.
    LoadLogos();
    FormatCaptions();
    ReadSettings();
    DestDirEdt.SetText(Options.HomeDir);
    DestDirLstBx.SetFolder(Options.HomeDir);
    StartTimer(DriveTimer, DriveTimerPeriod);
    GoToPage(pgNone, pgWelcome);
    Initialized = true;
}

TMainDlgForm::~TMainDlgForm() { StopTimer(DriveTimer); }

void TMainDlgForm::ConnectHandlers() {
    BackBtn.OnClick = [this](TButton& Sender) { BNClick(Sender); };
    NextBtn.OnClick = [this](TButton& Sender) { BNClick(Sender); };
    CancelBtn.OnClick = [this](TButton& Sender) { CancelBtnClick(Sender); };
    OnCloseQuery = [this](TForm& Sender, bool& CanClose) { FormCloseQuery(Sender, CanClose); };
    OnTimer = [this](TForm&) { DriveTimerTick(DestDirCmbBx); };
    DestDirLstBx.OnChange = [this](TDirectoryListBox& Sender) { DestDirLstBxChange(Sender); };
}

// Both logos pass through one temporary file. A file that holds no loadable bitmap ends
// the construction with EBitmapError.
void TMainDlgForm::LoadLogos() {
    TTempFile Logo(MakeTempFileName());
    AttachedFiles->ExtractFile(nullptr, "Logo.bmp", Logo.Name());
    LogoImage.LoadFromFile(Logo.Name());
    AttachedFiles->ExtractFile(nullptr, "LogoSmall.bmp", Logo.Name());
    LogoSmallImage.LoadFromFile(Logo.Name());
}

void TMainDlgForm::FormatCaptions() {
    WelcomeLbl.SetText(FormatCaption(WelcomeLbl.Text(), ShortProductName));
    StartLbl.SetText(FormatCaption(StartLbl.Text(), ProductName));
    FinishLbl.SetText(FormatCaption(FinishLbl.Text(), ProductName));
}

void TMainDlgForm::ReadSettings() {
    TStoredSettings Settings = ReadStoredSettings(GetCommandLineA());
    Options.HomeDir = Settings.HomeDir;
    FinishChkBx.SetChecked(Settings.Launch);
}

void TMainDlgForm::SaveSettings() { StoreSettings(Options.HomeDir, FinishChkBx.Checked()); }

void TMainDlgForm::DestDirLstBxChange(TDirectoryListBox&) {
    if (!Initialized) return;
    DestDirEdt.SetText(DestDirLstBx.CurrentFolder);
    NormalizeDestDir();
}

void TMainDlgForm::NormalizeDestDir() {
    DestDirEdt.SetText(::NormalizeDestDir(DestDirEdt.Text(), DestDirCmbBx.DriveLetter));
}

bool TMainDlgForm::IsPortableInstall() const { return IsRemovableDrive(Options.HomeDir); }

bool TMainDlgForm::WriteUpdateLog() { return WriteUpdateLogFile(InstallTime, AttachedFiles->UpdatedFiles); }

void TMainDlgForm::EndSetup(int Result) {
    CloseAllowed = true;
    SetModalResult(Result);
}
