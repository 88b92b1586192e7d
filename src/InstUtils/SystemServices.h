// The system services that a test cannot stage on demand under Wine: message-box answers,
// the drives (mask, kind, label, network name, storage query), the clock and process
// launch, and the special folders (so that a test can make one unknown). The program uses
// the real implementation; tests install a fake of their own.
// Files, folders, the registry, windows and the current directory are always real.
#pragma once

#include <windows.h>

#include <string>

struct TStorageDeviceInfo {
    DWORD BusType = 0;          // STORAGE_BUS_TYPE: 4 IEEE 1394, 7 USB
    bool RemovableMedia = false;
};

enum class TStorageQueryResult { sqOK, sqOpenFailed, sqQueryFailed };

class TSystemServices {
public:
    virtual ~TSystemServices() = default;

    // MessageBoxExW as called by the setup message box; returns the button id.
    virtual int ShowMessageBox(HWND Owner, const std::wstring& Text, const std::wstring& Caption,
                               UINT Style, WORD Language);
    virtual DWORD LogicalDrives();                                   // GetLogicalDrives
    virtual UINT DriveType(const std::string& Root);                 // GetDriveTypeA
    // GetVolumeInformationA of a root: label and file system flags; false when it fails.
    // Critical-error dialogs (a drive without medium) are off for the call.
    virtual bool VolumeInformation(const std::string& Root, std::string& Label, DWORD& Flags);
    // WNetGetConnectionA of "X:" (261-byte buffer); false when the drive is not connected to
    // a network name.
    virtual bool NetworkName(const std::string& Drive, std::string& RemoteName);
    // Opens the volume \\.\X: and sends IOCTL_STORAGE_QUERY_PROPERTY for the device descriptor.
    virtual TStorageQueryResult QueryStorageDevice(const std::string& DrivePart, TStorageDeviceInfo& Info);
    // SHGetFolderPathA (looked up at start-up) for a CSIDL; S_OK and the path on success,
    // E_NOTIMPL when no special-folder lookup is available.
    virtual HRESULT SpecialFolderPath(int Csidl, std::string& Path);
    virtual double Now();                                            // local date-time
    virtual UINT Launch(const std::string& CommandLine, UINT ShowCommand);  // WinExec
};

// The services in force: the real ones unless a test installed others.
TSystemServices& System();
// Installs Services (not owned) in place of the real ones; nullptr restores the real ones.
void SetSystemServices(TSystemServices* Services);

// Called first by the main routine: DLLs the program loads later come from the system
// folder only, never from the folder the setup was started from (a planted DLL there).
void HardenDllSearch();
// Start-up and exit of the system services: OLE, and the look-up of SHGetFolderPathA.
void InitSystemServices();
void DoneSystemServices();
