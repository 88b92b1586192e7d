// The settings in the real registry of the Wine prefix, and the "-d" parameter.
#include <gtest/gtest.h>

#include <string>

#include "FakeSystemServices.h"
#include "InstUtils/Paths.h"
#include "InstUtils/WinHandles.h"
#include "MainDlg/DestDir.h"

namespace {

const std::string Default = "C:\\Program Files\\Velmoran";
const std::string Home = "C:\\RuSpellHome";

class StoredSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Fake.SpecialFolders[38] = "C:\\Program Files";
        RegDeleteTreeA(HKEY_CURRENT_USER, SettingsKey);
        ForceDirs(Home);
    }
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, SettingsKey);
        DeleteTree(Home);
    }

    static void SetValue(const char* Name, DWORD Type, const std::string& Data) {
        TRegKey Key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, Key.Receive(),
                                  nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(Key.Get(), Name, 0, Type, reinterpret_cast<const BYTE*>(Data.data()),
                                 DWORD(Data.size())),
                  ERROR_SUCCESS);
    }

    TFakeSystem Fake;
};

TEST_F(StoredSettingsTest, TheFirstRunCreatesTheKeyAndTakesTheDefault) {
    TStoredSettings Settings = ReadStoredSettings("setup.exe");
    EXPECT_EQ(Settings.HomeDir, Default);
    EXPECT_TRUE(Settings.Launch);
    TRegKey Key;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, KEY_READ, Key.Receive()), ERROR_SUCCESS);
}

TEST_F(StoredSettingsTest, MainDirIsReadUpToItsFirstZeroWhateverItsTypeAndTheDefaultStandsInForAMissingFolder) {
    struct TCase {
        DWORD Type;
        std::string Data;
        std::string HomeDir;
    };
    const TCase Cases[] = {
        {REG_SZ, Home + std::string(1, '\0'), Home},
        {REG_BINARY, Home, Home},  // no terminating zero
        {REG_BINARY, Home + std::string(1, '\0') + "rest", Home},
        {REG_SZ, Home + "\\Deleted" + std::string(1, '\0'), Default},
        {REG_BINARY, std::string(), Default},
        {REG_SZ, Home + "\\" + std::string(5000, 'x') + std::string(1, '\0'), Default},
        {REG_BINARY, Home + "\\" + std::string(5000, 'y'), Default},
    };
    for (const TCase& Case : Cases) {
        SetValue("MAINDIR", Case.Type, Case.Data);
        EXPECT_EQ(ReadStoredSettings("setup.exe").HomeDir, Case.HomeDir) << Case.Data.substr(0, 40);
    }
}

TEST_F(StoredSettingsTest, LaunchIsTickedUnlessItReadsAsZero) {
    EXPECT_TRUE(ReadStoredSettings("setup.exe").Launch);  // missing
    struct TCase {
        DWORD Type;
        std::string Data;
        bool Launch;
    };
    const TCase Cases[] = {
        {REG_DWORD, std::string("\0\0\0\0", 4), false},
        {REG_DWORD, std::string("\1\0\0\0", 4), true},
        {REG_DWORD, std::string("\0\0\0\1", 4), true},
        {REG_BINARY, std::string(), true},  // empty counts as missing
        {REG_BINARY, std::string("\0\0", 2), false},
        {REG_BINARY, std::string("\0\2", 2), true},
        {REG_BINARY, std::string("\0\0\0\0\1", 5), false},  // the first four bytes only
    };
    for (const TCase& Case : Cases) {
        SetValue("LAUNCH", Case.Type, Case.Data);
        EXPECT_EQ(ReadStoredSettings("setup.exe").Launch, Case.Launch) << Case.Data.size() << " bytes";
    }
}

TEST_F(StoredSettingsTest, AFirstParameterDashDGivesTheFolderAsItStands) {
    SetValue("MAINDIR", REG_SZ, Home + std::string(1, '\0'));
    struct TCase {
        std::string CommandLine;
        std::string HomeDir;
    };
    const TCase Cases[] = {
        {"setup.exe -dE:\\WP", "E:\\WP"},  // not checked for existence
        {"setup.exe -d", ""},
        {"setup.exe -DE:\\WP", Home},
        {"setup.exe /s -dE:\\WP", Home},
        {"setup.exe", Home},
        {"setup.exe \"-dC:\\Some Folder\\\"", "C:\\Some Folder\\"},
        {"setup.exe -dC:\\Some\" \"Folder x", "C:\\Some Folder"},
        {"\"C:\\My Setups\\setup.exe\" -dE:\\WP", "E:\\WP"},
        {"\"C:\\My Setups\\setup.exe\"-dE:\\WP", Home},  // all one program name
        {"setup.exe\t-dE:\\A\tB", "E:\\A"},
    };
    for (const TCase& Case : Cases)
        EXPECT_EQ(ReadStoredSettings(Case.CommandLine).HomeDir, Case.HomeDir) << Case.CommandLine;
}

TEST_F(StoredSettingsTest, StoredSettingsReadBack) {
    StoreSettings(Home, false);

    TRegKey Key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, KEY_READ, Key.Receive()), ERROR_SUCCESS);
    DWORD Type = 0, Size = 0;
    ASSERT_EQ(RegQueryValueExA(Key.Get(), "MAINDIR", nullptr, &Type, nullptr, &Size), ERROR_SUCCESS);
    EXPECT_EQ(Type, DWORD(REG_SZ));
    EXPECT_EQ(Size, Home.size() + 1);
    ASSERT_EQ(RegQueryValueExA(Key.Get(), "LAUNCH", nullptr, &Type, nullptr, &Size), ERROR_SUCCESS);
    EXPECT_EQ(Type, DWORD(REG_DWORD));

    TStoredSettings Settings = ReadStoredSettings("setup.exe");
    EXPECT_EQ(Settings.HomeDir, Home);
    EXPECT_FALSE(Settings.Launch);
    StoreSettings(Home, true);
    EXPECT_TRUE(ReadStoredSettings("setup.exe").Launch);
}

}  // namespace
