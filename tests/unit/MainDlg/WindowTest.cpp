// The wizard window as built: captions, titles, logos, the first folder and the geometry.
#include "WizardFixture.h"

#include "InstUtils/SetupMessageBox.h"
#include "Toolkit/Failures.h"

namespace {

struct TPlacement {
    const char* Name;
    const TControl& Control;
    TBounds Expected;  // in the window's client coordinates
};

TBounds ClientBounds(const TMainDlgForm& Form, const TControl& Control) {
    RECT Rect;
    GetWindowRect(Control.Handle(), &Rect);
    MapWindowPoints(HWND_DESKTOP, Form.Handle(), reinterpret_cast<POINT*>(&Rect), 2);
    return {Rect.left, Rect.top, Rect.right - Rect.left, Rect.bottom - Rect.top};
}

}  // namespace

TEST_F(WizardTest, ShowsTheWelcomePageWithTheProductNameInTitleAndText) {
    EXPECT_EQ(Form->Text(), "Velmoran Russian Spellchecker - Setup");
    EXPECT_EQ(PageTitles[0], "Welcome to the Velmoran Russian Spellchecker");
    EXPECT_EQ(Form->TopLbl.Text(), "Welcome to the Velmoran Russian Spellchecker");
    EXPECT_EQ(Form->WelcomeLbl.Text(),
              "This program will install the Russian Spellchecker\rfor Velmoran Word Processor on your computer."
              "\r\r\r\r\rClick Next to continue. Click Cancel to quit Setup.");
    EXPECT_EQ(Form->StartLbl.Text(),
              "You are now ready to install the Velmoran Russian Spellchecker.\r\rClick Next to begin "
              "installation. Click Back if you want to review or change installation settings.");
    EXPECT_EQ(Form->FinishLbl.Text(),
              "The Velmoran Russian Spellchecker has been successfully installed on your computer.\r\r"
              "Click Finish to exit this Setup.");
    EXPECT_EQ(Page(), pgWelcome);
    EXPECT_TRUE(Form->Initialized);
    EXPECT_TRUE(Form->LicenseChkBx.Checked());
    EXPECT_TRUE(Form->FinishChkBx.Checked());  // no LAUNCH stored
    EXPECT_TRUE(Fake.Boxes.empty());
}

TEST_F(WizardTest, LoadsBothLogosThroughOneTemporaryFileAndRemovesIt) {
    BITMAP Logo{}, Small{};
    ASSERT_TRUE(GetObjectA(Form->LogoImage.Bitmap(), sizeof(Logo), &Logo));
    ASSERT_TRUE(GetObjectA(Form->LogoSmallImage.Bitmap(), sizeof(Small), &Small));
    EXPECT_EQ(Logo.bmWidth, 120);
    EXPECT_EQ(Logo.bmHeight, 260);
    EXPECT_EQ(Small.bmWidth, 34);
    EXPECT_EQ(MakeTempFileName(), GetTempDir() + TempFilePrefix() + "0.tmp");  // nothing left behind
}

TEST_F(WizardTest, LogoThatCannotBeLoadedEndsTheConstruction) {
    Form.reset();
    // The extraction fails, Ignore goes on, and there is no bitmap to load.
    TUnwritableTempFolder Unwritable(Fake, Scratch);
    Fake.Answers = {IDIGNORE};
    EXPECT_THROW({ TMainDlgForm Broken; }, EBitmapError);
    EXPECT_EQ(Fake.Boxes.size(), 1u);
}

TEST_F(WizardTest, EditBoxKeepsTheFirstFolderWhileTheListShowsItsNearestAncestor) {
    // No stored settings: the default under the program files folder, which need not exist.
    std::string ProgramFiles = GetSpecialFolder(CSIDL_PROGRAM_FILES);
    std::string Default = PathCombine(ProgramFiles, "Velmoran");
    ASSERT_FALSE(DirExists(Default));
    EXPECT_EQ(Form->Options.HomeDir, Default);
    EXPECT_EQ(Form->DestDirEdt.Text(), Default);
    EXPECT_TRUE(SameFileName(Form->DestDirLstBx.CurrentFolder, ProgramFiles + "\\"));
}

TEST_F(WizardTest, StoredSettingsFillTheHomeFolderAndTheLaunchBox) {
    Form.reset();
    StoreSettings(Home, false);
    Form = std::make_unique<TMainDlgForm>();
    EXPECT_EQ(Form->Options.HomeDir, Home);
    EXPECT_EQ(Form->DestDirEdt.Text(), Home);
    EXPECT_EQ(Form->DestDirLstBx.CurrentFolder, Home);
    EXPECT_FALSE(Form->FinishChkBx.Checked());
    // From now on the edit box follows the list, cleaned up; HomeDir stays.
    Form->DestDirLstBx.SetFolder(Scratch + "Home");
    EXPECT_EQ(Form->DestDirEdt.Text(), Scratch + "Home");
    Form->DestDirLstBx.SetFolder("C:\\");
    EXPECT_EQ(Form->DestDirEdt.Text(), "C:\\Velmoran");
    EXPECT_EQ(Form->Options.HomeDir, Home);
}

TEST_F(WizardTest, ControlsLieWhereTheLayoutPutsThem) {
    RECT Client;
    GetClientRect(Form->Handle(), &Client);
    EXPECT_EQ(Client.right, 492);
    EXPECT_EQ(Client.bottom, 351);
    const TPlacement Placements[] = {
        {"NextBtn", Form->NextBtn, {295, 319, 85, 22}},
        {"BackBtn", Form->BackBtn, {210, 319, 85, 22}},
        {"CancelBtn", Form->CancelBtn, {392, 319, 85, 22}},
        {"TopPanel", Form->TopPanel, {0, 0, 492, 46}},
        {"LogoSmallImage", Form->LogoSmallImage, {440, 6, 34, 34}},
        {"LogoImage", Form->LogoImage, {1, 46, 120, 260}},
        {"LeftBevel", Form->LeftBevel, {121, 46, 2, 301}},
        {"BottomBevel", Form->BottomBevel, {1, 306, 491, 2}},
        // Pages start 4 pixels inside the page control at 120, 41.
        {"WelcomeLbl", Form->WelcomeLbl, {136, 72, 349, 115}},
        {"LicenseMemo", Form->LicenseMemo, {136, 70, 345, 207}},
        {"DestDirEdt", Form->DestDirEdt, {135, 88, 345, 21}},
        {"DestDirLstBx", Form->DestDirLstBx, {135, 110, 345, 157}},
        {"FinishChkBx", Form->FinishChkBx, {164, 235, 180, 17}},
    };
    for (const TPlacement& Placement : Placements) {
        SCOPED_TRACE(Placement.Name);
        TBounds Actual = ClientBounds(*Form, Placement.Control);
        EXPECT_EQ(Actual.Left, Placement.Expected.Left);
        EXPECT_EQ(Actual.Top, Placement.Expected.Top);
        EXPECT_EQ(Actual.Width, Placement.Expected.Width);
        EXPECT_EQ(Actual.Height, Placement.Expected.Height);
    }
    EXPECT_EQ(SendMessageA(Form->DestDirLstBx.Handle(), LB_GETITEMHEIGHT, 0, 0), 17);
    TBounds Title = ClientBounds(*Form, Form->TopLbl);
    EXPECT_EQ(Title.Left, 20);
    EXPECT_EQ(Title.Top, 14);
}

TEST_F(WizardTest, PanelsLieOverThePageAreaAndButtonsComeFirstInTabOrder) {
    // Stacking from the top: the bottom line, the button bar, the logo column, the title
    // band, and the page control last.
    HWND Top = GetWindow(Form->Handle(), GW_CHILD);
    EXPECT_EQ(Top, Form->BottomBevelPanel.Handle());
    EXPECT_EQ(GetWindow(Form->PgCtrl.Handle(), GW_HWNDNEXT), nullptr);
    for (HWND Window : {Form->BackBtn.Handle(), Form->NextBtn.Handle(), Form->CancelBtn.Handle()}) {
        char Class[32];
        GetClassNameA(Window, Class, sizeof(Class));
        EXPECT_STREQ(Class, "Button");
        EXPECT_NE(GetDlgCtrlID(Window), 0);
    }
}
