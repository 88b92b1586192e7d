// A scripted stand-in for the system services that Wine cannot stage on demand: message-box
// answers, drives, special folders, the clock and process launch. Install it for a scope
// with TScopedSystemServices; everything else (files, registry, windows) stays real.
#pragma once

#include <windows.h>

#include <cctype>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "InstUtils/SystemServices.h"

struct TFakeDrive {
    UINT Type = DRIVE_FIXED;
    bool VolumeReadable = true;  // false: VolumeInformation fails (no medium)
    std::string Label;
    DWORD Flags = FILE_CASE_PRESERVED_NAMES;
    std::string NetworkName;     // empty: NetworkName fails
    TStorageQueryResult Query = TStorageQueryResult::sqOK;
    TStorageDeviceInfo Device{};  // bus type 0, no removable media
};

struct TRecordedBox {
    HWND Owner;
    std::wstring Text, Caption;
    UINT Style;
    WORD Language;
};

struct TRecordedLaunch {
    std::string CommandLine;
    UINT ShowCommand;
};

class TFakeSystemServices : public TSystemServices {
public:
    // Message boxes: each box takes the front answer; IDOK once the queue is empty.
    std::deque<int> Answers;
    std::vector<TRecordedBox> Boxes;

    // Drives by drive part in upper case: "C:" or "\\SERVER\SHARE". Letter drives make up the
    // logical-drive mask; a root missing from the table is DRIVE_NO_ROOT_DIR.
    std::map<std::string, TFakeDrive> Drives;
    std::vector<std::string> QueriedVolumes;  // drive parts passed to QueryStorageDevice

    // Special folders by CSIDL; an empty path makes the folder unknown (E_FAIL). CSIDLs not
    // listed come from the real system.
    std::map<int, std::string> SpecialFolders;

    std::optional<double> Clock;  // the local date-time Now answers; unset: the real clock

    std::vector<TRecordedLaunch> Launches;
    UINT LaunchResult = 33;  // WinExec's answer: above 31 is success

    TFakeDrive& AddDrive(const std::string& DrivePart, const TFakeDrive& Drive = TFakeDrive()) {
        return Drives[Key(DrivePart)] = Drive;
    }
    void RemoveDrive(const std::string& DrivePart) { Drives.erase(Key(DrivePart)); }

    // Runs as each box appears, before the scripted answer: the moment in which a user
    // would remove the cause of a failure.
    std::function<void()> OnBox;

    int ShowMessageBox(HWND Owner, const std::wstring& Text, const std::wstring& Caption, UINT Style,
                       WORD Language) override {
        if (OnBox) OnBox();
        Boxes.push_back({Owner, Text, Caption, Style, Language});
        if (Answers.empty()) return IDOK;
        int Answer = Answers.front();
        Answers.pop_front();
        return Answer;
    }

    DWORD LogicalDrives() override {
        DWORD Mask = 0;
        for (const auto& Entry : Drives) {
            const std::string& Name = Entry.first;
            if (Name.size() == 2 && Name[1] == ':' && Name[0] >= 'A' && Name[0] <= 'Z')
                Mask |= DWORD(1) << (Name[0] - 'A');
        }
        return Mask;
    }

    UINT DriveType(const std::string& Root) override {
        const TFakeDrive* Drive = Find(Root);
        return Drive ? Drive->Type : UINT(DRIVE_NO_ROOT_DIR);
    }

    bool VolumeInformation(const std::string& Root, std::string& Label, DWORD& Flags) override {
        const TFakeDrive* Drive = Find(Root);
        if (!Drive || !Drive->VolumeReadable) return false;
        Label = Drive->Label;
        Flags = Drive->Flags;
        return true;
    }

    bool NetworkName(const std::string& DrivePart, std::string& RemoteName) override {
        const TFakeDrive* Drive = Find(DrivePart);
        if (!Drive || Drive->NetworkName.empty()) return false;
        RemoteName = Drive->NetworkName;
        return true;
    }

    TStorageQueryResult QueryStorageDevice(const std::string& DrivePart, TStorageDeviceInfo& Info) override {
        QueriedVolumes.push_back(DrivePart);
        const TFakeDrive* Drive = Find(DrivePart);
        if (!Drive) return TStorageQueryResult::sqOpenFailed;
        if (Drive->Query == TStorageQueryResult::sqOK) Info = Drive->Device;
        return Drive->Query;
    }

    HRESULT SpecialFolderPath(int Csidl, std::string& Path) override {
        auto It = SpecialFolders.find(Csidl);
        if (It == SpecialFolders.end()) return TSystemServices::SpecialFolderPath(Csidl, Path);
        if (It->second.empty()) return E_FAIL;
        Path = It->second;
        return S_OK;
    }

    double Now() override { return Clock ? *Clock : TSystemServices::Now(); }

    UINT Launch(const std::string& CommandLine, UINT ShowCommand) override {
        Launches.push_back({CommandLine, ShowCommand});
        return LaunchResult;
    }

private:
    // "c:\", "C:" and "\\srv\share\" all name their table entry.
    static std::string Key(std::string Root) {
        while (!Root.empty() && (Root.back() == '\\' || Root.back() == '/')) Root.pop_back();
        for (char& C : Root) C = char(std::toupper(static_cast<unsigned char>(C)));
        return Root;
    }
    const TFakeDrive* Find(const std::string& Root) const {
        auto It = Drives.find(Key(Root));
        return It == Drives.end() ? nullptr : &It->second;
    }
};

// Puts Services in force for the scope; the real services come back at its end.
class TScopedSystemServices {
public:
    explicit TScopedSystemServices(TSystemServices& Services) { SetSystemServices(&Services); }
    ~TScopedSystemServices() { SetSystemServices(nullptr); }
    TScopedSystemServices(const TScopedSystemServices&) = delete;
    TScopedSystemServices& operator=(const TScopedSystemServices&) = delete;
};

// A fake that is in force for its own lifetime: `TFakeSystem Fake; Fake.Answers.push_back(IDYES);`
class TFakeSystem : public TFakeSystemServices {
public:
    TFakeSystem() : FGuard(*this) {}

private:
    TScopedSystemServices FGuard;
};
