#include "FileCtrl/DriveComboBox.h"

#include <algorithm>

#include "FileCtrl/DirectoryListBox.h"
#include "FileCtrl/FileCtrlHelpers.h"
#include "FileCtrl/PickerDrawing.h"
#include "InstUtils/Drives.h"
#include "InstUtils/SystemServices.h"

namespace {

const int DroppedDownRows = 8;

char LowerAscii(char C) { return (C >= 'A' && C <= 'Z') ? char(C + 32) : C; }
char UpperAscii(char C) { return (C >= 'a' && C <= 'z') ? char(C - 32) : C; }
bool IsAsciiLetter(char C) { return LowerAscii(C) >= 'a' && LowerAscii(C) <= 'z'; }

// Names come out in the case of the letter they are asked for: lower from "a" upward.
std::string InCaseOf(char Letter, const std::string& Name) {
    return static_cast<unsigned char>(Letter) >= 'a' ? LowerCaseName(Name) : UpperCaseName(Name);
}

std::string VolumeLabelText(char Letter) {
    std::string Label;
    DWORD Flags = 0;
    bool Read;
    {
        TCriticalErrorsOff NoDiskDialogs;
        Read = System().VolumeInformation(std::string(1, Letter) + ":\\", Label, Flags);
    }
    if (!Read || Label.empty()) return std::string();
    return "[" + InCaseOf(Letter, Label) + "]";
}

std::string NetworkNameText(char Letter) {
    std::string Remote;
    if (!System().NetworkName(std::string(1, UpperAscii(Letter)) + ":", Remote)) return VolumeLabelText(Letter);
    return InCaseOf(Letter, Remote.substr(0, Remote.find('\0')));
}

TDriveRow DriveRow(char Letter, UINT Kind) {
    std::string Root = std::string(1, Letter) + ":\\";
    std::string Name = Kind == DRIVE_REMOTE ? NetworkNameText(Letter) : VolumeLabelText(Letter);
    return TDriveRow{std::string(1, Letter) + ": " + Name, IsRemovableDrive(Root)};
}

}  // namespace

TDriveComboBox::TDriveComboBox()
    : FFixedImage(LoadBitmapA(GetModuleHandleA(nullptr), "FIXEDDRIVE")),
      FRemovableImage(LoadBitmapA(GetModuleHandleA(nullptr), "REMOVABLEDRIVE")) {}

TDriveComboBox::~TDriveComboBox() {
    DestroyHandle();
    SetDirList(nullptr);
}

void TDriveComboBox::Create(HWND Parent, const TBounds& Bounds, int Id) {
    const DWORD Style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED;
    CreateControl(Parent, "COMBOBOX", "", Style, 0, Bounds, Id);
}

void TDriveComboBox::HandleCreated() {
    int Height = std::max(FontTextHeight(Font()) + 4, int(BitmapSize(FFixedImage.Get()).cy));
    SendMessageA(Handle(), CB_SETITEMHEIGHT, WPARAM(-1), Height);  // the closed box's face
    SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, Height);           // the rows
    // A combo box's window height includes its dropped-down list.
    RECT Face{};
    GetWindowRect(Handle(), &Face);
    int FaceHeight = int(SendMessageA(Handle(), CB_GETITEMHEIGHT, WPARAM(-1), 0)) + 6;
    SetWindowPos(Handle(), nullptr, 0, 0, Face.right - Face.left, FaceHeight + DroppedDownRows * Height + 2,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    FillDrives();
    SelectDrive(DriveLetter);
}

void TDriveComboBox::FillDrives() {
    FRows.clear();
    if (Handle()) SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
    DriveMask = System().LogicalDrives();
    for (int I = 2; I <= 25; ++I) {  // A: and B: are never listed
        if (!(DriveMask & (DWORD(1) << I))) continue;
        char Letter = char('a' + I);
        UINT Kind = System().DriveType(std::string(1, Letter) + ":\\");
        if (Kind == DRIVE_CDROM) continue;
        FRows.push_back(DriveRow(Letter, Kind));
        if (Handle()) SendMessageA(Handle(), CB_ADDSTRING, 0, LPARAM(FRows.size() - 1));
    }
}

void TDriveComboBox::SelectDrive(char Letter) {
    if (!IsAsciiLetter(Letter)) return;
    if (ItemIndex() >= 0 && LowerAscii(Letter) == LowerAscii(DriveLetter)) return;
    DriveLetter = LowerAscii(Letter);
    auto Row = std::find_if(FRows.begin(), FRows.end(), [this](const TDriveRow& Drive) {
        return Drive.Text.size() >= 2 && LowerAscii(Drive.Text[0]) == DriveLetter && Drive.Text[1] == ':';
    });
    if (Row != FRows.end()) SelectRow(int(Row - FRows.begin()));
    if (FDirList) FDirList->SwitchDrive(DriveLetter);
    Change();
}

void TDriveComboBox::SetDirList(TDirectoryListBox* List) {
    if (FDirList) FDirList->DriveBox = nullptr;
    FDirList = List;
    if (FDirList) FDirList->DriveBox = this;
}

int TDriveComboBox::ItemIndex() const {
    return Handle() ? int(SendMessageA(Handle(), CB_GETCURSEL, 0, 0)) : -1;
}

std::string TDriveComboBox::SelectedText() const {
    int Row = ItemIndex();
    return Row >= 0 && Row < int(FRows.size()) ? FRows[size_t(Row)].Text : std::string();
}

bool TDriveComboBox::SelectText(const std::string& Text) {
    auto Row = std::find_if(FRows.begin(), FRows.end(), [&Text](const TDriveRow& Drive) {
        return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, Drive.Text.data(), int(Drive.Text.size()),
                              Text.data(), int(Text.size())) == CSTR_EQUAL;
    });
    if (Row == FRows.end()) return false;
    SelectRow(int(Row - FRows.begin()));
    return true;
}

void TDriveComboBox::SelectRow(int Row) {
    if (Handle()) SendMessageA(Handle(), CB_SETCURSEL, WPARAM(Row), 0);
}

void TDriveComboBox::Change() {
    if (OnChange) OnChange(*this);
}

bool TDriveComboBox::HandleNotification(UINT Message, WPARAM WParam, LPARAM LParam, LRESULT& Result) {
    if (Message == WM_DRAWITEM) {
        DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(LParam));
        Result = TRUE;
        return true;
    }
    if (Message == WM_COMMAND && HIWORD(WParam) == CBN_SELCHANGE) {
        int Row = ItemIndex();
        if (Row >= 0 && Row < int(FRows.size())) SelectDrive(FRows[size_t(Row)].Text[0]);
        Change();
        Result = 0;
        return true;
    }
    return false;
}
