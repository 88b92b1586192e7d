#include "FileCtrl/DirectoryListBox.h"

#include <algorithm>

#include "FileCtrl/DriveComboBox.h"
#include "FileCtrl/FileCtrlHelpers.h"
#include "FileCtrl/PickerDrawing.h"
#include "InstUtils/Paths.h"
#include "InstUtils/SystemServices.h"

namespace {

// Matches no drive letter, so that the first SetFolder counts as a change of drive.
const std::string NoFolder(1, '\0');

char UpperAscii(char C) { return (C >= 'a' && C <= 'z') ? char(C - 32) : C; }
bool SameLetter(char A, char B) { return UpperAscii(A) == UpperAscii(B); }
bool IsDriveLetter(char C) { return UpperAscii(C) >= 'A' && UpperAscii(C) <= 'Z'; }
char FirstChar(const std::string& Text) { return Text.empty() ? '\0' : Text[0]; }

// C:\... or a bare C: (the drive's root): what the list can show as a chain of rows.
bool IsDrivePath(const std::string& Path) {
    return Path.size() >= 2 && IsDriveLetter(Path[0]) && Path[1] == ':' && (Path.size() == 2 || Path[2] == '\\');
}

// Walks up from a missing folder; stops at the first existing one or at the drive's root,
// whether that exists or not. Each step drops at least the last name, so the walk ends.
std::string NearestExistingFolder(std::string Path) {
    while (!DirExists(Path) && Path.size() > DrivePart(Path).size() + 1) {
        if (LastChar(Path) == '\\') DeleteLastChar(Path);
        Path = ParentPath(Path);
    }
    return Path;
}

bool IsListedFolder(const WIN32_FIND_DATAA& Entry) {
    const DWORD Hidden = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    if (!(Entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || (Entry.dwFileAttributes & Hidden)) return false;
    std::string Name = Entry.cFileName;
    return Name != "." && Name != "..";
}

bool NameBefore(const std::string& A, const std::string& B) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE | SORT_STRINGSORT, A.data(), int(A.size()),
                          B.data(), int(B.size())) == CSTR_LESS_THAN;
}

// The visible subfolders of Folder, sorted ignoring case; names that compare equal (two
// folders differing only by case on a case-sensitive volume) are all kept.
std::vector<std::string> FindSubfolders(std::string Folder) {
    if (LastChar(Folder) != '\\') Folder += '\\';
    std::string Pattern = Folder + "*.*";
    std::vector<std::string> Names;
    WIN32_FIND_DATAA Entry;
    TFindHandle Find(FindFirstFileExA(Pattern.c_str(), FindExInfoStandard, &Entry, FindExSearchLimitToDirectories,
                                      nullptr, 0));
    if (!Find) return Names;
    do {
        if (IsListedFolder(Entry)) Names.push_back(Entry.cFileName);
    } while (FindNextFileA(Find.Get(), &Entry));
    std::stable_sort(Names.begin(), Names.end(), NameBefore);
    return Names;
}

bool SameText(const std::string& A, const std::string& B) {
    return CompareStringA(LOCALE_USER_DEFAULT, 0, A.data(), int(A.size()), B.data(), int(B.size())) == CSTR_EQUAL;
}

// Sets a flag for the scope, cleared again however the scope ends.
class TFlagScope {
public:
    explicit TFlagScope(bool& Flag) : FFlag(Flag) { FFlag = true; }
    ~TFlagScope() { FFlag = false; }
    TFlagScope(const TFlagScope&) = delete;
    TFlagScope& operator=(const TFlagScope&) = delete;

private:
    bool& FFlag;
};

// The list is not repainted row by row while it is rebuilt, only once at the end.
class TRedrawSuspended {
public:
    explicit TRedrawSuspended(HWND Window) : FWindow(Window) {
        if (FWindow) SendMessageA(FWindow, WM_SETREDRAW, FALSE, 0);
    }
    ~TRedrawSuspended() {
        if (!FWindow) return;
        SendMessageA(FWindow, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(FWindow, nullptr, TRUE);
    }
    TRedrawSuspended(const TRedrawSuspended&) = delete;
    TRedrawSuspended& operator=(const TRedrawSuspended&) = delete;

private:
    HWND FWindow;
};

}  // namespace

TDirectoryListBox::TDirectoryListBox()
    : CurrentFolder(NoFolder),
      FOpenImage(LoadBitmapA(GetModuleHandleA(nullptr), "OPENFOLDER")),
      FClosedImage(LoadBitmapA(GetModuleHandleA(nullptr), "CLOSEDFOLDER")) {}

TDirectoryListBox::~TDirectoryListBox() {
    DestroyHandle();
    if (DriveBox && DriveBox->DirList() == this) DriveBox->SetDirList(nullptr);
}

void TDirectoryListBox::Create(HWND Parent, const TBounds& Bounds, int Id) {
    const DWORD Style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_NOTIFY |
                        LBS_NOINTEGRALHEIGHT;
    CreateControl(Parent, "LISTBOX", "", Style, WS_EX_CLIENTEDGE, Bounds, Id);
}

void TDirectoryListBox::HandleCreated() {
    int Height = std::max(FontTextHeight(Font()), int(BitmapSize(FOpenImage.Get()).cy) + 1);
    SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, Height);
    FillFolders();  // selects the row of CurrentFolder, FolderDepth(CurrentFolder)
}

int TDirectoryListBox::ItemIndex() const {
    return Handle() ? int(SendMessageA(Handle(), LB_GETCURSEL, 0, 0)) : -1;
}

void TDirectoryListBox::SetFolder(const std::string& Path) {
    if (Path.empty() || CompareFolderNames(Path, CurrentFolder)) return;
    // A share or relative path has no drive to show it on: the list stays as it is.
    if (!IsDrivePath(Path)) return;
    std::string Folder = NearestExistingFolder(Path);
    bool DriveChanged = UpperAscii(Folder[0]) != UpperAscii(FirstChar(CurrentFolder));
    CurrentFolder = Folder;
    if (DriveChanged) ChangeDriveOfFolder(Folder[0]);
    FillFolders();
    Change();
}

// The drive box follows the new folder's drive; its request to switch the list back finds
// the list already there, and the flag keeps a switch from filling the list twice.
void TDirectoryListBox::ChangeDriveOfFolder(char Letter) {
    TFlagScope Changing(InFolderChange);
    if (DriveBox)
        DriveBox->SelectDrive(Letter);
    else
        SwitchDrive(Letter);
}

void TDirectoryListBox::SwitchDrive(char Letter) {
    // Blanks, control characters and anything else that is not a drive letter.
    if (!IsDriveLetter(Letter) || SameLetter(Letter, FirstChar(CurrentFolder))) return;
    CurrentFolder = FolderOnDrive(Letter);
    if (InFolderChange) return;
    FillFolders();
    Change();
}

// On the program files drive the word processor's usual home; elsewhere the same folder
// as before when the new drive has one, else the root.
std::string TDirectoryListBox::FolderOnDrive(char Letter) const {
    std::string ProgramFiles = GetSpecialFolder(38);
    if (!ProgramFiles.empty() && SameLetter(Letter, ProgramFiles[0])) {
        AddBackslash(ProgramFiles);
        std::string Home = ProgramFiles + "Velmoran";
        return DirExists(Home) ? Home : ProgramFiles;
    }
    size_t Colon = CurrentFolder.find(':');
    if (Colon != std::string::npos) {
        std::string Same = std::string(1, Letter) + CurrentFolder.substr(Colon);
        if (DirExists(Same)) return Same;
    }
    return std::string(1, Letter) + ":\\";
}

void TDirectoryListBox::FillFolders() {
    TRedrawSuspended Quiet(Handle());
    FRows.clear();
    FCurrentRow = -1;
    if (IsDrivePath(CurrentFolder)) {
        TCriticalErrorsOff NoDiskDialogs;
        ReadVolumeFlags();
        AddPathRows();
        for (const std::string& Name : FindSubfolders(CurrentFolder))
            FRows.push_back({PathCombine(CurrentFolder, Name), false});
    }
    ShowRows();
}

// A volume whose information cannot be read (no medium) is taken as most are: keeping
// case, not case-sensitive.
void TDirectoryListBox::ReadVolumeFlags() {
    std::string Label;
    DWORD Flags = FILE_CASE_PRESERVED_NAMES;
    if (!System().VolumeInformation(DrivePart(CurrentFolder) + "\\", Label, Flags)) Flags = FILE_CASE_PRESERVED_NAMES;
    VolumeKeepsCase = (Flags & (FILE_CASE_SENSITIVE_SEARCH | FILE_CASE_PRESERVED_NAMES)) != 0;
    VolumeCaseSensitive = (Flags & FILE_CASE_SENSITIVE_SEARCH) != 0;
}

// The root, then each folder down to CurrentFolder, written as CurrentFolder writes them.
void TDirectoryListBox::AddPathRows() {
    std::string Rest = CurrentFolder;
    while (Rest.size() > 3) {
        if (LastChar(Rest) == '\\') DeleteLastChar(Rest);
        FRows.insert(FRows.begin(), {Rest, true});
        while (!Rest.empty() && LastChar(Rest) != '\\') DeleteLastChar(Rest);
    }
    FRows.insert(FRows.begin(), {Rest, true});
    FCurrentRow = int(FRows.size()) - 1;
}

void TDirectoryListBox::ShowRows() {
    if (!Handle()) return;
    SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
    for (size_t I = 0; I < FRows.size(); ++I) SendMessageA(Handle(), LB_ADDSTRING, 0, LPARAM(I));
    SendMessageA(Handle(), LB_SETCURSEL, WPARAM(FCurrentRow), 0);
}

int TDirectoryListBox::FolderDepth(const std::string& Path) {
    std::string Trimmed = Path;
    if (LastChar(Trimmed) == '\\') DeleteLastChar(Trimmed);
    return int(std::count(Trimmed.begin(), Trimmed.end(), '\\'));
}

bool TDirectoryListBox::CompareFolderNames(const std::string& A, const std::string& B) const {
    return VolumeCaseSensitive ? SameText(A, B) : SameText(LowerCaseName(A), LowerCaseName(B));
}

std::string TDirectoryListBox::DisplayName(const std::string& Name) const {
    if (VolumeKeepsCase || Name.empty()) return Name;
    std::string Lower = Name;
    CharLowerBuffA(&Lower[0], DWORD(Lower.size()));
    return Lower;
}

void TDirectoryListBox::Change() {
    if (OnChange) OnChange(*this);
}

bool TDirectoryListBox::HandleNotification(UINT Message, WPARAM WParam, LPARAM LParam, LRESULT& Result) {
    if (Message == WM_DRAWITEM) {
        DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(LParam));
        Result = TRUE;
        return true;
    }
    if (Message == WM_COMMAND && HIWORD(WParam) == LBN_SELCHANGE) {
        int Row = ItemIndex();
        // A copy: opening the row rebuilds the rows.
        if (Row >= 0 && Row < int(FRows.size())) SetFolder(std::string(FRows[size_t(Row)].Path));
        Result = 0;
        return true;
    }
    return false;
}
