// Closing the wizard: on every page, the finish page included, the quit question comes
// first; No keeps the wizard as it was, Yes ends the setup without the finish action.
#include "ButtonTable.h"
#include "ScenarioFixture.h"

namespace e2e {
namespace {

enum class TCloseBy { CancelButton, CloseMessage, CloseBox };

struct TCloseCase {
    int Page;
    TCloseBy By;
};

std::string CaseName(const TCloseCase& Case) {
    const char* const By[] = {"CancelButton", "CloseMessage", "CloseBox"};
    return "Page" + std::to_string(Case.Page) + "By" + By[static_cast<int>(Case.By)];
}

class Closing : public ScenarioTest, public ::testing::WithParamInterface<TCloseCase> {
protected:
    ::testing::AssertionResult Close() {
        switch (GetParam().By) {
        case TCloseBy::CancelButton:
            return Press(TButtonRole::Cancel);
        case TCloseBy::CloseMessage:
            return AskToClose(TCloseRequest::Message);
        case TCloseBy::CloseBox:
            return AskToClose(TCloseRequest::SystemCommand);
        }
        return ::testing::AssertionFailure();
    }
};

TEST_P(Closing, AsksFirstAndEndsOnlyOnYes) {
    const int Page = GetParam().Page;
    // Lets the stamp be written, should the finish action run by mistake.
    ASSERT_TRUE(MakeFolders(Join(VelmoranDataFolder(), "Hidden")));
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WalkTo(Page));

    ASSERT_TRUE(Close());
    ASSERT_TRUE(Asks(QuitQuestion, IDNO));
    ASSERT_TRUE(StaysOn(Page));
    ExpectButtonsOfPage(*Setup, Page);

    ASSERT_TRUE(Close());
    ASSERT_TRUE(Asks(QuitQuestion, IDYES));
    EXPECT_TRUE(EndsCleanly());

    const auto MainDir = ReadInstallValue("MAINDIR");
    const auto Launch = ReadInstallValue("LAUNCH");
    if (Page < FinishPage) {
        EXPECT_FALSE(MainDir) << "nothing was queued, yet MAINDIR was written";
        EXPECT_FALSE(Launch) << "nothing was queued, yet LAUNCH was written";
    } else {
        // Files were queued, so the settings are stored at the end all the same.
        EXPECT_EQ(MainDir, StringValue(Home));
        EXPECT_EQ(Launch, DwordValue(1));
        EXPECT_FALSE(FileExists(Join(VelmoranDataFolder(), "Hidden\\install_stamp")));
        EXPECT_FALSE(FileExists(Join(VelmoranDataFolder(), "Update.log")));
        EXPECT_FALSE(FileExists(StandInMarker(Home))) << "the word processor was started";
    }
}

INSTANTIATE_TEST_SUITE_P(Close, Closing,
                         ::testing::Values(TCloseCase{0, TCloseBy::CancelButton},
                                           TCloseCase{1, TCloseBy::CloseMessage},
                                           TCloseCase{2, TCloseBy::CloseBox},
                                           TCloseCase{3, TCloseBy::CancelButton},
                                           TCloseCase{5, TCloseBy::CloseBox}),
                         [](const auto& Info) { return CaseName(Info.param); });

}  // namespace
}  // namespace e2e
