// What the setup touches outside its own process, for the scenarios to prepare and inspect:
// its registry key, the word processor's data folder, the temporary folder, home folders
// with a stand-in "vmr.exe", and running stand-in word processors.
#pragma once

#include <windows.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "Driver.h"
#include "InstUtils/WinHandles.h"

namespace e2e {

// Paths of the build, as this Wine process sees them.
std::string WindowsPath(const std::string& HostPath);  // "/a/b" -> "Z:\a\b"
std::string SetupExe();
std::string StandInExe();  // the stand-in word processor as built

// The registry key under HKEY_CURRENT_USER where the setup keeps MAINDIR and LAUNCH.
inline constexpr const char* InstallKey = "Software\\Velmoran Word Processor\\Install";
struct TRegistryValue {
    DWORD Type = REG_NONE;
    std::string Data;
};
bool operator==(const TRegistryValue& A, const TRegistryValue& B);
void PrintTo(const TRegistryValue& Value, std::ostream* Out);
void DeleteInstallKey();
std::optional<TRegistryValue> ReadInstallValue(const std::string& Name);
bool WriteInstallValue(const std::string& Name, const TRegistryValue& Value);
TRegistryValue DwordValue(DWORD Data);
TRegistryValue StringValue(const std::string& Data);  // stored with its terminating zero

// Files and folders.
std::string SpecialFolder(int Csidl);
std::string Join(const std::string& Folder, const std::string& Name);
bool FolderExists(const std::string& Path);
bool FileExists(const std::string& Path);  // a file, not a folder
bool MakeFolders(const std::string& Path);
void DeleteTree(const std::string& Path);
std::optional<std::string> ReadWholeFile(const std::string& Path);
bool WriteWholeFile(const std::string& Path, const std::string& Content);
std::vector<std::string> FolderEntries(const std::string& Folder);  // names, without . and ..

// The word processor's data folder under the common application data folder
// (C:\ProgramData\Velmoran) and its shared public folder.
std::string VelmoranDataFolder();
std::string PublicFolder(const std::string& SubFolder);  // ...\Velmoran\Public\<SubFolder>

// The setup's temporary files: everything in the temporary folder whose name begins with
// the prefix made from its caption.
inline constexpr const char* TempPrefix = "~VelmoranRussianSpellcheckerSetup";
std::string TempFolder();
std::vector<std::string> SetupTempLeftovers();

// Makes Folder a home folder: it gets a copy of the stand-in as "vmr.exe".
bool PlaceStandIn(const std::string& Folder);
// The scenarios' own folder on drive C:, with home folders in it.
std::string ScenarioRoot();
std::string MakeHomeFolder(const std::string& Name);  // ScenarioRoot()\Name\vmr.exe

// Resets everything above: no key, no data folder, no temporary files of the setup, a fresh
// scenario folder, no stand-in running.
void ResetState();

// A stand-in word processor started by a scenario; it runs until Stop or the object goes.
class TStandIn {
public:
    // Starts ExePath and waits until its window is up (its start marker is written).
    explicit TStandIn(const std::string& ExePath);
    ~TStandIn() { Stop(); }
    TStandIn(const TStandIn&) = delete;
    TStandIn& operator=(const TStandIn&) = delete;

    bool Started() const { return FStarted; }
    void Stop();

private:
    TProcess FProcess;
    bool FStarted = false;
};
// The start marker a stand-in writes beside itself: its command line.
std::string StandInMarker(const std::string& HomeFolder);
// Closes every stand-in window (and ends its process), also those the setup launched.
void CloseStandIns();

// A file held open without sharing, as another program may hold it: the setup cannot
// replace it until Release.
class THeldFile {
public:
    explicit THeldFile(const std::string& Path);
    bool Held() const { return static_cast<bool>(FFile); }
    void Release() { FFile.Reset(); }

private:
    TFileHandle FFile;
};

}  // namespace e2e
