// The home folder page: where its first folder comes from (stored settings, the default,
// the "-d" parameter), the launch choice read with it, and the pickers that fill the edit
// box as a user clicks through folders and drives.
#include <shlobj.h>

#include "ScenarioFixture.h"

namespace e2e {
namespace {

std::string DefaultHome() { return Join(SpecialFolder(CSIDL_PROGRAM_FILES), "Velmoran"); }

bool SameFolderName(const std::string& A, const std::string& B) {
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, A.c_str(), -1, B.c_str(), -1) ==
           CSTR_EQUAL;
}

struct TStartCase {
    const char* Name;
    void (*Prepare)(const std::string& Home);  // stored settings before the start
    std::string (*Parameters)(const std::string& Home);
    std::string (*Shown)(const std::string& Home);  // in the edit box
    bool LaunchTicked;
};

const TStartCase StartCases[] = {
    {"FirstRun", [](const std::string&) {}, [](const std::string&) { return std::string(); },
     [](const std::string&) { return DefaultHome(); }, true},
    {"StoredFolderAndNoLaunch",
     [](const std::string& Home) {
         WriteInstallValue("MAINDIR", StringValue(Home));
         WriteInstallValue("LAUNCH", DwordValue(0));
     },
     [](const std::string&) { return std::string(); }, [](const std::string& Home) { return Home; },
     false},
    {"StoredFolderDeleted",
     [](const std::string&) {
         WriteInstallValue("MAINDIR", StringValue(Join(ScenarioRoot(), "Gone")));
         WriteInstallValue("LAUNCH", DwordValue(1));
     },
     [](const std::string&) { return std::string(); },
     [](const std::string&) { return DefaultHome(); }, true},
    {"ParameterWithMissingFolder",
     [](const std::string& Home) { WriteInstallValue("MAINDIR", StringValue(Home)); },
     [](const std::string&) { return std::string("\"-dE:\\Word Processor\""); },
     [](const std::string&) { return std::string("E:\\Word Processor"); }, true},
    {"ParameterAlone", [](const std::string&) {},
     [](const std::string&) { return std::string("-d"); },
     [](const std::string&) { return std::string(); }, true},
    {"UpperCaseParameterIgnored", [](const std::string&) {},
     [](const std::string& Home) { return "-D" + Home; },
     [](const std::string&) { return DefaultHome(); }, true},
    {"SecondParameterIgnored", [](const std::string&) {},
     [](const std::string& Home) { return "x -d" + Home; },
     [](const std::string&) { return DefaultHome(); }, true},
};

class StartFolder : public ScenarioTest, public ::testing::WithParamInterface<TStartCase> {};

TEST_P(StartFolder, FillsTheEditBoxAndTheLaunchBox) {
    const TStartCase& Case = GetParam();
    Case.Prepare(Home);
    ASSERT_TRUE(Start(Case.Parameters(Home)));
    EXPECT_EQ(IsChecked(Setup->CheckBox(LaunchBoxCaption)), Case.LaunchTicked);
    ASSERT_TRUE(WalkTo(2));
    EXPECT_EQ(TextOf(Setup->FolderEdit()), Case.Shown(Home));
    // Reading the settings creates the key, but writes no value.
    TRegKey Key;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, InstallKey, 0, KEY_READ, Key.Receive()), 0);
}

INSTANTIATE_TEST_SUITE_P(HomeFolder, StartFolder, ::testing::ValuesIn(StartCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

using Pickers = ScenarioTest;

TEST_F(Pickers, FolderListAndDriveBoxFillTheEditBox) {
    ASSERT_TRUE(WriteInstallValue("MAINDIR", StringValue(Home)));
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WalkTo(2));
    const HWND List = Setup->FolderList();
    const HWND Drives = Setup->DriveBox();
    ASSERT_TRUE(List && Drives);
    const auto EditShows = [&](const std::string& Expected) {
        return WaitUntil([&] { return SameFolderName(TextOf(Setup->FolderEdit()), Expected); });
    };

    // Rows: the root, then each folder down to the current one, then its subfolders.
    ASSERT_TRUE(SelectListRow(List, 1));
    EXPECT_TRUE(EditShows(ScenarioRoot())) << TextOf(Setup->FolderEdit());
    ASSERT_TRUE(SelectListRow(List, 2));  // "Home", the root's first subfolder
    EXPECT_TRUE(EditShows(Home)) << TextOf(Setup->FolderEdit());
    ASSERT_TRUE(SelectListRow(List, 0));  // a drive's root gets the default folder name
    EXPECT_TRUE(EditShows("C:\\Velmoran")) << TextOf(Setup->FolderEdit());

    const int DriveRows = ComboRowCount(Drives);
    ASSERT_GE(DriveRows, 2) << "the prefix has drives C: and Z:";
    ASSERT_TRUE(SelectComboRow(Drives, DriveRows - 1));
    EXPECT_TRUE(WaitUntil([&] {
        const std::string Shown = TextOf(Setup->FolderEdit());
        return Shown.size() == 11 && Shown.substr(1) == ":\\Velmoran" && tolower(Shown[0]) > 'c';
    })) << TextOf(Setup->FolderEdit());
    // The program files drive leads to the word processor's folder under program files.
    ASSERT_TRUE(SelectComboRow(Drives, 0));
    EXPECT_TRUE(EditShows(DefaultHome())) << TextOf(Setup->FolderEdit());
}

}  // namespace
}  // namespace e2e
