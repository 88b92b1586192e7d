// The installation run with the program's own archive: where the seven files go, which of
// them are written, what is recorded for the update log, and the launch.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "AttachFiles/AttachFiles.h"
#include "FakeSystemServices.h"
#include "InstUtils/WinHandles.h"
#include "MainDlg/Installation.h"
#include "ScratchFolder.h"

namespace {

const std::vector<std::string> AddOn = {"Russian.asc",   "hunspell.dll", "ru_RU.dic", "ru_RU.aff",
                                        "userdicru.tlx", "Russian.hyph", "Russian.thes"};

std::vector<std::string> Targets(const TAttachedFiles& Files) {
    std::vector<std::string> Result;
    for (const TFileToInstall& Job : Files.InstallLists[0]) Result.push_back(Job.Target);
    return Result;
}

// The seven files in queue order, in each folder in turn.
std::vector<std::string> Expected(const std::vector<std::string>& Folders,
                                  const std::vector<std::string>& Names = AddOn) {
    std::vector<std::string> Result;
    for (const std::string& Folder : Folders)
        for (const std::string& Name : Names) Result.push_back(Folder + Name);
    return Result;
}

const TAttachedFile& EntryNamed(const TAttachedFiles& Files, const std::string& Name) {
    for (const TAttachedFile& Entry : Files.Entries)
        if (Entry.Name == Name) return Entry;
    throw std::runtime_error("no archive entry " + Name);
}

void SetLastWriteTime(const std::string& Path, WORD Year) {
    TFileHandle File(CreateFileA(Path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    SYSTEMTIME Time{};
    Time.wYear = Year;
    Time.wMonth = Time.wDay = 1;
    FILETIME FileTime{};
    SystemTimeToFileTime(&Time, &FileTime);
    ASSERT_TRUE(SetFileTime(File.Get(), nullptr, nullptr, &FileTime));
}

class InstallationRun : public ::testing::Test {
protected:
    InstallationRun() {
        Fake.SpecialFolders[CSIDL_COMMON_APPDATA] = Scratch / "Common";
        Fake.SpecialFolders[CSIDL_PERSONAL] = Scratch / "Documents";
        ForceDirs(HomeDir);
        FilesQueued = false;
        RecordUpdates = false;
    }

    TScratchFolder Scratch{"Run"};
    TFakeSystem Fake;
    const std::string Public = Scratch / "Common\\Velmoran\\Public\\";
    const std::string Spellcheck = Public + "Spellcheck\\";
    const std::string Orthographe = Public + "Orthographe\\";
    const std::string HomeDir = Scratch / "Home";
};

}  // namespace

TEST_F(InstallationRun, FilesGoIntoTheFoldersThatExist) {
    struct {
        const char* Name;
        bool SpellcheckExists, OrthographeExists;
        std::vector<std::string> Folders;
    } const Cases[] = {
        {"neither folder: Spellcheck is made", false, false, {Spellcheck}},
        {"only Orthographe", false, true, {Orthographe}},
        {"only Spellcheck", true, false, {Spellcheck}},
        {"both, Spellcheck first", true, true, {Spellcheck, Orthographe}},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        DeleteTree(Public);
        if (Case.SpellcheckExists) ForceDirs(Spellcheck);
        if (Case.OrthographeExists) ForceDirs(Orthographe);
        FilesQueued = false;
        TAttachedFiles Files;

        EXPECT_EQ(RunInstallation(Files, HomeDir), TInstallOutcome::ioDone);

        EXPECT_TRUE(FilesQueued);
        const std::vector<std::string> Written = Expected(Case.Folders);
        EXPECT_EQ(Targets(Files), Written);
        for (const std::string& Target : Written) EXPECT_TRUE(FileExists(Target)) << Target;
        EXPECT_EQ(DirExists(Orthographe), Case.OrthographeExists);
    }
}

// A normal installation writes all seven files again, the user dictionary included, with
// their stored times, and records them for the update log.
TEST_F(InstallationRun, NormalInstallationRewritesEveryFile) {
    {
        TAttachedFiles First;
        ASSERT_EQ(RunInstallation(First, HomeDir), TInstallOutcome::ioDone);
    }
    WriteBytes(Spellcheck + "userdicru.tlx", "my own words\r\n");
    TAttachedFiles Files;

    ASSERT_EQ(RunInstallation(Files, HomeDir), TInstallOutcome::ioDone);

    EXPECT_TRUE(Files.ForceReplace);
    EXPECT_EQ(Targets(Files), Expected({Spellcheck}));
    std::vector<std::string> Recorded = Expected({Spellcheck});
    Recorded[4] += "\t!";
    EXPECT_EQ(Files.UpdatedFiles, Recorded);
    for (const std::string& Name : AddOn) {
        const TAttachedFile& Entry = EntryNamed(Files, Name);
        EXPECT_EQ(ReadBytes(Spellcheck + Name).size(), size_t(Entry.Size)) << Name;
        EXPECT_EQ(GetFileModified(Spellcheck + Name), Entry.Time) << Name;
    }
}

// A home folder on a removable drive, or on a fixed disk attached by USB, is a portable
// installation: the files go beside it and only what changed is written.
TEST_F(InstallationRun, PortableInstallationKeepsWhatIsCurrent) {
    TFakeDrive UsbDisk;
    UsbDisk.Device.BusType = 7;
    TFakeDrive Stick;
    Stick.Type = DRIVE_REMOVABLE;
    struct {
        const char* Name;
        TFakeDrive Drive;
    } const Cases[] = {{"removable drive", Stick}, {"fixed disk on USB", UsbDisk}};
    const std::string Beside = HomeDir + "\\Spellcheck\\";
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        DeleteTree(Beside);
        Fake.AddDrive("C:", Case.Drive);
        {
            TAttachedFiles First;
            ASSERT_EQ(RunInstallation(First, HomeDir), TInstallOutcome::ioDone);
            EXPECT_FALSE(First.ForceReplace);
            EXPECT_EQ(Targets(First), Expected({Beside}));
            EXPECT_TRUE(First.UpdatedFiles.empty());
        }
        WriteBytes(Beside + "userdicru.tlx", "my own words\r\n");
        SetLastWriteTime(Beside + "ru_RU.aff", 2001);
        TAttachedFiles Files;

        ASSERT_EQ(RunInstallation(Files, HomeDir), TInstallOutcome::ioDone);

        EXPECT_EQ(Targets(Files), Expected({Beside}, {"Russian.asc", "ru_RU.aff"}));
        EXPECT_EQ(ReadBytes(Beside + "userdicru.tlx"), "my own words\r\n");
        EXPECT_TRUE(Files.UpdatedFiles.empty());
        EXPECT_FALSE(DirExists(Public));
    }
}

TEST_F(InstallationRun, WithoutCommonAppDataTheDocumentsFolderServes) {
    Fake.SpecialFolders[CSIDL_COMMON_APPDATA] = "";
    TAttachedFiles Files;

    ASSERT_EQ(RunInstallation(Files, HomeDir), TInstallOutcome::ioDone);

    EXPECT_EQ(Targets(Files), Expected({Scratch / "Documents\\Velmoran\\Public\\Spellcheck\\"}));
    EXPECT_TRUE(FileExists(Scratch / "Documents\\Velmoran\\Public\\Spellcheck\\ru_RU.dic"));
    EXPECT_TRUE(Files.UpdatedFiles.empty());  // only the common folder is recorded
}

// A folder in the way of the third file: the user gives up in the file error box.
TEST_F(InstallationRun, AbortOnTheThirdFileStopsTheRun) {
    ForceDirs(Spellcheck + "ru_RU.dic");
    Fake.Answers.push_back(IDABORT);
    TAttachedFiles Files;

    EXPECT_EQ(RunInstallation(Files, HomeDir), TInstallOutcome::ioAborted);

    EXPECT_TRUE(FilesQueued);
    ASSERT_EQ(Fake.Boxes.size(), 1u);
    EXPECT_NE(Fake.Boxes[0].Text.find(L"ru_RU.dic"), std::wstring::npos);
    EXPECT_TRUE(FileExists(Spellcheck + "Russian.asc"));
    EXPECT_TRUE(FileExists(Spellcheck + "hunspell.dll"));
    EXPECT_FALSE(FileExists(Spellcheck + "ru_RU.aff"));
}

TEST(Launch, StartsTheWordProcessorOfTheHomeFolder) {
    TFakeSystem Fake;
    LaunchWordProcessor("D:\\Apps\\WP");
    ASSERT_EQ(Fake.Launches.size(), 1u);
    EXPECT_EQ(Fake.Launches[0].CommandLine, "\"D:\\Apps\\WP\\vmr.exe\"");
    EXPECT_EQ(Fake.Launches[0].ShowCommand, UINT(SW_SHOW));
}
