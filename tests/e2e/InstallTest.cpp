// The installation and the finish action as the word processor finds them afterwards: the
// add-on files with their stored bytes and times, the install stamp, the update log, the
// stored settings and the word processor started from the home folder.
#include <windows.h>
// After windows.h, which leaves it out for lean builds.
#include <oleauto.h>

#include <algorithm>
#include <cstring>

#include "ButtonTable.h"
#include "Payload.h"
#include "ScenarioFixture.h"

namespace e2e {
namespace {

const char* const AddOnFiles[] = {"Russian.asc",   "hunspell.dll", "ru_RU.dic",   "ru_RU.aff",
                                  "userdicru.tlx", "Russian.hyph", "Russian.thes"};

double NowAsDateTime() {
    SYSTEMTIME Now;
    GetLocalTime(&Now);
    double Days = 0;
    SystemTimeToVariantTime(&Now, &Days);
    return Days;
}

std::optional<SYSTEMTIME> LocalWriteTime(const std::string& Path) {
    WIN32_FILE_ATTRIBUTE_DATA Data;
    FILETIME Local;
    SYSTEMTIME Time;
    if (!GetFileAttributesExA(Path.c_str(), GetFileExInfoStandard, &Data) ||
        !FileTimeToLocalFileTime(&Data.ftLastWriteTime, &Local) ||
        !FileTimeToSystemTime(&Local, &Time))
        return std::nullopt;
    return Time;
}

bool SameSecond(const SYSTEMTIME& A, const SYSTEMTIME& B) {
    return A.wYear == B.wYear && A.wMonth == B.wMonth && A.wDay == B.wDay && A.wHour == B.wHour &&
           A.wMinute == B.wMinute && A.wSecond == B.wSecond;
}

// The file holds the entry's bytes and carries its stored time.
void ExpectInstalled(const std::string& Folder, const std::string& Name) {
    SCOPED_TRACE(Join(Folder, Name));
    const auto Entry = FindPayloadEntry(Name);
    ASSERT_TRUE(Entry) << "not in the payload manifest";
    const auto Installed = ReadWholeFile(Join(Folder, Name));
    ASSERT_TRUE(Installed) << "not installed";
    EXPECT_TRUE(Installed == ReadWholeFile(Entry->Source)) << "differs from " << Entry->Source;
    const auto Time = LocalWriteTime(Join(Folder, Name));
    EXPECT_TRUE(Time && SameSecond(*Time, Entry->Stored)) << "not the stored time";
}

void ExpectAllInstalled(const std::string& Folder) {
    for (const char* Name : AddOnFiles) ExpectInstalled(Folder, Name);
}

std::string StampLine(const std::string& StampBytes) {
    static const char Digits[] = "0123456789ABCDEF";
    std::string Line = "*";
    for (unsigned char Byte : StampBytes) {
        Line += Digits[Byte >> 4];
        Line += Digits[Byte & 15];
    }
    return Line;
}

// The log a first installation into Folders leaves: the stamp, then the paths in the
// locale's case-insensitive order, the user dictionary marked as kept by the user.
std::string ExpectedLog(const std::string& StampBytes, const std::vector<std::string>& Folders) {
    std::vector<std::string> Paths;
    for (const std::string& Folder : Folders)
        for (const char* Name : AddOnFiles)
            Paths.push_back(Join(Folder, Name) + (std::strcmp(Name, "userdicru.tlx") ? "" : "\t!"));
    std::sort(Paths.begin(), Paths.end(), [](const std::string& A, const std::string& B) {
        return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE | SORT_STRINGSORT, A.c_str(), -1,
                              B.c_str(), -1) == CSTR_LESS_THAN;
    });
    std::string Log = StampLine(StampBytes) + "\r\n";
    for (const std::string& Path : Paths) Log += Path + "\r\n";
    return Log;
}

std::string StampFile() { return Join(VelmoranDataFolder(), "Hidden\\install_stamp"); }
std::string UpdateLog() { return Join(VelmoranDataFolder(), "Update.log"); }

using Installation = ScenarioTest;

TEST_F(Installation, WritesTheFilesTheRecordsTheSettingsAndStartsTheWordProcessor) {
    ASSERT_TRUE(MakeFolders(Join(VelmoranDataFolder(), "Hidden")));
    // A normal installation replaces even the user dictionary.
    ASSERT_TRUE(MakeFolders(PublicFolder("Spellcheck")));
    ASSERT_TRUE(WriteWholeFile(Join(PublicFolder("Spellcheck"), "userdicru.tlx"), "my own words"));
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WalkTo(5));
    ExpectAllInstalled(PublicFolder("Spellcheck"));
    EXPECT_FALSE(FolderExists(PublicFolder("Orthographe")));
    EXPECT_EQ(IsChecked(Setup->CheckBox(LaunchBoxCaption)), true);

    const double Before = NowAsDateTime();
    ASSERT_TRUE(Press(TButtonRole::Next));
    ASSERT_TRUE(EndsCleanly());
    const double After = NowAsDateTime();

    const auto Stamp = ReadWholeFile(StampFile());
    ASSERT_TRUE(Stamp && Stamp->size() == sizeof(double)) << "no install stamp of 8 bytes";
    double InstallTime = 0;
    std::memcpy(&InstallTime, Stamp->data(), sizeof InstallTime);
    const double Second = 1.0 / 86400;
    EXPECT_GE(InstallTime, Before - 2 * Second);
    EXPECT_LE(InstallTime, After + 2 * Second);
    EXPECT_EQ(ReadWholeFile(UpdateLog()), ExpectedLog(*Stamp, {PublicFolder("Spellcheck")}));

    EXPECT_EQ(ReadInstallValue("MAINDIR"), StringValue(Home));
    EXPECT_EQ(ReadInstallValue("LAUNCH"), DwordValue(1));
    ASSERT_TRUE(WaitUntil([&] { return FileExists(StandInMarker(Home)); }))
        << "the word processor was not started";
    EXPECT_EQ(ReadWholeFile(StandInMarker(Home)), "\"" + Join(Home, "vmr.exe") + "\"");
}

// Which spellchecker folders exist before the installation, and which receive the files.
struct TTargetCase {
    const char* Name;
    std::vector<std::string> Existing;
    std::vector<std::string> Receiving;
};

class TargetFolders : public ScenarioTest, public ::testing::WithParamInterface<TTargetCase> {};

TEST_P(TargetFolders, ReceiveTheFilesAndNoLaunchWhenUnticked) {
    const TTargetCase& Case = GetParam();
    for (const std::string& Folder : Case.Existing) ASSERT_TRUE(MakeFolders(PublicFolder(Folder)));
    ASSERT_TRUE(MakeFolders(Join(VelmoranDataFolder(), "Hidden")));
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WalkTo(5));
    ASSERT_TRUE(SetChecked(Setup->CheckBox(LaunchBoxCaption), false));
    ASSERT_TRUE(Press(TButtonRole::Next));
    ASSERT_TRUE(EndsCleanly());

    std::vector<std::string> Receiving;
    for (const char* Folder : {"Spellcheck", "Orthographe"}) {
        const bool Receives = std::count(Case.Receiving.begin(), Case.Receiving.end(), Folder) > 0;
        if (Receives) {
            ExpectAllInstalled(PublicFolder(Folder));
            Receiving.push_back(PublicFolder(Folder));
        } else {
            EXPECT_TRUE(FolderEntries(PublicFolder(Folder)).empty()) << Folder << " received files";
        }
    }
    const auto Stamp = ReadWholeFile(StampFile());
    ASSERT_TRUE(Stamp) << "no install stamp";
    EXPECT_EQ(ReadWholeFile(UpdateLog()), ExpectedLog(*Stamp, Receiving));
    EXPECT_EQ(ReadInstallValue("LAUNCH"), DwordValue(0));
    EXPECT_FALSE(FileExists(StandInMarker(Home))) << "the word processor was started";
}

INSTANTIATE_TEST_SUITE_P(Installation, TargetFolders,
                         ::testing::Values(TTargetCase{"NeitherFolder", {}, {"Spellcheck"}},
                                           TTargetCase{
                                               "OrthographeOnly", {"Orthographe"}, {"Orthographe"}},
                                           TTargetCase{"BothFolders",
                                                       {"Spellcheck", "Orthographe"},
                                                       {"Spellcheck", "Orthographe"}}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(Installation, FileHeldByAnotherProgramIsRetriedOnTheInstallingPage) {
    ASSERT_TRUE(MakeFolders(PublicFolder("Spellcheck")));
    const std::string Held = Join(PublicFolder("Spellcheck"), "Russian.asc");
    THeldFile Holder(Held);
    ASSERT_TRUE(Holder.Held());
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WalkTo(3));
    ASSERT_TRUE(Press(TButtonRole::Next));
    ASSERT_TRUE(WaitUntil([&] { return Setup->MessageBox() != nullptr; }));
    // The installing page stays shown behind the box.
    EXPECT_EQ(Setup->Title(), "Installing");
    ExpectButtonsOfPage(*Setup, 4);

    ASSERT_TRUE(Asks(FileErrorMessage(Held), IDRETRY));
    ASSERT_TRUE(Asks(FileErrorMessage(Held), IDRETRY));  // still held: asked again
    Holder.Release();
    ASSERT_TRUE(Asks(FileErrorMessage(Held), IDRETRY));
    ASSERT_TRUE(Shows(5));
    ExpectAllInstalled(PublicFolder("Spellcheck"));
    ASSERT_TRUE(Press(TButtonRole::Next));
    EXPECT_TRUE(EndsCleanly());
}

TEST_F(Installation, AbortOnTheThirdFileEndsWithTheSettingsStored) {
    ASSERT_TRUE(MakeFolders(Join(VelmoranDataFolder(), "Hidden")));
    ASSERT_TRUE(MakeFolders(PublicFolder("Spellcheck")));
    const std::string Held = Join(PublicFolder("Spellcheck"), "ru_RU.dic");
    THeldFile Holder(Held);
    ASSERT_TRUE(Holder.Held());
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WalkTo(3));
    ASSERT_TRUE(Press(TButtonRole::Next));
    ASSERT_TRUE(Asks(FileErrorMessage(Held), IDABORT));
    ASSERT_TRUE(EndsCleanly());
    Holder.Release();

    ExpectInstalled(PublicFolder("Spellcheck"), "Russian.asc");
    ExpectInstalled(PublicFolder("Spellcheck"), "hunspell.dll");
    EXPECT_EQ(ReadWholeFile(Held), "");
    for (const char* Name : {"ru_RU.aff", "userdicru.tlx", "Russian.hyph", "Russian.thes"})
        EXPECT_FALSE(FileExists(Join(PublicFolder("Spellcheck"), Name))) << Name;
    EXPECT_EQ(ReadInstallValue("MAINDIR"), StringValue(Home));
    EXPECT_EQ(ReadInstallValue("LAUNCH"), DwordValue(1));
    EXPECT_FALSE(FileExists(StampFile()));
    EXPECT_FALSE(FileExists(UpdateLog()));
    EXPECT_FALSE(FileExists(StandInMarker(Home))) << "the word processor was started";
}

}  // namespace
}  // namespace e2e
