// The home folder of the word processor: where its first value comes from, the clean-up
// of what the user typed, and the drive timer that makes the pickers follow drives.
#pragma once

#include <string>

class TDriveComboBox;

extern const char* const SettingsKey;  // "Software\\Velmoran Word Processor\\Install"

struct TStoredSettings {
    std::string HomeDir;  // MAINDIR, the default, or the "-d" folder
    bool Launch = true;   // unless LAUNCH exists and reads as 0
};

// Opens (creating) the settings key and reads MAINDIR and LAUNCH; applies the default
// folder under the program files folder and the "-d" parameter of CommandLine (the whole
// command line as the process got it, program name first).
TStoredSettings ReadStoredSettings(const std::string& CommandLine);

// Writes MAINDIR and LAUNCH under the settings key, creating it; failures are ignored.
void StoreSettings(const std::string& HomeDir, bool Launch);

// The cleaned-up folder text: blanks trimmed, a drive supplied, one trailing backslash
// removed, "Velmoran" appended to a root or to the program files folder.
std::string NormalizeDestDir(const std::string& Text, char DriveLetter);

// One tick of the drive timer: refills Box and moves it (and through it the folder list)
// when the logical-drive mask changed.
void DriveTimerTick(TDriveComboBox& Box);
