// The frame of every scenario: a clean state before it (no settings, no data folder, only
// an old temporary file of an earlier run, a fresh home folder with a stand-in "vmr.exe"),
// the setup run as a user would, and nothing left running after it, whatever happened.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TestState.h"
#include "Wizard.h"

namespace e2e {

class ScenarioTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the setup and waits for the wizard on its first page.
    ::testing::AssertionResult Start(const std::string& Parameters = "");
    // Presses a wizard button, which must be shown and enabled.
    ::testing::AssertionResult Press(TButtonRole Role);
    // Waits until the page is shown and no message box is open.
    ::testing::AssertionResult Shows(int Page);
    // Once the wizard has taken its pending messages: the page is still shown, no box open.
    ::testing::AssertionResult StaysOn(int Page);
    // Waits for a message box, checks its caption, text and buttons, and presses Answer.
    ::testing::AssertionResult Asks(const TExpectedMessage& Expected, int Answer);
    // Waits for the end: the exit code and no temporary file of the setup left behind.
    ::testing::AssertionResult EndsCleanly(DWORD ExitCode = 0);
    ::testing::AssertionResult TypeFolder(const std::string& Folder);
    // From the first page to Page (0 to 3, or 5 through the installation) with the licence
    // accepted and Home typed as the home folder.
    ::testing::AssertionResult WalkTo(int Page);
    // Closes the wizard as a user would, on the page shown.
    ::testing::AssertionResult AskToClose(TCloseRequest How);

    std::unique_ptr<TSetupRun> Setup;
    std::string Home;  // a home folder with a stand-in "vmr.exe"
};

}  // namespace e2e
