// The wizard window in a test: the program's own archive, scripted message boxes, a drive
// table with C: only, the shared data folder and a home folder in a scratch folder, no
// stored settings, no leftover temporary files.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AttachFiles/AttachFiles.h"
#include "FakeSystemServices.h"
#include "InstUtils/Paths.h"
#include "InstUtils/TempFiles.h"
#include "MainDlg/DestDir.h"
#include "MainDlg/Installation.h"
#include "MainDlg/MainDlgForm.h"


// A top-level window marked as a running word processor, for its lifetime.
class TRunningWordProcessor {
public:
    TRunningWordProcessor() : FWindow(CreateWindowExA(0, "Static", "vmr", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                                      GetModuleHandleA(nullptr), nullptr)) {
        SetPropA(FWindow, "1.x Quorvantel", reinterpret_cast<HANDLE>(1));
    }
    ~TRunningWordProcessor() {
        RemovePropA(FWindow, "1.x Quorvantel");
        DestroyWindow(FWindow);
    }
    TRunningWordProcessor(const TRunningWordProcessor&) = delete;
    TRunningWordProcessor& operator=(const TRunningWordProcessor&) = delete;

private:
    HWND FWindow;
};

// Makes every temporary file name unwritable for its lifetime: TMP and TEMP name a missing
// folder, so the user's documents folder takes the temporary folder's place, and that lies
// under a file.
class TUnwritableTempFolder {
public:
    TUnwritableTempFolder(TFakeSystemServices& Fake, const std::string& Scratch) : FFake(Fake) {
        for (const char* Name : {"TMP", "TEMP"}) {
            char Value[MAX_PATH] = {};
            GetEnvironmentVariableA(Name, Value, MAX_PATH);
            FSaved.push_back(Value);
            SetEnvironmentVariableA(Name, (Scratch + "Missing").c_str());
        }
        WriteTextFile(Scratch + "Blocker", "x");
        Fake.SpecialFolders[CSIDL_PERSONAL] = Scratch + "Blocker\\Documents";
    }
    ~TUnwritableTempFolder() {
        SetEnvironmentVariableA("TMP", FSaved[0].c_str());
        SetEnvironmentVariableA("TEMP", FSaved[1].c_str());
        FFake.SpecialFolders.erase(CSIDL_PERSONAL);
    }
    TUnwritableTempFolder(const TUnwritableTempFolder&) = delete;
    TUnwritableTempFolder& operator=(const TUnwritableTempFolder&) = delete;

private:
    TFakeSystemServices& FFake;
    std::vector<std::string> FSaved;
};

class WizardTest : public ::testing::Test {
protected:
    WizardTest() {
        Fake.AddDrive("C:");
        Scratch = GetTempDir() + "WizardTest\\";
        DeleteTree(Scratch);
        ForceDirs(Home);
        ForceDirs(CommonData);
        WriteTextFile(PathCombine(Home, "vmr.exe"), "MZ");
        Fake.SpecialFolders[CSIDL_COMMON_APPDATA] = CommonData;
        RegDeleteTreeA(HKEY_CURRENT_USER, SettingsKey);
        CleanTempFiles();
        FilesQueued = false;
        AttachedFiles->InstallLists[0].clear();
        AttachedFiles->UpdatedFiles.clear();
        Form = std::make_unique<TMainDlgForm>();
    }
    ~WizardTest() override {
        Form.reset();
        DeleteTree(Scratch);
    }

    // Moves on from the page shown as the Next button does.
    void Next() { Form->BNClick(Form->NextBtn); }
    void Back() { Form->BNClick(Form->BackBtn); }
    int Page() const { return Form->PgCtrl.ActivePageIndex(); }

    // Walks to the ready page with the home folder typed in.
    void WalkToReadyPage() {
        Next();
        Next();
        Form->DestDirEdt.SetText(Home);
        Next();
        ASSERT_EQ(Page(), pgStart);
    }

    TFakeSystem Fake;
    std::string Scratch;
    std::string Home = GetTempDir() + "WizardTest\\Home\\WP";
    std::string CommonData = GetTempDir() + "WizardTest\\Common";
    std::unique_ptr<TMainDlgForm> Form;
};

// The text and style of the one box shown, for comparison with what is expected.
inline std::string Narrow(const std::wstring& Text) { return std::string(Text.begin(), Text.end()); }
