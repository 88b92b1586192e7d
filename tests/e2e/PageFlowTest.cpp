// The wizard walked from the welcome page to the end: every page's title and buttons, the
// texts of the first pages, and a step back that runs no check.
#include <algorithm>

#include "ButtonTable.h"
#include "Payload.h"
#include "ScenarioFixture.h"

namespace e2e {
namespace {

// The licence as lines, whatever the line ends.
std::string WithoutLineEnds(std::string Text) {
    Text.erase(std::remove(Text.begin(), Text.end(), '\r'), Text.end());
    while (!Text.empty() && Text.back() == '\n') Text.pop_back();
    return Text;
}

std::vector<std::string> ShownLabelTexts(HWND Wizard) {
    std::vector<std::string> Texts;
    for (HWND Label : ShownControls(Wizard, "Static")) Texts.push_back(TextOf(Label));
    return Texts;
}

bool AnyContains(const std::vector<std::string>& Texts, const std::string& Part) {
    return std::any_of(Texts.begin(), Texts.end(), [&](const std::string& Text) {
        return Text.find(Part) != std::string::npos;
    });
}

using PageFlow = ScenarioTest;

TEST_F(PageFlow, WalksFromWelcomeToFinishWithTheButtonsOfEachPage) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(Setup->Title(), "Welcome to the Velmoran Russian Spellchecker");
    ExpectButtonsOfPage(*Setup, 0);
    // The welcome text names the add-on without the maker's name.
    const auto Welcome = ShownLabelTexts(Setup->Wizard());
    EXPECT_TRUE(AnyContains(Welcome, "This program will install the Russian Spellchecker"));
    EXPECT_FALSE(AnyContains(Welcome, "install the Velmoran Russian Spellchecker"));

    ASSERT_TRUE(Press(TButtonRole::Next));
    ASSERT_TRUE(Shows(1));
    EXPECT_EQ(Setup->Title(), "License Agreement");
    ExpectButtonsOfPage(*Setup, 1);
    const auto Licence =
        ReadWholeFile(FindPayloadEntry("License.txt").value_or(TPayloadEntry{}).Source);
    ASSERT_TRUE(Licence);
    EXPECT_EQ(WithoutLineEnds(TextOf(Setup->LicenceMemo())), WithoutLineEnds(*Licence));
    EXPECT_EQ(IsChecked(Setup->CheckBox(LicenceBoxCaption)), true);

    ASSERT_TRUE(Press(TButtonRole::Next));
    ASSERT_TRUE(Shows(2));
    EXPECT_EQ(Setup->Title(), "Specify Home Folder");
    ExpectButtonsOfPage(*Setup, 2);
    ASSERT_TRUE(TypeFolder(Home));

    ASSERT_TRUE(Press(TButtonRole::Next));
    ASSERT_TRUE(Shows(3));
    EXPECT_EQ(Setup->Title(), "Ready to Install");
    ExpectButtonsOfPage(*Setup, 3);

    // Back runs no check and keeps the folder; forward checks it again.
    ASSERT_TRUE(Press(TButtonRole::Back));
    ASSERT_TRUE(Shows(2));
    EXPECT_EQ(TextOf(Setup->FolderEdit()), Home);
    ASSERT_TRUE(Press(TButtonRole::Next));
    ASSERT_TRUE(Shows(3));

    ASSERT_TRUE(Press(TButtonRole::Next));
    ASSERT_TRUE(Shows(5));
    EXPECT_EQ(Setup->Title(), "Installation Complete");
    ExpectButtonsOfPage(*Setup, 5);

    ASSERT_TRUE(Press(TButtonRole::Next));
    EXPECT_TRUE(EndsCleanly());
}

}  // namespace
}  // namespace e2e
