// The pickers started on folders that no user picked: a share, a file, a thousand
// characters, blanks, slashes, doubled backslashes. The folder list shows the nearest
// folder it can (or nothing for what is no drive path), and both pickers stay usable.
#include <gtest/gtest.h>

#include <string>

#include "../FileCtrl/PickerTestSupport.h"
#include "FakeSystemServices.h"
#include "FileCtrl/DriveComboBox.h"
#include "InstUtils/Paths.h"
#include "MainDlg/DestDir.h"

namespace {

const std::string Base = "C:\\RuSpellStrange";
const std::string Home = Base + "\\Home";
const std::string ProgramFiles = "C:\\Program Files\\";  // no Velmoran folder in it here
const std::string NoFolder(1, '\0');

std::string ThousandCharacters() {
    std::string Folder = Home;
    while (Folder.size() < 1000) Folder += "\\a";
    return Folder.substr(0, 1000);
}

class HardeningPickers : public ::testing::Test {
protected:
    void SetUp() override {
        Fake.AddDrive("C:").Label = "System";
        Fake.AddDrive("G:").Label = "Data";
        Fake.SpecialFolders[38] = "C:\\Program Files";
        ForceDirs(Home);
        DeleteTree("C:\\Program Files\\Velmoran");

        Box.SetDirList(&List);
        List.Create(Parent.Handle(), TBounds{10, 10, 360, 160}, 100);
        Box.Create(Parent.Handle(), TBounds{10, 180, 360, 19}, 101);
    }
    void TearDown() override { DeleteTree(Base); }

    TFakeSystem Fake;
    TPickerTestParent Parent;
    TCountingList List;
    TDriveComboBox Box;
};

struct TStartCase {
    const char* Name;
    std::string Folder;
    std::string Current;  // the list's folder afterwards
    char Drive;           // the drive box's letter afterwards
};

TEST_F(HardeningPickers, StrangeStartFoldersLeaveBothPickersUsable) {
    const TStartCase Cases[] = {
        {"a file", Home + "\\vmr.exe", Home + "\\", 'c'},
        {"1000 characters", ThousandCharacters(), Home + "\\", 'c'},
        {"trailing blanks", Home + "  ", Base + "\\", 'c'},
        {"doubled backslashes", "C:\\\\\\", "C:\\", 'c'},
        {"a bare drive", "c:", "c:", 'c'},
        {"a missing drive", "Q:\\WP", "Q:\\", 'q'},
        {"a share", "\\\\srv\\share\\WP", NoFolder, '\0'},
        {"slashes", "C:/RuSpellStrange/Home", NoFolder, '\0'},
        {"a long-path prefix", "\\\\?\\" + Home, NoFolder, '\0'},
        {"relative", "RuSpellStrange\\Home", NoFolder, '\0'},
    };
    for (const TStartCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TCountingList Fresh;
        TDriveComboBox FreshBox;
        FreshBox.SetDirList(&Fresh);
        Fresh.Create(Parent.Handle(), TBounds{10, 10, 360, 160}, 102);
        FreshBox.Create(Parent.Handle(), TBounds{10, 180, 360, 19}, 103);

        Fresh.SetFolder(Case.Folder);
        EXPECT_EQ(Fresh.CurrentFolder, Case.Current);
        EXPECT_EQ(FreshBox.DriveLetter, Case.Drive);
        if (Case.Current != NoFolder) {
            const int Row = Fresh.ItemIndex();
            ASSERT_EQ(Row, TDirectoryListBox::FolderDepth(Case.Current));
            std::string Shown = Case.Current;
            if (Shown.size() > 3 && LastChar(Shown) == '\\') DeleteLastChar(Shown);
            EXPECT_EQ(Fresh.Rows()[size_t(Row)].Path, Shown);
        } else {
            EXPECT_TRUE(Fresh.Rows().empty());
        }

        FreshBox.SelectDrive('g');
        EXPECT_EQ(Fresh.CurrentFolder, "g:\\");
        FreshBox.SelectDrive('c');
        EXPECT_EQ(Fresh.CurrentFolder, ProgramFiles);
        EXPECT_EQ(FreshBox.SelectedText(), "c: [system]");
    }
}

// With no drive shown (a share or an empty folder given at the start), a drive that goes
// is not the shown one: the pickers and the folder given stay. One that comes is shown.
TEST_F(HardeningPickers, WithNoDriveShownARemovalKeepsThePickersAndAnArrivalMovesThem) {
    List.SetFolder("\\\\srv\\share\\WP");
    List.ResetCounts();

    Fake.RemoveDrive("G:");
    DriveTimerTick(Box);
    EXPECT_EQ(Box.ItemIndex(), -1);
    EXPECT_EQ(Box.DriveLetter, '\0');
    EXPECT_EQ(List.CurrentFolder, NoFolder);
    EXPECT_EQ(List.Changes, 0);

    Fake.AddDrive("E:").Type = DRIVE_REMOVABLE;
    DriveTimerTick(Box);
    EXPECT_EQ(Box.SelectedText(), "e: ");
    EXPECT_EQ(List.CurrentFolder, "e:\\");
    EXPECT_EQ(List.Changes, 1);
}

}  // namespace
