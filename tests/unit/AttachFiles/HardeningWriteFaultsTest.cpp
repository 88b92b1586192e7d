// Faults while an entry is written: each shows the file error box with the path, Ignore
// leaves no half-written file behind, and Retry succeeds once the cause is gone.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "ArchiveBuilder.h"
#include "AttachFiles/AttachFiles.h"
#include "AttachFiles/EntryWriter.h"
#include "FakeSystemServices.h"
#include "InstUtils/DateTime.h"
#include "ScratchFolder.h"

namespace {

const double Stored = EncodeDateTime(2019, 6, 7, 8, 9, 10);
const std::string Content = "0123456789abcdef";


// A full disk: part of the bytes go down, then the write fails.
BOOL WINAPI WriteUntilFull(HANDLE File, LPCVOID Bytes, DWORD Size, LPDWORD Written, LPOVERLAPPED) {
    WriteFile(File, Bytes, Size / 2, Written, nullptr);
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
}

std::wstring ExpectedMessage(const std::string& FileName) {
    return ToWide("Cannot create file \"" + FileName +
                  "\".\rAnother application might already be using this file.\r\rPlease make sure "
                  "that the setup of Velmoran Word Processor is not blocked by your security "
                  "software (firewall/antivirus) in any way.\rYou might want to temporarily disable "
                  "your security software and try again.");
}

std::string Repeat(const std::string& Part, int Count) {
    std::string Text;
    for (int I = 0; I < Count; ++I) Text += Part;
    return Text;
}

void MakeFileAt(const std::string& Path, const std::string& Bytes, DWORD Attributes = 0) {
    ForceDirs(ParentPath(Path));
    WriteTextFile(Path, Bytes);
    if (Attributes) SetFileAttributesW(ToWide(Path).c_str(), Attributes);
}

class WriteFaults : public ::testing::Test {
protected:
    WriteFaults() {
        const std::string Stream = TArchiveBuilder().Add("Data.bin", Stored, Content).Stream();
        Archive = std::make_unique<TAttachedFiles>(Stream.data(), int32_t(Stream.size()));
    }
    ~WriteFaults() override { SetEntryWriter(nullptr); }

    TScratchFolder Folder{"HardeningWriteFaults"};
    TFakeSystem Fake;
    std::unique_ptr<TAttachedFiles> Archive;
};

struct TFault {
    const char* Cause;
    std::string File;  // under the scratch folder
    std::function<void()> Stage, Remove;
    const char* LeftAfterIgnore;  // content still there, or null: no file at all
};

}  // namespace

TEST_F(WriteFaults, EachShowsTheBoxAndRetryWritesTheFileOnceTheCauseIsGone) {
    const std::string ReadOnly = Folder.Path + "readonly.bin", Blocker = Folder.Path + "blocker";
    const TFault Faults[] = {
        {"a full disk", "full.bin", [] { SetEntryWriter(&WriteUntilFull); },
         [] { SetEntryWriter(nullptr); }, nullptr},
        {"a read-only file", "readonly.bin",
         [&] { MakeFileAt(ReadOnly, "old", FILE_ATTRIBUTE_READONLY); },
         [&] { SetFileAttributesW(ToWide(ReadOnly).c_str(), FILE_ATTRIBUTE_NORMAL); }, "old"},
        {"a file in place of a folder", "blocker\\sub\\Data.bin", [&] { MakeFileAt(Blocker, "b"); },
         [&] { DeleteFileW(ToWide(Blocker).c_str()); }, nullptr},
    };
    for (const TFault& Fault : Faults) {
        SCOPED_TRACE(Fault.Cause);
        const std::string Path = Folder.Path + Fault.File;
        Fault.Stage();
        Fake.Boxes.clear();
        Fake.OnBox = nullptr;
        Fake.Answers = {IDIGNORE};
        EXPECT_TRUE(Archive->ExtractFile(nullptr, "Data.bin", Path));
        ASSERT_EQ(Fake.Boxes.size(), 1u);
        EXPECT_EQ(Fake.Boxes[0].Text, ExpectedMessage(Path));
        EXPECT_EQ(Fake.Boxes[0].Style, UINT(MB_ICONERROR | MB_ABORTRETRYIGNORE | MB_TASKMODAL));
        if (Fault.LeftAfterIgnore)
            EXPECT_EQ(ReadWholeFile(Path), Fault.LeftAfterIgnore);  // not replaced
        else
            EXPECT_FALSE(IsExistingFile(Path));  // nothing half-written passes for the entry

        Fake.Boxes.clear();
        Fake.OnBox = Fault.Remove;
        Fake.Answers = {IDRETRY};
        EXPECT_TRUE(Archive->ExtractFile(nullptr, "Data.bin", Path));
        EXPECT_EQ(Fake.Boxes.size(), 1u);
        EXPECT_EQ(ReadWholeFile(Path), Content);
        EXPECT_EQ(GetFileModified(Path), Stored);
    }
}

// Paths the system's narrow calls cannot reach are refused whole, on every platform: the
// box names the whole path, Retry cannot help, Abort ends the extraction with nothing made.
TEST_F(WriteFaults, APathTooLongShowsTheWholePathAndCreatesNothing) {
    const std::string Paths[] = {
        Folder.Path + "long\\" + Repeat("abcdefghij\\", 30) + "Data.bin",
        Folder.Path + "sub\\" + std::string(300, 'n') + ".bin",  // no file system takes the name
    };
    for (const std::string& Path : Paths) {
        SCOPED_TRACE(Path.size());
        Fake.Boxes.clear();
        Fake.Answers = {IDRETRY, IDABORT};
        EXPECT_FALSE(Archive->ExtractFile(nullptr, "Data.bin", Path));
        ASSERT_EQ(Fake.Boxes.size(), 2u);
        EXPECT_EQ(Fake.Boxes[0].Text, ExpectedMessage(Path));
        EXPECT_EQ(Fake.Boxes[1].Text, ExpectedMessage(Path));
    }
    EXPECT_FALSE(DirExists(Folder.Path + "sub"));  // refused before any folder is made
}
