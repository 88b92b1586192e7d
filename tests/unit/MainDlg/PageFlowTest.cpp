// GoToPage: the check of each step with its message, and the buttons, title and page of
// each page.
#include "WizardFixture.h"

#include "InstUtils/SetupMessageBox.h"

namespace {

const char* const MessageR =
    "There are running instances of Velmoran Word Processor on your computer.\r"
    "Please close any running instance(s) of Velmoran Word Processor before proceeding.";
const char* const MessageL =
    "To install this program, you need to agree to all the terms\r"
    "of the Velmoran Word Processor License Agreement.\r"
    "Do you really want to cancel the Velmoran Spellchecker install?";
const char* const MessageH =
    "The specified folder does not contain a properly installed Velmoran Word Processor.\r"
    "Please specify the proper home folder of Velmoran Word Processor on your hard disk.";

struct TPageLook {
    bool BackShown, BackEnabled, NextEnabled;
    const char* NextCaption;
    bool CancelEnabled;
    const char* Title;
};

const TPageLook PageLooks[] = {
    {false, true, true, "&Next >", true, "Welcome to the Velmoran Russian Spellchecker"},
    {true, true, true, "&Next >", true, "License Agreement"},
    {true, true, true, "&Next >", true, "Specify Home Folder"},
    {true, true, true, "&Next >", true, "Ready to Install"},
    {true, false, false, "&Next >", true, "Installing"},
    {true, false, true, "&Finish", false, "Installation Complete"},
};

void ExpectBox(const TRecordedBox& Box, const char* Text, UINT Buttons) {
    EXPECT_EQ(Narrow(Box.Text), Text);
    EXPECT_EQ(Box.Style & MB_ICONMASK, UINT(MB_ICONINFORMATION));
    EXPECT_EQ(Box.Style & MB_TYPEMASK, Buttons);
}

}  // namespace

class PageFlow : public WizardTest {
protected:
    void ExpectLook(int PageNumber) {
        SCOPED_TRACE(PageNumber);
        const TPageLook& Look = PageLooks[PageNumber];
        EXPECT_EQ(Page(), PageNumber);
        EXPECT_EQ(Form->BackBtn.Visible(), Look.BackShown);
        EXPECT_EQ(Form->BackBtn.Enabled(), Look.BackEnabled);
        EXPECT_EQ(Form->BackBtn.Text(), "< &Back");
        EXPECT_EQ(Form->NextBtn.Enabled(), Look.NextEnabled);
        EXPECT_EQ(Form->NextBtn.Text(), Look.NextCaption);
        EXPECT_EQ(Form->CancelBtn.Enabled(), Look.CancelEnabled);
        EXPECT_EQ(Form->CancelBtn.Text(), "Cancel");
        EXPECT_EQ(Form->TopLbl.Text(), Look.Title);
        for (int Other = 0; Other < Form->PgCtrl.PageCount(); ++Other)
            EXPECT_EQ(Form->PgCtrl.Page(Other).Visible(), Other == PageNumber);
    }
};

TEST_F(PageFlow, EveryPageHasItsButtonsAndTitle) {
    ExpectLook(pgWelcome);
    WalkToReadyPage();
    Form->GoToPage(pgStart, pgLicense);
    ExpectLook(pgLicense);
    Form->GoToPage(pgLicense, pgDestDir);
    ExpectLook(pgDestDir);
    Next();
    ExpectLook(pgStart);
    // The installation starts as soon as page 4 is shown; a file that cannot be written
    // (a folder in its place) and Abort stop it there.
    ForceDirs(PathCombine(CommonData, "Velmoran\\Public\\Spellcheck\\Russian.asc"));
    Fake.Answers = {IDABORT};
    Next();
    ExpectLook(pgInstalling);
    EXPECT_TRUE(FilesQueued);
    EXPECT_TRUE(Form->CloseAllowed);
    EXPECT_EQ(Form->ModalResult(), mrCancel);
    Form->GoToPage(pgInstalling, pgFinish);
    ExpectLook(pgFinish);
}

TEST_F(PageFlow, CompletedInstallationShowsTheFinishPage) {
    WalkToReadyPage();
    Next();
    ExpectLook(pgFinish);
    EXPECT_EQ(Form->ModalResult(), mrNone);
    EXPECT_TRUE(IsExistingFile(PathCombine(CommonData, "Velmoran\\Public\\Spellcheck\\ru_RU.aff")));
}

TEST_F(PageFlow, LicenceIsLoadedOnceAfterTheRunningCheck) {
    {
        TRunningWordProcessor Running;
        EXPECT_TRUE(AppIsRunning());
        Next();
        ASSERT_EQ(Fake.Boxes.size(), 1u);
        ExpectBox(Fake.Boxes[0], MessageR, MB_OK);
        ExpectLook(pgWelcome);
        EXPECT_EQ(Form->LicenseMemo.LineCount(), 0);
    }
    EXPECT_FALSE(AppIsRunning());
    Next();
    ExpectLook(pgLicense);
    std::string Licence = Form->LicenseMemo.Text();
    EXPECT_EQ(Licence.rfind("VELMORAN RUSSIAN SPELLCHECKER - LICENCE AGREEMENT\r\n\r\nPlease read", 0), 0u);
    EXPECT_EQ(MakeTempFileName(), GetTempDir() + TempFilePrefix() + "0.tmp");  // removed again
    Form->LicenseMemo.SetText(Licence + "\r\nmarker");
    Back();
    TRunningWordProcessor Running;
    Next();  // no second check and no second load
    ExpectLook(pgLicense);
    EXPECT_EQ(Fake.Boxes.size(), 1u);
    EXPECT_EQ(Form->LicenseMemo.Text(), Licence + "\r\nmarker");
}

TEST_F(PageFlow, AbortWhileTheLicenceIsExtractedEndsTheSetupBehindDisabledButtons) {
    TUnwritableTempFolder Unwritable(Fake, Scratch);
    Fake.Answers = {IDABORT};
    bool NextDisabled = false, CancelDisabled = false;
    Fake.OnBox = [&] {
        NextDisabled = !Form->NextBtn.Enabled();
        CancelDisabled = !Form->CancelBtn.Enabled();
    };
    Next();
    ASSERT_EQ(Fake.Boxes.size(), 1u);
    EXPECT_EQ(Fake.Boxes[0].Style & MB_TYPEMASK, UINT(MB_ABORTRETRYIGNORE));
    EXPECT_TRUE(NextDisabled);
    EXPECT_TRUE(CancelDisabled);
    EXPECT_TRUE(Form->CloseAllowed);
    EXPECT_EQ(Form->ModalResult(), mrCancel);
    ExpectLook(pgLicense);  // the page is still shown; the window closes after the click
    EXPECT_EQ(Form->LicenseMemo.LineCount(), 0);
}

TEST_F(PageFlow, UnacceptedLicenceAsksAndYesEndsTheSetup) {
    Next();
    Form->LicenseChkBx.SetChecked(false);
    Fake.Answers = {IDNO, IDYES};
    Next();
    ASSERT_EQ(Fake.Boxes.size(), 1u);
    ExpectBox(Fake.Boxes[0], MessageL, MB_YESNO);
    ExpectLook(pgLicense);
    EXPECT_FALSE(Form->CloseAllowed);
    EXPECT_EQ(Form->ModalResult(), mrNone);
    Next();
    ExpectLook(pgLicense);
    EXPECT_TRUE(Form->CloseAllowed);
    EXPECT_EQ(Form->ModalResult(), mrCancel);
}

TEST_F(PageFlow, HomeFolderMustHoldTheWordProcessorFile) {
    std::string Empty = Scratch + "Empty";
    std::string Fake_ = Scratch + "FolderNamedLikeTheFile";
    ForceDirs(Empty);
    ForceDirs(PathCombine(Fake_, "vmr.exe"));
    Next();
    Next();
    std::string Before = Form->Options.HomeDir;
    for (const std::string& Folder : {Empty, Fake_}) {
        SCOPED_TRACE(Folder);
        Fake.Boxes.clear();
        Form->DestDirEdt.SetText("  " + Folder + "\\  ");
        Next();
        ASSERT_EQ(Fake.Boxes.size(), 1u);
        ExpectBox(Fake.Boxes[0], MessageH, MB_OK);
        ExpectLook(pgDestDir);
        EXPECT_EQ(Form->DestDirEdt.Text(), Folder);  // cleaned up all the same
        EXPECT_EQ(Form->Options.HomeDir, Before);
    }
    Form->DestDirEdt.SetText(Home + "\\");
    Next();
    ExpectLook(pgStart);
    EXPECT_EQ(Form->Options.HomeDir, Home);
    // Back needs no check; forward checks again.
    Back();
    ExpectLook(pgDestDir);
    DeleteFileW(ToWide(PathCombine(Home, "vmr.exe")).c_str());
    Fake.Boxes.clear();
    Next();
    ExpectLook(pgDestDir);
    EXPECT_EQ(Fake.Boxes.size(), 1u);
}

TEST_F(PageFlow, RunningWordProcessorStopsTheReadyPageBeforeAnythingIsQueued) {
    WalkToReadyPage();
    TRunningWordProcessor Running;
    Next();
    ASSERT_EQ(Fake.Boxes.size(), 1u);
    ExpectBox(Fake.Boxes[0], MessageR, MB_OK);
    ExpectLook(pgStart);
    EXPECT_FALSE(FilesQueued);
    EXPECT_TRUE(AttachedFiles->InstallLists[0].empty());
}
