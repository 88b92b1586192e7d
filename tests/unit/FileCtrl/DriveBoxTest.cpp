// The drive list through the fake system services' drive table, linked to a folder list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeSystemServices.h"
#include "InstUtils/WinHandles.h"
#include "FileCtrl/DriveComboBox.h"
#include "InstUtils/Paths.h"
#include "PickerTestSupport.h"

namespace {

class DriveBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        Fake.AddDrive("A:").Type = DRIVE_REMOVABLE;
        Fake.AddDrive("C:").Label = "System";
        Fake.AddDrive("D:").Type = DRIVE_CDROM;
        Fake.AddDrive("E:").Type = DRIVE_REMOVABLE;
        TFakeDrive& Share = Fake.AddDrive("F:");
        Share.Type = DRIVE_REMOTE;
        Share.NetworkName = "\\\\Server\\Share";
        TFakeDrive& Empty = Fake.AddDrive("G:");
        Empty.VolumeReadable = false;  // a card reader without a card
        Empty.Label = "Never";
        TFakeDrive& External = Fake.AddDrive("H:");
        External.Label = "Big Disk";
        External.Device.BusType = 7;  // USB
        TFakeDrive& Unnamed = Fake.AddDrive("I:");
        Unnamed.Type = DRIVE_REMOTE;
        Unnamed.Label = "NET";  // no remote name: the label stands in
        Fake.SpecialFolders[38] = "C:\\Program Files";

        Box.OnChange = [this](TDriveComboBox&) { ++BoxChanges; };
        Box.SetDirList(&List);
        List.Create(Parent.Handle(), TBounds{10, 10, 360, 160}, 100);
        Box.Create(Parent.Handle(), TBounds{10, 180, 360, 19}, 101);
        List.ResetCounts();
    }

    int RowOf(char Letter) const {
        for (size_t I = 0; I < Box.Rows().size(); ++I)
            if (Box.Rows()[I].Text[0] == Letter) return int(I);
        return -1;
    }

    TFakeSystem Fake;
    TPickerTestParent Parent;
    TCountingList List;
    TDriveComboBox Box;
    int BoxChanges = 0;
};

TEST_F(DriveBoxTest, ListsEveryDriveFromCButCdRomDrivesWithItsNameAndKind) {
    struct TExpected {
        std::string Text;
        bool Removable;
    };
    const std::vector<TExpected> Expected = {{"c: [system]", false}, {"e: ", true},         {"f: \\\\server\\share", false},
                                             {"g: ", false},         {"h: [big disk]", true}, {"i: [net]", false}};
    ASSERT_EQ(Box.Rows().size(), Expected.size());
    for (size_t I = 0; I < Expected.size(); ++I) {
        EXPECT_EQ(Box.Rows()[I].Text, Expected[I].Text);
        EXPECT_EQ(Box.Rows()[I].Removable, Expected[I].Removable) << Expected[I].Text;
    }
    EXPECT_EQ(SendMessageA(Box.Handle(), CB_GETCOUNT, 0, 0), LRESULT(Expected.size()));
    EXPECT_EQ(Box.DriveMask, Fake.LogicalDrives());
    EXPECT_EQ(Box.ItemIndex(), -1);  // no drive chosen yet
    EXPECT_EQ(Box.DriveLetter, '\0');
}

TEST_F(DriveBoxTest, SelectDriveMovesTheBoxAndTheFolderListTogether) {
    Box.SelectDrive('C');
    EXPECT_EQ(Box.DriveLetter, 'c');
    EXPECT_EQ(Box.SelectedText(), "c: [system]");
    EXPECT_EQ(List.CurrentFolder.substr(0, 3), "C:\\");  // the program files drive
    EXPECT_EQ(BoxChanges, 1);
    EXPECT_EQ(List.Changes, 1);

    Box.SelectDrive('c');  // already selected: nothing at all
    EXPECT_EQ(BoxChanges, 1);
    EXPECT_EQ(List.Changes, 1);

    Box.SelectDrive('d');  // no row: the box keeps its row, the list still moves
    EXPECT_EQ(Box.DriveLetter, 'd');
    EXPECT_EQ(Box.ItemIndex(), RowOf('c'));
    EXPECT_EQ(List.CurrentFolder, "d:\\");
    EXPECT_EQ(BoxChanges, 2);

    Box.SelectDrive('\0');  // not a drive letter
    EXPECT_EQ(Box.DriveLetter, 'd');
    EXPECT_EQ(BoxChanges, 2);
}

TEST_F(DriveBoxTest, AfterARefillTheSameLetterSelectsItsRowAgainWithoutMovingTheList) {
    Box.SelectDrive('e');
    List.ResetCounts();
    Box.FillDrives();
    EXPECT_EQ(Box.ItemIndex(), -1);

    Box.SelectDrive('e');
    EXPECT_EQ(Box.ItemIndex(), RowOf('e'));
    EXPECT_EQ(List.CurrentFolder, "e:\\");
    EXPECT_EQ(List.Fills, 0);
    EXPECT_EQ(List.Changes, 0);
}

TEST_F(DriveBoxTest, TheUsersChoiceMovesTheFolderList) {
    Box.SelectDrive('c');
    BoxChanges = 0;

    SendMessageA(Box.Handle(), CB_SETCURSEL, WPARAM(RowOf('g')), 0);
    Parent.SendSelectionChange(Box, CBN_SELCHANGE);

    EXPECT_EQ(Box.DriveLetter, 'g');
    EXPECT_EQ(List.CurrentFolder, "g:\\");  // no medium: the root, without subfolders
    EXPECT_EQ(List.Rows().size(), 1u);
    EXPECT_EQ(BoxChanges, 2);  // the drive's selection, then the choice
}

TEST_F(DriveBoxTest, AFolderOnAnotherDriveMovesTheBoxAndFillsTheListOnce) {
    List.SetFolder("C:\\");
    EXPECT_EQ(Box.DriveLetter, 'c');
    EXPECT_EQ(Box.SelectedText(), "c: [system]");
    EXPECT_EQ(List.CurrentFolder, "C:\\");
    EXPECT_FALSE(List.InFolderChange);
    EXPECT_EQ(List.Fills, 1);
    EXPECT_EQ(List.Changes, 1);
}

// The pixels of row 0 as the box draws it, selected or not, 120 x 17.
std::vector<COLORREF> DrawnRow(TDriveComboBox& Box, UINT State) {
    const int Width = 120, Height = 17;
    HDC Screen = GetDC(nullptr);
    TMemoryDc Dc(Screen);
    TBitmapHandle Canvas(CreateCompatibleBitmap(Screen, Width, Height));
    ReleaseDC(nullptr, Screen);
    TSelectObject Selected(Dc.Get(), Canvas.Get());
    DRAWITEMSTRUCT Item{};
    Item.CtlType = ODT_COMBOBOX;
    Item.itemAction = ODA_DRAWENTIRE;
    Item.itemState = State;
    Item.hwndItem = Box.Handle();
    Item.hDC = Dc.Get();
    Item.rcItem = RECT{0, 0, Width, Height};
    LRESULT Result = 0;
    Box.HandleNotification(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&Item), Result);
    std::vector<COLORREF> Pixels;
    for (int Y = 0; Y < Height; ++Y)
        for (int X = 0; X < Width; ++X) Pixels.push_back(GetPixel(Dc.Get(), X, Y));
    return Pixels;
}

TEST_F(DriveBoxTest, TheSelectedRowLooksLikeTheOthersWithTheImageOnTheWindowColour) {
    std::vector<COLORREF> Plain = DrawnRow(Box, 0);
    EXPECT_EQ(DrawnRow(Box, ODS_SELECTED), Plain);

    const COLORREF Window = GetSysColor(COLOR_WINDOW);
    auto At = [&Plain](int X, int Y) { return Plain[size_t(Y * 120 + X)]; };
    // "FIXEDDRIVE" is 16 x 11: left edge at 2, top at (0 + 17 - 11) / 2 = 3.
    EXPECT_EQ(At(2, 3 + 10), Window);  // its bottom-left pixel lets the window show
    int ImagePixels = 0, StrayPixels = 0;  // left of the text, outside the image's place
    for (int Y = 0; Y < 17; ++Y) {
        for (int X = 0; X < 18; ++X) {
            if (At(X, Y) == Window) continue;
            bool InImage = X >= 2 && Y >= 3 && Y < 14;
            ++(InImage ? ImagePixels : StrayPixels);
        }
    }
    EXPECT_GT(ImagePixels, 0);
    EXPECT_EQ(StrayPixels, 0);
}

TEST_F(DriveBoxTest, TheLinkIsTwoWayAndMovesWithTheList) {
    EXPECT_EQ(List.DriveBox, &Box);
    TDirectoryListBox Other;
    Box.SetDirList(&Other);
    EXPECT_EQ(List.DriveBox, nullptr);
    EXPECT_EQ(Other.DriveBox, &Box);
    Box.SetDirList(nullptr);
    EXPECT_EQ(Other.DriveBox, nullptr);
}

}  // namespace
