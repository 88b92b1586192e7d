// The checks of the wizard's steps: a running word processor, the licence acceptance and
// the home folder. A refused step shows its message and leaves the wizard where it was.
#include "ScenarioFixture.h"

namespace e2e {
namespace {

bool SettingsUnwritten() { return !ReadInstallValue("MAINDIR") && !ReadInstallValue("LAUNCH"); }

using Checks = ScenarioTest;

TEST_F(Checks, RunningWordProcessorHoldsTheWelcomeAndReadyPagesAndTheLicenceLoadsOnce) {
    const std::string StandIn = Join(MakeHomeFolder("Running"), "vmr.exe");
    ASSERT_TRUE(Start());
    {
        TStandIn Running(StandIn);
        ASSERT_TRUE(Running.Started());
        ASSERT_TRUE(Press(TButtonRole::Next));
        ASSERT_TRUE(Asks(MessageRunning, IDOK));
        ASSERT_TRUE(StaysOn(0));
        const HWND Memo = Setup->LicenceMemo(TVisibility::Any);
        ASSERT_NE(Memo, nullptr);
        EXPECT_EQ(TextOf(Memo), "") << "the licence was loaded";
    }
    ASSERT_TRUE(WalkTo(3));
    {
        TStandIn Running(StandIn);
        ASSERT_TRUE(Running.Started());
        ASSERT_TRUE(Press(TButtonRole::Next));
        ASSERT_TRUE(Asks(MessageRunning, IDOK));
        ASSERT_TRUE(StaysOn(3));
        EXPECT_FALSE(FolderExists(VelmoranDataFolder())) << "files were installed";

        // The licence is loaded on the first visit only, and only then is the word
        // processor looked for.
        for (int Page = 2; Page >= 0; --Page) {
            ASSERT_TRUE(Press(TButtonRole::Back));
            ASSERT_TRUE(Shows(Page));
        }
        ASSERT_TRUE(Press(TButtonRole::Next));
        ASSERT_TRUE(Shows(1));
        EXPECT_NE(TextOf(Setup->LicenceMemo()), "");
    }
    ASSERT_TRUE(AskToClose(TCloseRequest::Message));
    ASSERT_TRUE(Asks(QuitQuestion, IDYES));
    EXPECT_TRUE(EndsCleanly());
    EXPECT_TRUE(SettingsUnwritten());
}

TEST_F(Checks, UnacceptedLicenceAsksAndYesEndsWithoutTheQuitQuestion) {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(Press(TButtonRole::Next));
    ASSERT_TRUE(Shows(1));
    ASSERT_TRUE(SetChecked(Setup->CheckBox(LicenceBoxCaption), false));

    ASSERT_TRUE(Press(TButtonRole::Next));
    ASSERT_TRUE(Asks(MessageLicence, IDNO));
    ASSERT_TRUE(StaysOn(1));

    ASSERT_TRUE(Press(TButtonRole::Next));
    ASSERT_TRUE(Asks(MessageLicence, IDYES));
    EXPECT_TRUE(EndsCleanly());
    EXPECT_TRUE(SettingsUnwritten());
}

// A home folder that the wizard must refuse, typed or prepared by each case.
struct THomeCase {
    const char* Name;
    // Prepares the folder in Root, and returns what to type.
    std::string (*Prepare)(const std::string& Root);
    // What the edit box must show after the refusal.
    std::string (*Cleaned)(const std::string& Root);
};

const THomeCase HomeCases[] = {
    {"FolderWithoutVmrExe",
     [](const std::string& Root) {
         MakeFolders(Join(Root, "Empty"));
         return "  " + Join(Root, "Empty") + "\\  ";
     },
     [](const std::string& Root) { return Join(Root, "Empty"); }},
    {"FolderNamedVmrExe",
     [](const std::string& Root) {
         MakeFolders(Join(Join(Root, "Odd"), "vmr.exe"));
         return Join(Root, "Odd");
     },
     [](const std::string& Root) { return Join(Root, "Odd"); }},
    {"MissingFolder", [](const std::string& Root) { return Join(Root, "Nowhere"); },
     [](const std::string& Root) { return Join(Root, "Nowhere"); }},
};

class HomeFolderCheck : public ScenarioTest, public ::testing::WithParamInterface<THomeCase> {};

TEST_P(HomeFolderCheck, RefusesAFolderWithoutTheWordProcessor) {
    const THomeCase& Case = GetParam();
    const std::string Typed = Case.Prepare(ScenarioRoot());
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WalkTo(2));
    ASSERT_TRUE(TypeFolder(Typed));
    ASSERT_TRUE(Press(TButtonRole::Next));
    ASSERT_TRUE(Asks(MessageNoHome, IDOK));
    ASSERT_TRUE(StaysOn(2));
    EXPECT_EQ(TextOf(Setup->FolderEdit()), Case.Cleaned(ScenarioRoot()));

    // The page still works: the right folder is accepted.
    ASSERT_TRUE(TypeFolder(Home));
    ASSERT_TRUE(Press(TButtonRole::Next));
    ASSERT_TRUE(Shows(3));
}

INSTANTIATE_TEST_SUITE_P(Checks, HomeFolderCheck, ::testing::ValuesIn(HomeCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(Checks, HomeFolderIsCheckedAgainAfterGoingBack) {
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WalkTo(3));
    ASSERT_TRUE(Press(TButtonRole::Back));
    ASSERT_TRUE(Shows(2));
    ASSERT_TRUE(DeleteFileA(Join(Home, "vmr.exe").c_str()));
    ASSERT_TRUE(Press(TButtonRole::Next));
    ASSERT_TRUE(Asks(MessageNoHome, IDOK));
    ASSERT_TRUE(StaysOn(2));
}

}  // namespace
}  // namespace e2e
