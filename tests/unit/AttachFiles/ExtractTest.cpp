// Writing an archive entry to a file: content, stored time, and the Abort/Retry/Ignore box.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "ArchiveBuilder.h"
#include "AttachFiles/AttachFiles.h"
#include "AttachFiles/EntryWriter.h"
#include "FakeSystemServices.h"
#include "InstUtils/DateTime.h"
#include "InstUtils/WinHandles.h"
#include "ScratchFolder.h"

namespace {

const double T1 = EncodeDateTime(2013, 4, 6, 21, 31, 14);
const double T2 = EncodeDateTime(2021, 2, 10, 11, 58, 46);


// Puts a writer in force for the scope.
class TScopedEntryWriter {
public:
    explicit TScopedEntryWriter(TWriteFileFunction Writer) { SetEntryWriter(Writer); }
    ~TScopedEntryWriter() { SetEntryWriter(nullptr); }
};

// A full disk: the write takes half the bytes and reports them as written.
BOOL WINAPI WriteHalf(HANDLE File, LPCVOID Bytes, DWORD Size, LPDWORD Written, LPOVERLAPPED Overlapped) {
    return WriteFile(File, Bytes, Size / 2, Written, Overlapped);
}

std::wstring ExpectedMessage(const std::string& FileName) {
    return ToWide("Cannot create file \"" + FileName +
                  "\".\rAnother application might already be using this file.\r\rPlease make sure "
                  "that the setup of Velmoran Word Processor is not blocked by your security "
                  "software (firewall/antivirus) in any way.\rYou might want to temporarily disable "
                  "your security software and try again.");
}

// Opens an existing file for reading, shared with nobody, as another program might.
TFileHandle HoldWithoutSharing(const std::string& Path) {
    return TFileHandle(CreateFileW(ToWide(Path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
}

class ExtractFileTest : public ::testing::Test {
protected:
    ExtractFileTest() {
        const std::string Stream = TArchiveBuilder()
                                       .Add("empty.dat", T1, "")
                                       .Add("License.txt", T1, "first licence")
                                       .Add("Data.bin", T2, "0123456789")
                                       .Add("License.txt", T2, "second licence")
                                       .Stream();
        Archive = std::make_unique<TAttachedFiles>(Stream.data(), int32_t(Stream.size()));
    }

    TScratchFolder Folder{"AttachFilesExtract"};
    TFakeSystem Fake;
    std::unique_ptr<TAttachedFiles> Archive;
};

}  // namespace

TEST_F(ExtractFileTest, WritesTheEntryWithItsStoredTime) {
    struct TCase {
        const char* Name;
        const char* File;
        const char* Existing;  // content there before, or null
        const char* Content;
        double Time;
    } Cases[] = {
        {"empty.dat", "empty.dat", nullptr, "", T1},
        {"Data.bin", "longer.bin", "a much longer file that was here before", "0123456789", T2},
        {"Data.bin", "new\\deep\\chain\\Data.bin", nullptr, "0123456789", T2},
        {"License.txt", "dup.txt", nullptr, "second licence", T2},  // the last of the name
        {"license.TXT", "case.txt", nullptr, "second licence", T2},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.File);
        const std::string Path = Folder.Path + C.File;
        if (C.Existing) WriteTextFile(Path, C.Existing);
        EXPECT_TRUE(Archive->ExtractFile(nullptr, C.Name, Path));
        EXPECT_EQ(ReadWholeFile(Path), C.Content);
        EXPECT_TRUE(IsExistingFile(Path));
        EXPECT_EQ(GetFileModified(Path), C.Time);  // bit for bit, as the replace rule compares
    }
    EXPECT_TRUE(Fake.Boxes.empty());
}

TEST_F(ExtractFileTest, AGivenEntryIsWrittenWhateverTheName) {
    const std::string Path = Folder.Path + "given.txt";
    EXPECT_TRUE(Archive->ExtractFile(&Archive->Entries[1], "Data.bin", Path));
    EXPECT_EQ(ReadWholeFile(Path), "first licence");
    EXPECT_EQ(GetFileModified(Path), T1);
}

TEST_F(ExtractFileTest, UnknownNameWritesNothingAndAsksNothing) {
    const std::string Path = Folder.Path + "none.txt";
    EXPECT_FALSE(Archive->ExtractFile(nullptr, "Missing.txt", Path));
    EXPECT_FALSE(IsExistingFile(Path));
    EXPECT_TRUE(Fake.Boxes.empty());
}

TEST_F(ExtractFileTest, TimesRoundDownToTwoSecondsOrAreLeftWhenOutOfRange) {
    const double Now = System().Now();
    struct TCase {
        const char* File;
        double Stored;
        double Expected;  // 0: the time of writing
    } Cases[] = {
        {"odd.dat", EncodeDateTime(2013, 4, 7, 1, 52, 29), EncodeDateTime(2013, 4, 7, 1, 52, 28)},
        {"first.dat", EncodeDateTime(1980, 1, 1, 0, 0, 0), EncodeDateTime(1980, 1, 1, 0, 0, 0)},
        {"before.dat", EncodeDateTime(1979, 12, 31, 23, 59, 58), 0},
        {"after.dat", EncodeDateTime(2100, 1, 1, 0, 0, 0), 0},
        {"nan.dat", std::nan(""), 0},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.File);
        const std::string Stream = TArchiveBuilder().Add("x", C.Stored, "abc").Stream();
        TAttachedFiles Single(Stream.data(), int32_t(Stream.size()));
        const std::string Path = Folder.Path + C.File;
        ASSERT_TRUE(Single.ExtractFile(nullptr, "x", Path));
        ASSERT_TRUE(IsExistingFile(Path));
        if (C.Expected != 0)
            EXPECT_EQ(GetFileModified(Path), C.Expected);
        else
            EXPECT_NEAR(GetFileModified(Path), Now, 10.0 / 1440);  // within ten minutes
    }
}

TEST_F(ExtractFileTest, BoxForAFileHeldOpenThenRetryAfterRelease) {
    const std::string Path = Folder.Path + "held.bin";
    WriteTextFile(Path, "old");
    TFileHandle Held = HoldWithoutSharing(Path);
    ASSERT_TRUE(Held);
    Fake.OnBox = [&] { Held.Reset(); };  // the other program lets go while the box is up
    Fake.Answers = {IDRETRY};

    EXPECT_TRUE(Archive->ExtractFile(nullptr, "Data.bin", Path));

    ASSERT_EQ(Fake.Boxes.size(), 1u);
    EXPECT_EQ(Fake.Boxes[0].Text, ExpectedMessage(Path));
    EXPECT_EQ(Fake.Boxes[0].Caption, L"Velmoran Russian Spellchecker - Setup");
    EXPECT_EQ(Fake.Boxes[0].Style, UINT(MB_ICONERROR | MB_ABORTRETRYIGNORE | MB_TASKMODAL));
    EXPECT_EQ(ReadWholeFile(Path), "0123456789");
    EXPECT_EQ(GetFileModified(Path), T2);
}

TEST_F(ExtractFileTest, RetryAsksAgainAsLongAsTheFileIsHeld) {
    const std::string Path = Folder.Path + "held.bin";
    WriteTextFile(Path, "old");
    TFileHandle Held = HoldWithoutSharing(Path);
    Fake.Answers = {IDRETRY, IDRETRY, IDABORT};

    EXPECT_FALSE(Archive->ExtractFile(nullptr, "Data.bin", Path));

    EXPECT_EQ(Fake.Boxes.size(), 3u);
    Held.Reset();
    EXPECT_EQ(ReadWholeFile(Path), "old");  // nothing rolled back, nothing written
}

TEST_F(ExtractFileTest, IgnoreCountsAsWrittenAndLeavesTheFileAsItWas) {
    const std::string Path = Folder.Path + "held.bin";
    WriteTextFile(Path, "old");
    TFileHandle Held = HoldWithoutSharing(Path);
    Fake.Answers = {IDIGNORE};

    EXPECT_TRUE(Archive->ExtractFile(nullptr, "Data.bin", Path));

    EXPECT_EQ(Fake.Boxes.size(), 1u);
    Held.Reset();
    EXPECT_EQ(ReadWholeFile(Path), "old");
}

TEST_F(ExtractFileTest, AFolderInTheWayFailsLikeALockedFile) {
    const std::string Path = Folder.Path + "Data.bin";
    ForceDirs(Path);
    Fake.Answers = {IDABORT};
    EXPECT_FALSE(Archive->ExtractFile(nullptr, "Data.bin", Path));
    EXPECT_EQ(Fake.Boxes.size(), 1u);
}

TEST_F(ExtractFileTest, AWriteThatStopsShortFailsAndLeavesNoFile) {
    const std::string Path = Folder.Path + "short.bin";
    {
        TScopedEntryWriter Full(&WriteHalf);
        Fake.Answers = {IDIGNORE};
        EXPECT_TRUE(Archive->ExtractFile(nullptr, "Data.bin", Path));
        EXPECT_EQ(Fake.Boxes.size(), 1u);
        EXPECT_FALSE(IsExistingFile(Path));  // the half-written file is gone
    }
    {
        TScopedEntryWriter Full(&WriteHalf);
        Fake.OnBox = [] { SetEntryWriter(nullptr); };  // space freed while the box is up
        Fake.Answers = {IDRETRY};
        EXPECT_TRUE(Archive->ExtractFile(nullptr, "Data.bin", Path));
        EXPECT_EQ(Fake.Boxes.size(), 2u);
        EXPECT_EQ(ReadWholeFile(Path), "0123456789");
    }
}
