// The install stamp and the update log on disk, under a common application data folder
// moved into a scratch folder.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "AllocationMeter.h"
#include "FakeSystemServices.h"
#include "InstUtils/WinHandles.h"
#include "MainDlg/Installation.h"
#include "MainDlg/UpdateLog.h"
#include "ScratchFolder.h"

namespace {

const double RunTime = 45292.5;
const std::string Stamp = "*00000000901DE640";

class InstallRecords : public ::testing::Test {
protected:
    InstallRecords() {
        std::string Shared = Scratch.Path();
        Shared.pop_back();  // special folders come without a trailing backslash
        Fake.SpecialFolders[CSIDL_COMMON_APPDATA] = Shared;
        ForceDirs(Scratch / "Velmoran\\Public\\Spellcheck");
    }

    TScratchFolder Scratch{"Records"};
    TFakeSystem Fake;
    const std::string LogPath = Scratch / "Velmoran\\Update.log";
    const std::string P1 = Scratch / "Velmoran\\Public\\Spellcheck\\ru_RU.dic";
    const std::string P2 = Scratch / "Velmoran\\Public\\Spellcheck\\Russian.asc";
    const std::string OldLog = "*AAAAAAAAAAAAAAAA\r\n" + P1 + "\r\nforeign\r\n";
};

}  // namespace

TEST_F(InstallRecords, NewLogHoldsTheStampAndTheSortedPaths) {
    ASSERT_TRUE(WriteUpdateLogFile(RunTime, {P2, P1}));
    EXPECT_EQ(ReadBytes(LogPath), Stamp + "\r\n" + P1 + "\r\n" + P2 + "\r\n");
}

TEST_F(InstallRecords, EarlierLogIsMergedAndReplaced) {
    WriteBytes(LogPath, OldLog);
    ASSERT_TRUE(WriteUpdateLogFile(RunTime, {P1}));
    EXPECT_EQ(ReadBytes(LogPath),
              "*AAAAAAAAAAAAAAAA\r\nforeign\r\n" + Stamp + "\r\n" + P1 + "\r\n");
    EXPECT_FALSE(FileExists(LogPath + ".new"));
}

TEST_F(InstallRecords, NoUpdatedFilesLeavesTheLogAlone) {
    EXPECT_TRUE(WriteUpdateLogFile(RunTime, {}));
    EXPECT_FALSE(FileExists(LogPath));
    WriteBytes(LogPath, OldLog);
    EXPECT_TRUE(WriteUpdateLogFile(RunTime, {}));
    EXPECT_EQ(ReadBytes(LogPath), OldLog);
}

// A save that cannot finish reports false and leaves the earlier log byte for byte.
TEST_F(InstallRecords, FailedSaveKeepsTheEarlierLog) {
    WriteBytes(LogPath, OldLog);
    {
        SCOPED_TRACE("read-only log");
        ASSERT_TRUE(SetFileAttributesA(LogPath.c_str(), FILE_ATTRIBUTE_READONLY));
        EXPECT_FALSE(WriteUpdateLogFile(RunTime, {P2}));
        SetFileAttributesA(LogPath.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(ReadBytes(LogPath), OldLog);
        EXPECT_FALSE(FileExists(LogPath + ".new"));
    }
    {
        SCOPED_TRACE("log held open without sharing");
        TFileHandle Lock(CreateFileA(LogPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(Lock);
        EXPECT_FALSE(WriteUpdateLogFile(RunTime, {P2}));
        Lock.Reset();
        EXPECT_EQ(ReadBytes(LogPath), OldLog);
        EXPECT_FALSE(FileExists(LogPath + ".new"));
    }
    {
        SCOPED_TRACE("log held open for reading by the word processor");
        TFileHandle Reader(CreateFileA(LogPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(Reader);
        EXPECT_FALSE(WriteUpdateLogFile(RunTime, {P2}));
        Reader.Reset();
        EXPECT_EQ(ReadBytes(LogPath), OldLog);
    }
}

TEST_F(InstallRecords, LogThatIsAFolderOrHasNoFolderFails) {
    ASSERT_TRUE(CreateDirectoryA(LogPath.c_str(), nullptr));
    EXPECT_FALSE(WriteUpdateLogFile(RunTime, {P1}));
    EXPECT_FALSE(FileExists(LogPath + ".new"));

    Fake.SpecialFolders[CSIDL_COMMON_APPDATA] = Scratch / "Missing";
    EXPECT_FALSE(WriteUpdateLogFile(RunTime, {P1}));
}

// An old log of 100 MB is filtered a piece at a time into the new one, not held in memory.
TEST_F(InstallRecords, HugeLogIsMergedInBoundedMemory) {
    const std::string Foreign = "foreign " + std::string(4000, 'x');
    const std::string Block =
        "*0000000000000000\r\n" + P1 + "\r\n" + Foreign + "\r\n" + P2 + "\r\n";
    {
        std::ofstream Log(LogPath, std::ios::binary);
        std::string Chunk;
        while (Chunk.size() < 1024 * 1024) Chunk += Block;
        for (int Megabyte = 0; Megabyte < 100; ++Megabyte) Log << Chunk;
    }
    const TAllocationMeter Meter;

    ASSERT_TRUE(WriteUpdateLogFile(RunTime, {P1, P2}));

    EXPECT_LT(Meter.PeakGrowth(), 1024u * 1024u);
    const std::string Kept = "*0000000000000000\r\n" + Foreign + "\r\n*0000000000000000\r\n";
    const std::string Tail = Foreign + "\r\n" + Stamp + "\r\n" + P1 + "\r\n" + P2 + "\r\n";
    const std::string New = ReadBytes(LogPath);
    ASSERT_GT(New.size(), 90u * 1024 * 1024);
    EXPECT_EQ(New.compare(0, Kept.size(), Kept), 0);
    EXPECT_EQ(New.compare(New.size() - Tail.size(), Tail.size(), Tail), 0);
}

TEST_F(InstallRecords, InstallStampHoldsTheEightBytes) {
    const std::string StampPath = Scratch / "Velmoran\\Hidden\\install_stamp";
    WriteInstallStamp(RunTime);
    EXPECT_FALSE(DirExists(Scratch / "Velmoran\\Hidden"));  // the folder is not created

    ForceDirs(Scratch / "Velmoran\\Hidden");
    WriteBytes(StampPath, "an older, longer stamp");
    WriteInstallStamp(RunTime);
    EXPECT_EQ(ReadBytes(StampPath), std::string("\x00\x00\x00\x00\x90\x1D\xE6\x40", 8));
    EXPECT_FALSE(FileExists(StampPath + ".new"));
}
