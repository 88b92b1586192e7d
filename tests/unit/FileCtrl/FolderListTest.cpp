// The folder list against real folders of the Wine prefix; the drives' volume flags and the
// program files folder come from the fake system services.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FakeSystemServices.h"
#include "InstUtils/Paths.h"
#include "InstUtils/WinHandles.h"
#include "PickerTestSupport.h"

namespace {

using Texts = std::vector<std::string>;

const std::string Base = "C:\\RuSpellPickers";
const std::string Tree = Base + "\\Tree";

void MakeFolder(const std::string& Path, DWORD Attributes = 0) {
    ForceDirs(Path);
    ASSERT_TRUE(DirExists(Path)) << Path;
    if (Attributes) {
        ASSERT_TRUE(SetFileAttributesA(Path.c_str(), Attributes)) << Path;
    }
}

class FolderListTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        DeleteTree(Base);
        for (const char* Name : {"Beta", "alpha", "_Tools"}) MakeFolder(Tree + "\\" + Name);
        MakeFolder(Tree + "\\Hidden", FILE_ATTRIBUTE_HIDDEN);
        MakeFolder(Tree + "\\Sys", FILE_ATTRIBUTE_SYSTEM);
        MakeFolder(Tree + "\\alpha\\Inner");
    }
    static void TearDownTestSuite() { DeleteTree(Base); }

    void SetUp() override {
        Fake.AddDrive("C:");
        Fake.AddDrive("Z:");
        Fake.SpecialFolders[38] = "C:\\Program Files";
        List.Create(Parent.Handle(), TBounds{10, 10, 360, 160}, 100);
        List.ResetCounts();
    }

    TFakeSystem Fake;
    TPickerTestParent Parent;
    TCountingList List;
};

TEST_F(FolderListTest, ShowsThePathDownToTheFolderAndItsVisibleSubfoldersSorted) {
    List.SetFolder(Tree);

    EXPECT_EQ(RowTexts(List), (Texts{"+C:\\", "+C:\\RuSpellPickers", "+" + Tree, "-" + Tree + "\\_Tools",
                                     "-" + Tree + "\\alpha", "-" + Tree + "\\Beta"}));
    EXPECT_EQ(List.CurrentFolder, Tree);
    EXPECT_EQ(List.ItemIndex(), 2);
    EXPECT_EQ(SendMessageA(List.Handle(), LB_GETCOUNT, 0, 0), 6);
    EXPECT_EQ(SendMessageA(List.Handle(), LB_GETITEMHEIGHT, 0, 0), 17);
    EXPECT_EQ(List.Fills, 1);
    EXPECT_EQ(List.Changes, 1);
}

TEST_F(FolderListTest, TheCurrentFolderAgainChangesNothing) {
    List.SetFolder(Tree);
    List.ResetCounts();

    List.SetFolder("c:\\rUSPELLPICKERS\\TREE");  // the volume is not case-sensitive
    List.SetFolder("");

    EXPECT_EQ(List.CurrentFolder, Tree);
    EXPECT_EQ(List.Fills, 0);
    EXPECT_EQ(List.Changes, 0);
}

TEST_F(FolderListTest, AMissingFolderIsShownThroughItsNearestExistingAncestor) {
    List.SetFolder(Tree + "\\alpha\\No\\Such\\Deep\\");
    EXPECT_EQ(List.CurrentFolder, Tree + "\\alpha\\");
    EXPECT_EQ(RowTexts(List), (Texts{"+C:\\", "+C:\\RuSpellPickers", "+" + Tree, "+" + Tree + "\\alpha",
                                     "-" + Tree + "\\alpha\\Inner"}));
    EXPECT_EQ(List.ItemIndex(), 3);

    List.SetFolder("Q:\\No\\Such\\Drive");  // the walk stops at the root, existing or not
    EXPECT_EQ(List.CurrentFolder, "Q:\\");
    EXPECT_EQ(RowTexts(List), Texts{"+Q:\\"});
    EXPECT_EQ(List.Changes, 2);
}

TEST_F(FolderListTest, PathsWithoutADriveLeaveTheListAsItIs) {
    List.SetFolder(Tree);
    List.ResetCounts();

    List.SetFolder("\\\\srv\\share\\WP");
    List.SetFolder("Velmoran");

    EXPECT_EQ(List.CurrentFolder, Tree);
    EXPECT_EQ(List.Changes, 0);
}

TEST_F(FolderListTest, TheKeyboardAndTheMouseOpenTheRowTheyMoveTo) {
    List.SetFolder(Tree);
    List.ResetCounts();

    SendMessageA(List.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(List.CurrentFolder, Tree + "\\_Tools");
    EXPECT_EQ(List.ItemIndex(), 3);
    EXPECT_EQ(List.Changes, 1);

    SendMessageA(List.Handle(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(List.CurrentFolder, Tree);
    EXPECT_EQ(List.ItemIndex(), 2);

    const LPARAM RootRow = MAKELPARAM(20, 8);
    SendMessageA(List.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, RootRow);
    SendMessageA(List.Handle(), WM_LBUTTONUP, 0, RootRow);
    EXPECT_EQ(List.CurrentFolder, "C:\\");
    Texts Rows = RowTexts(List);
    EXPECT_EQ(Rows[0], "+C:\\");
    EXPECT_EQ(Rows[1][0], '-');  // the root's subfolders follow at once
    EXPECT_NE(std::find(Rows.begin(), Rows.end(), "-" + Base), Rows.end());
    EXPECT_EQ(List.ItemIndex(), 0);
    EXPECT_EQ(List.Changes, 3);
}

// Wine's own folder creation finds "twin" where "Twin" exists, so the second twin is made
// by the Linux side, on Z:, which maps to the case-sensitive Linux root.
void RunLinuxCommand(const std::string& Program, const std::string& Arguments) {
    STARTUPINFOA Startup{};
    Startup.cb = sizeof Startup;
    PROCESS_INFORMATION Process{};
    std::string Line = Program + " " + Arguments;
    ASSERT_TRUE(CreateProcessA(Program.c_str(), &Line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &Startup,
                               &Process))
        << Line;
    TKernelHandle ProcessHandle(Process.hProcess), ThreadHandle(Process.hThread);
    WaitForSingleObject(ProcessHandle.Get(), 10000);
}

TEST_F(FolderListTest, FoldersThatDifferOnlyByCaseAreBothListed) {
    std::string Name = "ruspell-twins-" + std::to_string(GetCurrentProcessId());
    std::string Folder = "Z:\\tmp\\" + Name;
    RunLinuxCommand("/bin/mkdir", "-p /tmp/" + Name + "/Twin /tmp/" + Name + "/twin /tmp/" + Name + "/Alpha");
    // Wine does not wait for a Linux process; Alpha is made last.
    for (int Wait = 0; Wait < 100 && !DirExists(Folder + "\\Alpha"); ++Wait) Sleep(100);

    List.SetFolder(Folder);
    RunLinuxCommand("/bin/rm", "-rf /tmp/" + Name);

    Texts Rows = RowTexts(List);
    ASSERT_EQ(Rows.size(), 6u);
    EXPECT_EQ(Rows[3], "-" + Folder + "\\Alpha");
    EXPECT_TRUE((Rows[4] == "-" + Folder + "\\Twin" && Rows[5] == "-" + Folder + "\\twin") ||
                (Rows[4] == "-" + Folder + "\\twin" && Rows[5] == "-" + Folder + "\\Twin"))
        << Rows[4] << " " << Rows[5];
}

TEST_F(FolderListTest, SwitchingDrivesLandsOnTheWordProcessorsFolderTheSamePathOrTheRoot) {
    const std::string Home = "C:\\Program Files\\Velmoran";
    std::string Same = "\\tmp\\RuSpellSame" + std::to_string(GetCurrentProcessId());
    MakeFolder("C:" + Same);
    MakeFolder("Z:" + Same);
    MakeFolder(Home);

    List.SetFolder("C:" + Same);
    List.ResetCounts();
    List.SwitchDrive('z');
    EXPECT_EQ(List.CurrentFolder, "z:" + Same);
    EXPECT_EQ(List.Fills, 1);
    EXPECT_EQ(List.Changes, 1);

    List.SwitchDrive('c');
    EXPECT_EQ(List.CurrentFolder, Home);
    List.SwitchDrive('z');  // nothing like C:\Program Files\Velmoran on Z:
    EXPECT_EQ(List.CurrentFolder, "z:\\");

    DeleteTree(Home);
    List.SwitchDrive('c');
    EXPECT_EQ(List.CurrentFolder, "C:\\Program Files\\");
    EXPECT_EQ(RowTexts(List)[1], "+C:\\Program Files");

    List.ResetCounts();
    List.SwitchDrive('C');  // the drive it is on
    List.SwitchDrive(' ');
    EXPECT_EQ(List.Changes, 0);

    DeleteTree("C:" + Same);
    DeleteTree("Z:" + Same);
    RemoveDirectoryA("C:\\tmp");  // only when nothing else is in it
}

TEST_F(FolderListTest, OnAVolumeThatDoesNotKeepCaseNamesAreShownInLowerCase) {
    Fake.AddDrive("C:").Flags = 0;
    List.SetFolder(Tree);
    EXPECT_FALSE(List.VolumeKeepsCase);
    EXPECT_EQ(List.DisplayName("Beta"), "beta");

    Fake.AddDrive("C:").Flags = FILE_CASE_SENSITIVE_SEARCH | FILE_CASE_PRESERVED_NAMES;
    List.FillFolders();
    EXPECT_TRUE(List.VolumeCaseSensitive);
    EXPECT_FALSE(List.CompareFolderNames(Tree, "c:\\ruspellpickers\\tree"));
    EXPECT_EQ(List.DisplayName("Beta"), "Beta");
}

}  // namespace
