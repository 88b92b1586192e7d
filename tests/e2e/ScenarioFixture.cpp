#include "ScenarioFixture.h"

#include <sstream>

namespace e2e {
namespace {

// The setup writes several megabytes when the installation page is reached.
const DWORD InstallTimeoutMs = 60000;

std::string Describe(const std::vector<int>& Ids) {
    std::ostringstream Text;
    for (int Id : Ids) Text << Id << ' ';
    return Text.str();
}

// Line breaks written as in the source, so that a failure shows where they differ.
std::string Visible(const std::string& Text) {
    std::string Shown;
    for (char C : Text) {
        if (C == '\r')
            Shown += "\\r";
        else if (C == '\n')
            Shown += "\\n";
        else if (C == '\t')
            Shown += "\\t";
        else
            Shown += C;
    }
    return Shown;
}

std::string Shown(const TMessageBox& Box) {
    return "caption \"" + Box.Caption + "\", text \"" + Visible(Box.Text) + "\", buttons " +
           Describe(Box.Buttons);
}

}  // namespace

void ScenarioTest::SetUp() {
    ResetState();
    Home = MakeHomeFolder("Home");
    ASSERT_TRUE(FileExists(Join(Home, "vmr.exe"))) << "the stand-in was not built";
    // Left by an earlier run: every end of the setup must remove it too.
    ASSERT_TRUE(WriteWholeFile(TempFolder() + TempPrefix + "7.tmp", "earlier run"));
}

void ScenarioTest::TearDown() {
    Setup.reset();  // terminates a setup that is still running
    CloseStandIns();
}

::testing::AssertionResult ScenarioTest::Start(const std::string& Parameters) {
    Setup = std::make_unique<TSetupRun>(Parameters);
    if (!Setup->Running()) return ::testing::AssertionFailure() << "the setup did not start";
    if (!Setup->WaitForWizard())
        return ::testing::AssertionFailure() << "no wizard window captioned " << SetupCaption;
    return Shows(0);
}

::testing::AssertionResult ScenarioTest::Press(TButtonRole Role) {
    const HWND Button = Setup->Button(Role);
    if (!Button) return ::testing::AssertionFailure() << "button not found";
    if (!Click(Button))
        return ::testing::AssertionFailure()
               << "button \"" << TextOf(Button) << "\" is hidden or disabled";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ScenarioTest::Shows(int Page) {
    const DWORD Timeout = Page >= 4 ? InstallTimeoutMs : DefaultTimeoutMs;
    if (WaitUntil([&] { return Setup->Page() == Page || Setup->MessageBox() || !Setup->Running(); },
                  Timeout) &&
        Setup->Page() == Page && !Setup->MessageBox())
        return ::testing::AssertionSuccess();
    if (!Setup->Running()) return ::testing::AssertionFailure() << "the setup ended";
    if (HWND Box = Setup->MessageBox())
        return ::testing::AssertionFailure()
               << "a message box is open: " << Shown(ReadMessageBox(Box));
    return ::testing::AssertionFailure()
           << "page " << Page << " not shown; title \"" << Setup->Title() << "\"";
}

::testing::AssertionResult ScenarioTest::StaysOn(int Page) {
    if (!Sync(Setup->Wizard()))
        return ::testing::AssertionFailure() << "the wizard does not answer";
    if (HWND Box = Setup->MessageBox())
        return ::testing::AssertionFailure()
               << "a message box is open: " << Shown(ReadMessageBox(Box));
    if (Setup->Page() != Page)
        return ::testing::AssertionFailure()
               << "left page " << Page << " for \"" << Setup->Title() << "\"";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ScenarioTest::Asks(const TExpectedMessage& Expected, int Answer) {
    HWND Box = nullptr;
    if (!WaitUntil([&] { return (Box = Setup->MessageBox()) || !Setup->Running(); },
                   InstallTimeoutMs) ||
        !Box)
        return ::testing::AssertionFailure() << "no message box; page \"" << Setup->Title() << "\"";
    const TMessageBox Seen = ReadMessageBox(Box);
    const bool AsExpected = Seen.Caption == SetupCaption && Seen.Text == Expected.Text &&
                            Seen.Buttons == Expected.Buttons;
    if (!AnswerMessageBox(Box, Answer))
        return ::testing::AssertionFailure() << "could not answer " << Shown(Seen);
    if (!AsExpected)
        return ::testing::AssertionFailure()
               << "expected text \"" << Visible(Expected.Text) << "\", buttons "
               << Describe(Expected.Buttons) << "\n  but the box showed " << Shown(Seen);
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ScenarioTest::EndsCleanly(DWORD ExitCode) {
    DWORD Code = 0;
    if (!Setup->WaitForExit(DefaultTimeoutMs, Code)) {
        if (HWND Box = Setup->MessageBox())
            return ::testing::AssertionFailure()
                   << "still running, asking " << Shown(ReadMessageBox(Box));
        return ::testing::AssertionFailure() << "still running on \"" << Setup->Title() << "\"";
    }
    if (Code != ExitCode) return ::testing::AssertionFailure() << "exit code " << Code;
    const auto Left = SetupTempLeftovers();
    if (!Left.empty())
        return ::testing::AssertionFailure() << "temporary file left behind: " << Left.front();
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ScenarioTest::TypeFolder(const std::string& Folder) {
    const HWND Edit = Setup->FolderEdit();
    if (!Edit) return ::testing::AssertionFailure() << "no folder edit box shown";
    if (!SetText(Edit, Folder)) return ::testing::AssertionFailure() << "could not type the folder";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ScenarioTest::WalkTo(int Page) {
    for (int From = 0; From < Page; ++From) {
        // The installation page gives way to the finish page by itself.
        if (From == 4) continue;
        if (From == 2) {
            if (auto Typed = TypeFolder(Home); !Typed) return Typed;
        }
        if (auto Pressed = Press(TButtonRole::Next); !Pressed) return Pressed;
        if (From + 1 == 4) continue;
        if (auto Reached = Shows(From + 1); !Reached)
            return Reached << " (walking from page " << From << ")";
    }
    return Shows(Page);
}

::testing::AssertionResult ScenarioTest::AskToClose(TCloseRequest How) {
    if (!RequestClose(Setup->Wizard(), How))
        return ::testing::AssertionFailure() << "could not post the close request";
    return ::testing::AssertionSuccess();
}

}  // namespace e2e
