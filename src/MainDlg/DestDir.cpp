#include "MainDlg/DestDir.h"

#include <vector>

#include "FileCtrl/DriveComboBox.h"
#include "InstUtils/Paths.h"
#include "InstUtils/SystemServices.h"
#include "InstUtils/WinHandles.h"

const char* const SettingsKey = "Software\\Velmoran Word Processor\\Install";

namespace {

const char* const HomeFolderName = "Velmoran";
const int ProgramFilesFolder = 38;

// The settings key, created when missing; none when it can be neither opened nor created.
TRegKey OpenSettingsKey() {
    TRegKey Key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, Key.Receive(),
                        nullptr) != ERROR_SUCCESS)
        Key.Release();
    return Key;
}

// The value's data bytes, whatever its type and length; false when it cannot be read. The
// size is asked first, and asked again should the value grow in between.
bool ReadValueBytes(HKEY Key, const char* Name, std::string& Data) {
    DWORD Size = 0;
    LONG Status = RegQueryValueExA(Key, Name, nullptr, nullptr, nullptr, &Size);
    for (int Attempt = 0; Attempt < 4 && Status == ERROR_SUCCESS; ++Attempt) {
        Data.assign(Size, '\0');
        DWORD Got = Size;
        Status = RegQueryValueExA(Key, Name, nullptr, nullptr,
                                  Size ? reinterpret_cast<BYTE*>(&Data[0]) : nullptr, &Got);
        if (Status == ERROR_SUCCESS) {
            Data.resize(Got < Size ? Got : Size);
            return true;
        }
        if (Status == ERROR_MORE_DATA) {
            Size = Got;
            Status = ERROR_SUCCESS;
        }
    }
    return false;
}

std::string ReadMainDir(HKEY Key) {
    std::string Data;
    if (!Key || !ReadValueBytes(Key, "MAINDIR", Data)) return std::string();
    return Data.substr(0, Data.find('\0'));
}

// LAUNCH as a little-endian integer of up to its first four bytes, zero-extended, whatever
// its type (so the string "0" reads as 0x30 and ticks the box); a missing value and one of
// size 0 leave the launch box ticked.
bool ReadLaunch(HKEY Key) {
    std::string Data;
    if (!Key || !ReadValueBytes(Key, "LAUNCH", Data) || Data.empty()) return true;
    DWORD Value = 0;
    for (size_t I = 0; I < Data.size() && I < 4; ++I) Value |= DWORD(static_cast<unsigned char>(Data[I])) << (8 * I);
    return Value != 0;
}

bool IsParameterSeparator(char C) { return static_cast<unsigned char>(C) <= ' '; }

// The command line's parameters, the program name first: blanks and control characters
// separate them, double quotes group characters and are removed; a backslash is an
// ordinary character.
std::vector<std::string> SplitParameters(const std::string& Line) {
    std::vector<std::string> Parameters;
    size_t I = 0;
    for (;;) {
        while (I < Line.size() && IsParameterSeparator(Line[I])) ++I;
        if (I >= Line.size()) return Parameters;
        std::string Parameter;
        while (I < Line.size() && !IsParameterSeparator(Line[I])) {
            if (Line[I] != '"') {
                Parameter += Line[I++];
                continue;
            }
            for (++I; I < Line.size() && Line[I] != '"'; ++I) Parameter += Line[I];
            if (I < Line.size()) ++I;
        }
        Parameters.push_back(Parameter);
    }
}

void TrimBlanks(std::string& Text) {
    while (!Text.empty() && Text[0] == ' ') DeleteFirstChar(Text);
    while (!Text.empty() && LastChar(Text) == ' ') DeleteLastChar(Text);
}

char LowerAscii(char C) { return (C >= 'A' && C <= 'Z') ? char(C + 32) : C; }

// The drive a text without one is put on: the drive box's, else the program files
// folder's, else C: (the pickers have no drive before the first folder is set).
char DefaultDrive(char DriveLetter) {
    if (DriveLetter != '\0') return DriveLetter;
    std::string ProgramFiles = GetSpecialFolder(ProgramFilesFolder);
    return ProgramFiles.empty() ? 'c' : LowerAscii(ProgramFiles[0]);
}

bool HasDrive(DWORD Mask, char Letter) {
    return Letter >= 'a' && Letter <= 'z' && (Mask & (DWORD(1) << (Letter - 'a')));
}

bool IsListed(const TDriveComboBox& Box, char Letter) {
    for (const TDriveRow& Row : Box.Rows())
        if (LowerAscii(Row.Text[0]) == Letter) return true;
    return false;
}

// The first drive from C: to Z: that came and that the box lists (a CD-ROM drive, such as
// a mounted disc image, is passed over); false when there is none.
bool SelectArrivedDrive(TDriveComboBox& Box, DWORD Mask, DWORD OldMask) {
    for (int I = 2; I <= 25; ++I) {
        char Letter = char('a' + I);
        if ((Mask & ~OldMask & (DWORD(1) << I)) && IsListed(Box, Letter)) {
            Box.SelectDrive(Letter);
            return true;
        }
    }
    return false;
}

// After a refill: the shown drive's row again when that drive is still there, else the
// program files drive (or, when that is unknown, the first listed drive).
void KeepOrLeaveDrive(TDriveComboBox& Box, DWORD Mask, const std::string& OldText) {
    // No drive shown (the start folder was a share or empty): the drive that went was not
    // the shown one, so the folder given stays in the edit box.
    if (Box.DriveLetter == '\0') return;
    if (HasDrive(Mask, Box.DriveLetter)) {
        // Its label may have changed meanwhile: then the row is found by its letter.
        if (!Box.SelectText(OldText)) Box.SelectDrive(Box.DriveLetter);
        return;
    }
    std::string ProgramFiles = GetSpecialFolder(ProgramFilesFolder);
    if (!ProgramFiles.empty())
        Box.SelectDrive(LowerAscii(ProgramFiles[0]));
    else if (!Box.Rows().empty())
        Box.SelectDrive(Box.Rows().front().Text[0]);
}

}  // namespace

TStoredSettings ReadStoredSettings(const std::string& CommandLine) {
    TStoredSettings Settings;
    TRegKey Key = OpenSettingsKey();
    Settings.HomeDir = ReadMainDir(Key.Get());
    if (Settings.HomeDir.empty() || !DirExists(Settings.HomeDir))
        Settings.HomeDir = PathCombine(GetSpecialFolder(ProgramFilesFolder), HomeFolderName);
    std::vector<std::string> Parameters = SplitParameters(CommandLine);
    if (Parameters.size() > 1 && Parameters[1].compare(0, 2, "-d") == 0) Settings.HomeDir = Parameters[1].substr(2);
    Settings.Launch = ReadLaunch(Key.Get());
    return Settings;
}

void StoreSettings(const std::string& HomeDir, bool Launch) {
    TRegKey Key = OpenSettingsKey();
    if (!Key) return;
    RegSetValueExA(Key.Get(), "MAINDIR", 0, REG_SZ, reinterpret_cast<const BYTE*>(HomeDir.c_str()),
                   DWORD(HomeDir.size() + 1));
    DWORD LaunchValue = Launch ? 1 : 0;
    RegSetValueExA(Key.Get(), "LAUNCH", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&LaunchValue),
                   sizeof LaunchValue);
}

std::string NormalizeDestDir(const std::string& Text, char DriveLetter) {
    std::string Folder = Text;
    TrimBlanks(Folder);
    // A text without drive is dropped, not kept behind the drive.
    if (DrivePart(Folder).empty()) Folder = std::string(1, DefaultDrive(DriveLetter)) + ":";
    if (!Folder.empty() && LastChar(Folder) == '\\') DeleteLastChar(Folder);
    if (NamePart(Folder).empty() || SameFileName(Folder, GetSpecialFolder(ProgramFilesFolder)))
        Folder = PathCombine(Folder, HomeFolderName);
    return Folder;
}

void DriveTimerTick(TDriveComboBox& Box) {
    DWORD Mask = System().LogicalDrives();
    if (Mask == Box.DriveMask) return;
    DWORD OldMask = Box.DriveMask;
    std::string OldText = Box.SelectedText();
    Box.FillDrives();
    // Compared as numbers, not as sets: when one drive went and another came, the larger
    // mask decides.
    if (Mask > OldMask && SelectArrivedDrive(Box, Mask, OldMask)) return;
    KeepOrLeaveDrive(Box, Mask, OldText);
}
