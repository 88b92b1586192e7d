// Closing the wizard: the quit question on every path the user takes, none on the paths
// that end the setup themselves.
#include "WizardFixture.h"

#include "InstUtils/SetupMessageBox.h"
#include "ModalRun.h"

namespace {

const char* const QuitQuestion =
    "Setup is not complete. If you quit this setup program now,\r"
    "the Velmoran Russian Spellchecker will not be correctly installed.\r\r"
    "You may relaunch the setup program at a later time\r"
    "to complete the installation of the Velmoran Russian Spellchecker.\r\r"
    "To continue installing, click No.\r"
    "To quit this setup program, click Abort.";

}  // namespace

TEST_F(WizardTest, QuitQuestionDecidesAndYesAllowsEveryLaterClose) {
    Fake.Answers = {IDNO, IDYES};
    bool CanClose = true;
    Form->FormCloseQuery(*Form, CanClose);
    EXPECT_FALSE(CanClose);
    EXPECT_FALSE(Form->CloseAllowed);
    Form->FormCloseQuery(*Form, CanClose);
    EXPECT_TRUE(CanClose);
    EXPECT_TRUE(Form->CloseAllowed);
    ASSERT_EQ(Fake.Boxes.size(), 2u);
    EXPECT_EQ(Narrow(Fake.Boxes[0].Text), QuitQuestion);
    EXPECT_EQ(Fake.Boxes[0].Style & MB_ICONMASK, UINT(MB_ICONQUESTION));
    EXPECT_EQ(Fake.Boxes[0].Style & MB_TYPEMASK, UINT(MB_YESNO));
    Form->FormCloseQuery(*Form, CanClose);
    EXPECT_EQ(Fake.Boxes.size(), 2u);  // no question once allowed
}

TEST_F(WizardTest, CancelButtonAndCloseBoxAskAndNoKeepsTheWizard) {
    Next();
    Fake.Answers = {IDNO, IDNO, IDYES};
    PostMessageA(Form->CancelBtn.Handle(), BM_CLICK, 0, 0);
    PostMessageA(Form->Handle(), WM_CLOSE, 0, 0);
    PostMessageA(Form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(RunModalFor(*Form), mrCancel);
    EXPECT_EQ(Fake.Boxes.size(), 3u);
    EXPECT_EQ(Page(), pgLicense);
}

TEST_F(WizardTest, EndOfSessionAsksTheQuitQuestion) {
    Fake.Answers = {IDNO, IDYES};
    EXPECT_EQ(SendMessageA(Form->Handle(), WM_QUERYENDSESSION, 0, 0), FALSE);
    EXPECT_EQ(SendMessageA(Form->Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(Fake.Boxes.size(), 2u);
}

TEST_F(WizardTest, YesToTheLicenceMessageClosesWithoutTheQuitQuestion) {
    Next();
    Form->LicenseChkBx.SetChecked(false);
    Fake.Answers = {IDYES};
    PostMessageA(Form->NextBtn.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(RunModalFor(*Form), mrCancel);
    EXPECT_EQ(Fake.Boxes.size(), 1u);  // message L only
}

TEST_F(WizardTest, EscOnTheWelcomePageAsksAndEnterMovesOn) {
    Fake.Answers = {IDNO, IDYES};
    PostMessageA(Form->Handle(), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(Form->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(Form->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(RunModalFor(*Form), mrCancel);
    EXPECT_EQ(Page(), pgLicense);
    EXPECT_EQ(Fake.Boxes.size(), 2u);
}
