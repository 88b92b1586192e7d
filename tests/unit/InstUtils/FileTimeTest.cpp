#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "FakeSystemServices.h"
#include "InstUtils/DateTime.h"
#include "InstUtils/Paths.h"
#include "TestFolders.h"

namespace {

using namespace TestFolders;

void SetLocalWriteTime(const std::string& Path, const SYSTEMTIME& Local) {
    FILETIME LocalTime, Utc;
    ASSERT_TRUE(SystemTimeToFileTime(&Local, &LocalTime));
    ASSERT_TRUE(LocalFileTimeToFileTime(&LocalTime, &Utc));
    HANDLE File = CreateFileA(Path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(File, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(SetFileTime(File, nullptr, nullptr, &Utc));
    CloseHandle(File);
}

bool BitEqual(double A, double B) { return std::memcmp(&A, &B, sizeof A) == 0; }

TEST(FileModified, AnOddSecondReadsAsTheEvenSecondBelow) {
    TScratchFolder Scratch("FileModified");
    const std::string File = Scratch / "f.txt";
    MakeFile(File);
    SYSTEMTIME Local = {2021, 2, 0, 10, 13, 45, 31, 789};
    SetLocalWriteTime(File, Local);
    EXPECT_TRUE(BitEqual(GetFileModified(File), EncodeDateTime(2021, 2, 10, 13, 45, 30)));
}

TEST(FileModified, AMissingPathReadsAsTheCurrentTime) {
    TFakeSystem Fake;
    Fake.Clock = 45292.75;
    EXPECT_EQ(GetFileModified("C:\\InstUtilsTest\\no such file.txt"), 45292.75);
    EXPECT_EQ(GetFileModified(""), 45292.75);
}

TEST(FileModified, TheRealClockIsLocalTimeToTheSecond) {
    SYSTEMTIME Before;
    GetLocalTime(&Before);
    double Now = GetFileModified("C:\\InstUtilsTest\\no such file.txt");
    double Earliest = EncodeDateTime(Before.wYear, Before.wMonth, Before.wDay, Before.wHour, Before.wMinute, Before.wSecond);
    EXPECT_GE(Now, Earliest);
    EXPECT_LT(Now, Earliest + 60.0 / 86400);
}

// Stamping a file with an archive entry's time the way extraction does and reading it back
// must give the stored value bit for bit: the install queue compares them with ==.
TEST(FileModified, ArchiveTimesSurviveStampingAndReadingBack) {
    struct TStamp {
        int Year, Month, Day, Hour, Minute, Second;
    };
    const TStamp ArchiveTimes[] = {
        {2021, 2, 10, 11, 58, 46}, {2013, 4, 6, 21, 31, 14}, {2013, 4, 7, 1, 52, 28},
        {2013, 4, 4, 22, 4, 42},   {2013, 4, 5, 5, 20, 2},   {2013, 4, 5, 5, 20, 14},
        {2023, 10, 28, 6, 10, 28}, {2023, 12, 27, 17, 2, 18}, {2016, 4, 17, 20, 20, 14},
        {2019, 4, 12, 3, 37, 30},
    };
    TScratchFolder Scratch("RoundTrip");
    const std::string File = Scratch / "f.bin";
    MakeFile(File);
    for (const TStamp& T : ArchiveTimes) {
        const double Stored = EncodeDateTime(T.Year, T.Month, T.Day, T.Hour, T.Minute, T.Second);
        uint16_t DosDate = 0, DosTime = 0;
        ASSERT_TRUE(DateTimeToDos(Stored, DosDate, DosTime));
        FILETIME Local, Utc;
        ASSERT_TRUE(DosDateTimeToFileTime(DosDate, DosTime, &Local));
        ASSERT_TRUE(LocalFileTimeToFileTime(&Local, &Utc));
        HANDLE Handle = CreateFileW(ToWide(File).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(Handle, INVALID_HANDLE_VALUE);
        ASSERT_TRUE(SetFileTime(Handle, nullptr, nullptr, &Utc));
        CloseHandle(Handle);
        EXPECT_TRUE(BitEqual(GetFileModified(File), Stored))
            << T.Year << "-" << T.Month << "-" << T.Day << " " << T.Hour << ":" << T.Minute << ":" << T.Second;
    }
}

}  // namespace
