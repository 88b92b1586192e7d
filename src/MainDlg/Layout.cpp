// The wizard window's layout: pixels at 96 dots per inch, positions relative to the
// parent's client area (a page's area lies 4 pixels inside the page container).
#include "MainDlg/MainDlgForm.h"

#include "Toolkit/Fonts.h"
#include "Toolkit/Layout.h"
#include "Toolkit/Styles.h"

namespace {

constexpr int ClientWidth = 492;
constexpr int ClientHeight = 351;
constexpr int ButtonHeight = 22;
constexpr int CheckBoxHeight = 17;
constexpr int EditHeight = 21;
constexpr COLORREF Navy = RGB(0, 0, 128);

}  // namespace

void TMainDlgForm::BuildWindow() {
    CreateForm("TMainDlgForm", "", ClientWidth, ClientHeight);
    // Win32 puts a new child below its earlier siblings: the rows run from the topmost
    // window down, so that the separator line lies over the logo column and every panel
    // over the edges of the page area. The tab order runs the same way (the buttons, then
    // the page shown), a cycle with the same neighbours as the page first.
    BuildLayout(*this, {
        {BottomBevelPanel, nullptr, {0, 306, 492, 2}},
        {BottomBevel, &BottomBevelPanel, {1, 0, 491, 2}, stBoxLine},
        {BottomPanel, nullptr, {0, 307, 492, 44}},
        {BackBtn, &BottomPanel, {210, 12, 85, ButtonHeight}},
        {NextBtn, &BottomPanel, {295, 12, 85, ButtonHeight}, stDefault},
        {CancelBtn, &BottomPanel, {392, 12, 85, ButtonHeight}, stCancel},
        {TopPanel, nullptr, {0, 0, 492, 46}, stEtched | stWhite},
        {TopLbl, &TopPanel, {20, 14}, stAutoSize},
        {LogoSmallImage, &TopPanel, {440, 6, 34, 34}},
        {LeftPanel, nullptr, {0, 46, 123, 301}},
        {LogoImage, &LeftPanel, {1, 0, 120, 260}},
        {LeftBevel, &LeftPanel, {121, 0, 2, 301}, stLeftLine},
        {PgCtrl, nullptr, {120, 41, 375, 268}},
        {WelcomeTabSheet, &PgCtrl},
        {WelcomeLbl, &WelcomeTabSheet, {12, 27, 349, 115}, stWordWrap,
         "This program will install the %s\rfor Velmoran Word Processor on your computer.\r\r\r\r\r"
         "Click Next to continue. Click Cancel to quit Setup."},
        {LicenseTabSheet, &PgCtrl},
        {LicenseLbl, &LicenseTabSheet, {12, 7}, stAutoSize, "Please read the following &License Agreement."},
        {LicenseMemo, &LicenseTabSheet, {12, 25, 345, 207}},
        {LicenseChkBx, &LicenseTabSheet, {12, 237, 282, CheckBoxHeight}, stChecked,
         "I &accept all the terms of the above License Agreement"},
        {DestDirTabSheet, &PgCtrl},
        {DestDirLbl, &DestDirTabSheet, {11, 7, 345, 30}, stWordWrap,
         "Please specify the home &folder of Velmoran Word Processor on your computer:"},
        {DestDirEdt, &DestDirTabSheet, {11, 43, 345, EditHeight}},
        {DestDirLstBx, &DestDirTabSheet, {11, 65, 345, 157}},
        {DestDirCmbBx, &DestDirTabSheet, {11, 225, 345, 19}},
        {StartTabSheet, &PgCtrl},
        {StartLbl, &StartTabSheet, {11, 7, 345, 80}, stWordWrap,
         "You are now ready to install the %s.\r\rClick Next to begin installation. Click Back if you want to "
         "review or change installation settings."},
        {InstallingTabSheet, &PgCtrl},
        {FinishTabSheet, &PgCtrl},
        {FinishLbl, &FinishTabSheet, {11, 7, 345, 150}, stWordWrap,
         "The %s has been successfully installed on your computer.\r\rClick Finish to exit this Setup."},
        {FinishChkBx, &FinishTabSheet, {40, 190, 180, CheckBoxHeight}, 0, "&Launch Velmoran Word Processor"},
    });
    TopLbl.SetOwnFont(MakeFont("Arial", -15, true));
    TopLbl.SetTextColor(Navy);
    DestDirLbl.FocusControl = &DestDirEdt;
    DestDirCmbBx.SetDirList(&DestDirLstBx);
}
