// Input the setup did not write itself: stored settings of any registry type and size, and
// "-d" folders with quotes, blanks, a file, a share or a thousand characters. The wizard
// starts with the folder shown as given, its pickers work, the home folder check answers
// with message H or moves on, and the setup still ends cleanly. Then an update log held by
// another program: Finish leaves the wizard on the finish page, and works once it is free.
#include <shlobj.h>

#include <algorithm>
#include <cstring>

#include "ButtonTable.h"
#include "ScenarioFixture.h"

namespace e2e {
namespace {

std::string DefaultHome() { return Join(SpecialFolder(CSIDL_PROGRAM_FILES), "Velmoran"); }

bool SameFolderName(const std::string& A, const std::string& B) {
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, A.c_str(), -1, B.c_str(), -1) ==
           CSTR_EQUAL;
}

std::string Zero(size_t Count = 1) { return std::string(Count, '\0'); }

void Store(const char* Name, DWORD Type, const std::string& Data) {
    ASSERT_TRUE(WriteInstallValue(Name, {Type, Data})) << Name;
}

// A home folder with two blanks in its name.
std::string BlankHome() { return Join(ScenarioRoot(), "My  Home"); }

// Below the home folder, 1000 characters in all, none of it existing.
std::string ThousandCharacters(const std::string& Home) {
    std::string Folder = Home;
    while (Folder.size() + 2 <= 1000) Folder += "\\a";
    return Folder + std::string(1000 - Folder.size(), 'b');
}

struct TStrangeCase {
    const char* Name;
    void (*Prepare)(const std::string& Home);  // settings and folders before the start
    std::string (*Parameters)(const std::string& Home);
    std::string (*Shown)(const std::string& Home);  // in the edit box, exactly
    bool LaunchTicked;
    bool Accepted;  // Next on the home folder page moves on, else message H
};

std::string NoParameters(const std::string&) { return std::string(); }
std::string TheHome(const std::string& Home) { return Home; }
std::string TheDefault(const std::string&) { return DefaultHome(); }

const TStrangeCase StrangeCases[] = {
    {"MainDirStringLaunchString",
     [](const std::string& Home) {
         Store("MAINDIR", REG_SZ, Home + Zero());
         Store("LAUNCH", REG_SZ, "0" + Zero());  // the byte '0' is not 0
     },
     NoParameters, TheHome, true, true},
    {"MainDirExpandStringLaunchTwoBytes",
     [](const std::string& Home) {
         Store("MAINDIR", REG_EXPAND_SZ, Home + Zero());
         Store("LAUNCH", REG_BINARY, Zero(2));
     },
     NoParameters, TheHome, false, true},
    {"MainDirMultiStringLaunchEightBytes",
     [](const std::string& Home) {
         Store("MAINDIR", REG_MULTI_SZ, Home + Zero() + "C:\\Other" + Zero(2));
         Store("LAUNCH", REG_QWORD, Zero(8));
     },
     NoParameters, TheHome, false, true},
    {"MainDirBinaryWithoutZeroLaunchEmpty",
     [](const std::string& Home) {
         Store("MAINDIR", REG_BINARY, Home);
         Store("LAUNCH", REG_BINARY, "");
     },
     NoParameters, TheHome, true, true},
    {"MainDirStringWithoutZero", [](const std::string& Home) { Store("MAINDIR", REG_SZ, Home); },
     NoParameters, TheHome, true, true},
    {"MainDirNone", [](const std::string& Home) { Store("MAINDIR", REG_NONE, Home + Zero()); },
     NoParameters, TheHome, true, true},
    {"MainDirDwordHoldingARootLaunchDwordEmpty",
     [](const std::string&) {
         Store("MAINDIR", REG_DWORD, "C:\\" + Zero());
         Store("LAUNCH", REG_DWORD, "");
     },
     NoParameters, [](const std::string&) { return std::string("C:\\"); }, true, false},
    {"MainDirQwordOfANumberLaunchQwordOne",
     [](const std::string&) {
         Store("MAINDIR", REG_QWORD, "\x07\x01" + Zero(6));
         Store("LAUNCH", REG_QWORD, "\x01" + Zero(7));
     },
     NoParameters, TheDefault, true, false},
    {"MainDirOfSizeZero", [](const std::string&) { Store("MAINDIR", REG_SZ, ""); }, NoParameters,
     TheDefault, true, false},
    {"MainDirOf5000Bytes",
     [](const std::string& Home) {
         Store("MAINDIR", REG_SZ, Home + "\\" + std::string(5000, 'x') + Zero());
     },
     NoParameters, TheDefault, true, false},
    {"MainDirWith5000BytesAfterItsZero",
     [](const std::string& Home) {
         Store("MAINDIR", REG_BINARY, Home + Zero() + std::string(5000, '\xFF'));
     },
     NoParameters, TheHome, true, true},
    {"DashDQuotedWithBlanksInside", [](const std::string&) { PlaceStandIn(BlankHome()); },
     [](const std::string&) { return "\"-d" + BlankHome() + "\""; },
     [](const std::string&) { return BlankHome(); }, true, true},
    {"DashDWithTrailingBlanks", [](const std::string&) {},
     [](const std::string& Home) { return "\"-d" + Home + "  \""; },
     [](const std::string& Home) { return Home + "  "; }, true, true},
    {"DashDNamingAFile", [](const std::string&) {},
     [](const std::string& Home) { return "-d" + Join(Home, "vmr.exe"); },
     [](const std::string& Home) { return Join(Home, "vmr.exe"); }, true, false},
    {"DashDNamingAShare", [](const std::string&) {},
     [](const std::string&) { return std::string("-d\\\\srv\\share\\WP"); },
     [](const std::string&) { return std::string("\\\\srv\\share\\WP"); }, true, false},
    {"DashDOf1000Characters", [](const std::string&) {},
     [](const std::string& Home) { return "-d" + ThousandCharacters(Home); }, ThousandCharacters,
     true, false},
};

class StrangeStart : public ScenarioTest, public ::testing::WithParamInterface<TStrangeCase> {
protected:
    ::testing::AssertionResult EditShows(const std::string& Expected) {
        if (WaitUntil([&] { return SameFolderName(TextOf(Setup->FolderEdit()), Expected); }))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "the edit box shows \"" << TextOf(Setup->FolderEdit()) << "\", not \"" << Expected
               << "\"";
    }
};

TEST_P(StrangeStart, ShowsTheFolderAsGivenAndTheWizardStaysUsable) {
    const TStrangeCase& Case = GetParam();
    Case.Prepare(Home);
    ASSERT_TRUE(Start(Case.Parameters(Home)));
    EXPECT_EQ(IsChecked(Setup->CheckBox(LaunchBoxCaption)), Case.LaunchTicked);
    ASSERT_TRUE(WalkTo(2));
    EXPECT_EQ(TextOf(Setup->FolderEdit()), Case.Shown(Home));

    ASSERT_TRUE(Press(TButtonRole::Next));
    if (Case.Accepted) {
        ASSERT_TRUE(Shows(3));
        ASSERT_TRUE(Press(TButtonRole::Back));
        ASSERT_TRUE(Shows(2));
    } else {
        ASSERT_TRUE(Asks(MessageNoHome, IDOK));
        ASSERT_TRUE(StaysOn(2));
    }

    // Both pickers move to another drive and back, and the edit box follows them.
    const HWND Drives = Setup->DriveBox();
    const HWND List = Setup->FolderList();
    ASSERT_TRUE(Drives && List);
    const int DriveRows = ComboRowCount(Drives);
    ASSERT_GE(DriveRows, 2) << "the prefix has drives C: and Z:";
    ASSERT_TRUE(SelectComboRow(Drives, DriveRows - 1));
    EXPECT_TRUE(WaitUntil([&] {
        const std::string Shown = TextOf(Setup->FolderEdit());
        return Shown.size() > 3 && Shown.substr(1, 2) == ":\\" && tolower(Shown[0]) > 'c';
    })) << TextOf(Setup->FolderEdit());
    ASSERT_TRUE(SelectComboRow(Drives, 0));
    EXPECT_TRUE(EditShows(DefaultHome()));
    ASSERT_TRUE(SelectListRow(List, 0));
    EXPECT_TRUE(EditShows("C:\\Velmoran"));

    ASSERT_TRUE(Press(TButtonRole::Cancel));
    ASSERT_TRUE(Asks(QuitQuestion, IDYES));
    EXPECT_TRUE(EndsCleanly());
}

INSTANTIATE_TEST_SUITE_P(StrangeSettings, StrangeStart, ::testing::ValuesIn(StrangeCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

const char* const AddOnFiles[] = {"Russian.asc",   "hunspell.dll", "ru_RU.dic",   "ru_RU.aff",
                                  "userdicru.tlx", "Russian.hyph", "Russian.thes"};

std::string StampLine(const std::string& StampBytes) {
    static const char Digits[] = "0123456789ABCDEF";
    std::string Line = "*";
    for (unsigned char Byte : StampBytes) {
        Line += Digits[Byte >> 4];
        Line += Digits[Byte & 15];
    }
    return Line;
}

// The block one installation into Folder adds to the log.
std::string LogBlock(const std::string& StampBytes, const std::string& Folder) {
    std::vector<std::string> Paths;
    for (const char* Name : AddOnFiles)
        Paths.push_back(Join(Folder, Name) + (std::strcmp(Name, "userdicru.tlx") ? "" : "\t!"));
    std::sort(Paths.begin(), Paths.end(), [](const std::string& A, const std::string& B) {
        return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE | SORT_STRINGSORT, A.c_str(), -1,
                              B.c_str(), -1) == CSTR_LESS_THAN;
    });
    std::string Block = StampLine(StampBytes) + "\r\n";
    for (const std::string& Path : Paths) Block += Path + "\r\n";
    return Block;
}

using HeldUpdateLog = ScenarioTest;

TEST_F(HeldUpdateLog, FinishStaysOnTheFinishPageUntilTheLogIsFree) {
    const std::string Log = Join(VelmoranDataFolder(), "Update.log");
    const std::string Stamp = Join(VelmoranDataFolder(), "Hidden\\install_stamp");
    const std::string Earlier = "*0000000000000000\r\nC:\\Elsewhere\\ru_RU.dic\r\n";
    ASSERT_TRUE(MakeFolders(Join(VelmoranDataFolder(), "Hidden")));
    ASSERT_TRUE(WriteWholeFile(Log, Earlier));
    ASSERT_TRUE(Start());
    ASSERT_TRUE(WalkTo(5));

    THeldFile Holder(Log);
    ASSERT_TRUE(Holder.Held());
    ASSERT_TRUE(Press(TButtonRole::Next));
    // The stamp is written just before the log: once it is there, the finish action ran.
    ASSERT_TRUE(WaitUntil([&] { return FileExists(Stamp); }));
    ASSERT_TRUE(StaysOn(5));  // and no message
    ExpectButtonsOfPage(*Setup, 5);
    EXPECT_FALSE(ReadInstallValue("MAINDIR")) << "the finish action went on after the log";
    EXPECT_FALSE(FileExists(StandInMarker(Home))) << "the word processor was started";
    EXPECT_FALSE(FileExists(Log + ".new"));

    Holder.Release();
    EXPECT_EQ(ReadWholeFile(Log), Earlier);
    ASSERT_TRUE(DeleteFileA(Stamp.c_str()));
    ASSERT_TRUE(Press(TButtonRole::Next));
    ASSERT_TRUE(EndsCleanly());

    const auto StampBytes = ReadWholeFile(Stamp);
    ASSERT_TRUE(StampBytes && StampBytes->size() == 8) << "no new install stamp";
    EXPECT_EQ(ReadWholeFile(Log), Earlier + LogBlock(*StampBytes, PublicFolder("Spellcheck")));
    EXPECT_EQ(ReadInstallValue("MAINDIR"), StringValue(Home));
    EXPECT_TRUE(WaitUntil([&] { return FileExists(StandInMarker(Home)); }))
        << "the word processor was not started";
}

}  // namespace
}  // namespace e2e
