// The drive timer moving the pickers as drives of the fake drive table come and go.
#include <gtest/gtest.h>

#include <string>

#include "../FileCtrl/PickerTestSupport.h"
#include "FakeSystemServices.h"
#include "FileCtrl/DriveComboBox.h"
#include "InstUtils/Paths.h"
#include "MainDlg/DestDir.h"

namespace {

const std::string Start = "C:\\RuSpellTimer";
const std::string ProgramFiles = "C:\\Program Files\\";  // no Velmoran folder in it here

class DriveTimerTest : public ::testing::Test {
protected:
    void SetUp() override {
        Fake.AddDrive("C:").Label = "System";
        Fake.AddDrive("G:").Label = "Data";
        Fake.SpecialFolders[38] = "C:\\Program Files";
        ForceDirs(Start);
        DeleteTree("C:\\Program Files\\Velmoran");

        Box.SetDirList(&List);
        List.Create(Parent.Handle(), TBounds{10, 10, 360, 160}, 100);
        Box.Create(Parent.Handle(), TBounds{10, 180, 360, 19}, 101);
        List.SetFolder(Start);
        List.ResetCounts();
    }
    void TearDown() override { DeleteTree(Start); }

    void AttachStick(const char* Drive) { Fake.AddDrive(Drive).Type = DRIVE_REMOVABLE; }

    TFakeSystem Fake;
    TPickerTestParent Parent;
    TCountingList List;
    TDriveComboBox Box;
};

TEST_F(DriveTimerTest, AStickMovesThePickersToItAndItsRemovalToTheProgramFilesDrive) {
    AttachStick("E:");
    DriveTimerTick(Box);
    EXPECT_EQ(Box.SelectedText(), "e: ");
    EXPECT_EQ(Box.DriveLetter, 'e');
    EXPECT_EQ(List.CurrentFolder, "e:\\");  // no C:\RuSpellTimer on it
    EXPECT_EQ(List.Changes, 1);

    Fake.RemoveDrive("E:");
    DriveTimerTick(Box);
    EXPECT_EQ(Box.SelectedText(), "c: [system]");
    EXPECT_EQ(List.CurrentFolder, ProgramFiles);
    EXPECT_EQ(List.Changes, 2);
    EXPECT_EQ(Box.DriveMask, Fake.LogicalDrives());
}

TEST_F(DriveTimerTest, RemovingAnotherDriveKeepsTheSelectionAndTheFolder) {
    Fake.RemoveDrive("G:");
    DriveTimerTick(Box);
    EXPECT_EQ(Box.SelectedText(), "c: [system]");
    EXPECT_EQ(Box.Rows().size(), 1u);
    EXPECT_EQ(List.CurrentFolder, Start);
    EXPECT_EQ(List.Changes, 0);
}

TEST_F(DriveTimerTest, AnUnchangedMaskLeavesTheRowsAlone) {
    Fake.AddDrive("C:").Label = "Renamed";
    DriveTimerTick(Box);
    EXPECT_EQ(Box.Rows()[0].Text, "c: [system]");
    EXPECT_EQ(List.Changes, 0);
}

TEST_F(DriveTimerTest, WhenOneDriveGoesAndAnotherComesTheLargerMaskDecides) {
    AttachStick("E:");
    DriveTimerTick(Box);

    Fake.RemoveDrive("E:");
    AttachStick("F:");  // higher: an arrival
    DriveTimerTick(Box);
    EXPECT_EQ(Box.SelectedText(), "f: ");
    EXPECT_EQ(List.CurrentFolder, "f:\\");

    Fake.RemoveDrive("F:");
    AttachStick("D:");  // lower: a removal, of the shown drive
    DriveTimerTick(Box);
    EXPECT_EQ(Box.SelectedText(), "c: [system]");
    EXPECT_EQ(List.CurrentFolder, ProgramFiles);
}

TEST_F(DriveTimerTest, TheShownDriveStaysSelectedWhenItsRowCannotBeFoundByItsText) {
    Fake.AddDrive("H:").Type = DRIVE_CDROM;  // a new letter the box does not list
    DriveTimerTick(Box);
    EXPECT_EQ(Box.SelectedText(), "c: [system]");
    EXPECT_EQ(Box.DriveLetter, 'c');

    Fake.RemoveDrive("G:");
    Fake.AddDrive("C:").Label = "Renamed";  // relabelled meanwhile
    DriveTimerTick(Box);
    EXPECT_EQ(Box.SelectedText(), "c: [renamed]");
    EXPECT_EQ(List.CurrentFolder, Start);
    EXPECT_EQ(List.Changes, 0);
}

TEST_F(DriveTimerTest, WithoutAProgramFilesFolderTheFirstListedDriveTakesOver) {
    Fake.SpecialFolders[38] = "";
    AttachStick("E:");
    DriveTimerTick(Box);
    Fake.RemoveDrive("E:");
    DriveTimerTick(Box);
    EXPECT_EQ(Box.SelectedText(), "c: [system]");
    EXPECT_EQ(List.CurrentFolder, "c:\\");
}

}  // namespace
