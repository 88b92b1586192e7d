// The work of the installing page and of the Finish button: where the add-on goes, the
// queue and its writing, the install stamp, the update log and the launch.
#pragma once

#include <array>
#include <string>
#include <vector>

class TAttachedFiles;

// Set once the add-on files have been queued; the main routine then stores the settings.
extern bool FilesQueued;

extern const char* const SubFolders[2];  // "Spellcheck\\", "Orthographe\\"

// The common application data folder, else the user's documents folder.
std::string SharedDataFolder();
// Target folder 0 or 1: beside the home folder when Portable, else under the shared folder.
std::string InstallTarget(const std::string& HomeDir, bool Portable, int Index);

enum class TInstallOutcome { ioDone, ioAborted };
// Queues the seven add-on entries into the targets and writes them.
TInstallOutcome RunInstallation(TAttachedFiles& Files, const std::string& HomeDir);

// The install stamp: the 8 bytes of InstallTime under the shared folder, not created when
// its folder is missing.
void WriteInstallStamp(double InstallTime);
// Merges UpdatedFiles into the update log under a stamp line of InstallTime; false when
// the log could not be read or saved (the previous log is then kept whole).
bool WriteUpdateLogFile(double InstallTime, std::vector<std::string> UpdatedFiles);

// Starts "<home>\vmr.exe"; the result is not examined.
void LaunchWordProcessor(const std::string& HomeDir);
