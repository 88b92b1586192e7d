// The wizard window: a white title band, a logo column, six pages shown one at a time, and
// the Back, Next and Cancel buttons. Every page change goes through GoToPage, which runs the
// check of the step and then updates the buttons, the title and the page.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "FileCtrl/DirectoryListBox.h"
#include "FileCtrl/DriveComboBox.h"
#include "Toolkit/Button.h"
#include "Toolkit/Edit.h"
#include "Toolkit/Form.h"
#include "Toolkit/Label.h"
#include "Toolkit/PageControl.h"
#include "Toolkit/Panel.h"

// Titles by page number; entry 6 belongs to the finish action, which shows no page. The
// form's constructor puts the product name into entry 0.
extern std::array<std::string, 7> PageTitles;

// The pages, and step 6: the finish action.
enum TWizardPage : uint8_t {
    pgWelcome = 0, pgLicense = 1, pgDestDir = 2, pgStart = 3, pgInstalling = 4, pgFinish = 5, pgFinishAction = 6,
    pgNone = 255  // FromPage when the window is first shown
};

struct TOptions {
    std::string HomeDir;  // the word processor's home folder, the destination of the setup
};

class TMainDlgForm : public TForm {
public:
    TMainDlgForm();
    ~TMainDlgForm() override;

    void GoToPage(uint8_t FromPage, uint8_t ToPage);
    void BNClick(TButton& Sender);
    void CancelBtnClick(TButton& Sender);
    void FormCloseQuery(TForm& Sender, bool& CanClose);
    void DestDirLstBxChange(TDirectoryListBox& Sender);
    void NormalizeDestDir();
    void SaveSettings();
    bool IsPortableInstall() const;
    // False when the update log could not be read or saved.
    bool WriteUpdateLog();

    TPanel TopPanel;
    TLabel TopLbl;
    TImage LogoSmallImage;
    TPanel LeftPanel;
    TImage LogoImage;
    TBevel LeftBevel;
    TPageControl PgCtrl;
    TTabSheet WelcomeTabSheet;
    TLabel WelcomeLbl;
    TTabSheet LicenseTabSheet;
    TLabel LicenseLbl;
    TMemo LicenseMemo;
    TCheckBox LicenseChkBx;
    TTabSheet DestDirTabSheet;
    TLabel DestDirLbl;
    TEdit DestDirEdt;
    TDirectoryListBox DestDirLstBx;
    TDriveComboBox DestDirCmbBx;
    TTabSheet StartTabSheet;
    TLabel StartLbl;
    TTabSheet InstallingTabSheet;
    TTabSheet FinishTabSheet;
    TLabel FinishLbl;
    TCheckBox FinishChkBx;
    TPanel BottomBevelPanel;
    TBevel BottomBevel;
    TPanel BottomPanel;
    TButton BackBtn;
    TButton NextBtn;
    TButton CancelBtn;
    bool CloseAllowed = false;
    bool Initialized = false;
    double InstallTime = 0;
    TOptions Options;

private:
    void BuildWindow();
    void ConnectHandlers();
    void LoadLogos();
    void FormatCaptions();
    void ReadSettings();
    // The first stage of GoToPage: false when the step is refused; Focus names the control
    // that is to receive the focus.
    bool RunStepCheck(uint8_t FromPage, uint8_t ToPage, TControl*& Focus);
    bool EnterLicensePage(uint8_t FromPage);
    bool LeaveLicensePage(uint8_t FromPage);
    bool AcceptHomeFolder();
    void ShowPage(uint8_t Page, TControl* Focus);
    void RunInstallationStep();
    void FinishAction();
    // Code that ends the setup itself lets the close query through without a question.
    void EndSetup(int Result);
};

// True when a top-level window of a running word processor exists.
bool AppIsRunning();

extern TMainDlgForm* MainDlgForm;
