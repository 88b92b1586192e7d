// Settings that no run of the setup wrote: MAINDIR and LAUNCH of every registry type and of
// odd sizes, as another program or a hand-edited import may leave them, and "-d" parameters
// as a shortcut or a script may pass them. MAINDIR reads as its bytes up to the first zero,
// whatever its type; LAUNCH as its first four bytes at most, zero-extended little-endian,
// with a value of size 0 counting as missing.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "FakeSystemServices.h"
#include "InstUtils/Paths.h"
#include "InstUtils/WinHandles.h"
#include "MainDlg/DestDir.h"

namespace {

const std::string Default = "C:\\Program Files\\Velmoran";
// Short names, so that a DWORD or a QWORD can hold a whole existing folder.
const std::string Root = "C:\\";
const std::string Short = "C:\\V";        // 4 bytes
const std::string Deep = "C:\\V\\W";      // 6 bytes
const std::string Deeper = "C:\\V\\WXY";  // 8 bytes

std::string Zero(size_t Count = 1) { return std::string(Count, '\0'); }

class HardeningStoredSettings : public ::testing::Test {
protected:
    void SetUp() override {
        Fake.SpecialFolders[38] = "C:\\Program Files";
        RegDeleteTreeA(HKEY_CURRENT_USER, SettingsKey);
        ForceDirs(Deep);
        ForceDirs(Deeper);
    }
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, SettingsKey);
        DeleteTree(Short);
    }

    static TRegKey Key() {
        TRegKey Key;
        EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, Key.Receive(),
                                  nullptr),
                  ERROR_SUCCESS);
        return Key;
    }
    static void SetValue(const char* Name, DWORD Type, const std::string& Data) {
        ASSERT_EQ(
            RegSetValueExA(Key().Get(), Name, 0, Type, reinterpret_cast<const BYTE*>(Data.data()), DWORD(Data.size())),
            ERROR_SUCCESS);
    }
    // As tools that work in UTF-16 (regedit, .reg imports) store a value.
    static void SetWideValue(const char* Name, DWORD Type, const std::wstring& Data) {
        const std::wstring WideName(Name, Name + strlen(Name));
        ASSERT_EQ(RegSetValueExW(Key().Get(), WideName.c_str(), 0, Type, reinterpret_cast<const BYTE*>(Data.data()),
                                 DWORD(Data.size() * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }

    TFakeSystem Fake;
};

struct TMainDirCase {
    const char* Name;
    DWORD Type;
    std::string Data;
    std::string HomeDir;
};

TEST_F(HardeningStoredSettings, MainDirOfAnyTypeAndSizeReadsUpToItsFirstZero) {
    const TMainDirCase Cases[] = {
        {"string", REG_SZ, Deep + Zero(), Deep},
        {"string without its zero", REG_SZ, Deep, Deep},
        {"string of size 0", REG_SZ, "", Default},
        {"expandable string, not expanded", REG_EXPAND_SZ, Deep + Zero(), Deep},
        {"expandable string naming a variable", REG_EXPAND_SZ, "%SystemDrive%\\V" + Zero(), Default},
        {"string list: its first string", REG_MULTI_SZ, Deeper + Zero() + Deep + Zero(2), Deeper},
        {"string list starting empty", REG_MULTI_SZ, Zero() + Deep + Zero(2), Default},
        {"binary", REG_BINARY, Deep, Deep},
        {"binary of size 0", REG_BINARY, "", Default},
        {"DWORD holding a root", REG_DWORD, Root + Zero(), Root},
        {"DWORD without a zero", REG_DWORD, Short, Short},
        {"DWORD of size 0", REG_DWORD, "", Default},
        {"DWORD of number 1", REG_DWORD, "\1" + Zero(3), Default},
        {"QWORD", REG_QWORD, Deep + Zero(2), Deep},
        {"QWORD without a zero", REG_QWORD, Deeper, Deeper},
        {"none", REG_NONE, Deep + Zero(), Deep},
        {"none of size 0", REG_NONE, "", Default},
        {"5000 bytes after the zero", REG_BINARY, Deep + Zero() + std::string(5000, 'x'), Deep},
        {"5000 bytes without a zero", REG_SZ, Deep + "\\" + std::string(5000, 'y'), Default},
        {"5000 zero bytes", REG_BINARY, Zero(5000), Default},
        {"UTF-16 bytes: the first character", REG_BINARY, std::string("C\0:\0\\\0V\0\0\0", 10), Default},
        {"a file, not a folder", REG_SZ, "C:\\windows\\notepad.exe" + Zero(), Default},
        {"a share", REG_SZ, "\\\\srv\\share\\WP" + Zero(), Default},
        {"relative", REG_SZ, "." + Zero(), Default},
        {"forward slashes", REG_SZ, "C:/V/W" + Zero(), Default},
        {"trailing blank", REG_SZ, Deep + " " + Zero(), Default},
        {"line break inside", REG_SZ, Deep + "\r\n" + Zero(), Default},
    };
    for (const TMainDirCase& Case : Cases) {
        SetValue("MAINDIR", Case.Type, Case.Data);
        EXPECT_EQ(ReadStoredSettings("setup.exe").HomeDir, Case.HomeDir) << Case.Name;
    }
}

TEST_F(HardeningStoredSettings, MainDirStoredInUtf16ReadsInTheAnsiCodePage) {
    SetWideValue("MAINDIR", REG_SZ, std::wstring(L"C:\\V\\W") + L'\0');
    EXPECT_EQ(ReadStoredSettings("setup.exe").HomeDir, Deep);
    SetWideValue("MAINDIR", REG_EXPAND_SZ, L"C:\\V\\WXY");  // without its zero
    EXPECT_EQ(ReadStoredSettings("setup.exe").HomeDir, Deeper);
    // A name the code page cannot write does not name the folder: the default stands in.
    SetWideValue("MAINDIR", REG_SZ, std::wstring(L"C:\\V\\W\x0416") + L'\0');
    EXPECT_EQ(ReadStoredSettings("setup.exe").HomeDir, Default);
}

struct TLaunchCase {
    const char* Name;
    DWORD Type;
    std::string Data;
    bool Launch;
};

TEST_F(HardeningStoredSettings, LaunchReadsItsFirstFourBytesAndSizeZeroCountsAsMissing) {
    const TLaunchCase Cases[] = {
        {"string \"0\": the byte '0' is not zero", REG_SZ, "0" + Zero(), true},
        {"string \"1\"", REG_SZ, "1" + Zero(), true},
        {"empty string: its zero byte", REG_SZ, Zero(), false},
        {"string of size 0", REG_SZ, "", true},
        {"2 bytes 0", REG_BINARY, Zero(2), false},
        {"2 bytes, high byte set", REG_BINARY, Zero() + "\1", true},
        {"1 byte 1", REG_BINARY, "\1", true},
        {"DWORD 0", REG_DWORD, Zero(4), false},
        {"DWORD of size 0", REG_DWORD, "", true},
        {"QWORD 0", REG_QWORD, Zero(8), false},
        {"QWORD 1", REG_QWORD, "\1" + Zero(7), true},
        {"QWORD 2^32: its low four bytes are 0", REG_QWORD, Zero(4) + "\1" + Zero(3), false},
        {"none of size 0", REG_NONE, "", true},
        {"none 0", REG_NONE, Zero(4), false},
        {"5000 bytes, the first four 0", REG_BINARY, Zero(4) + std::string(4996, '\xFF'), false},
    };
    for (const TLaunchCase& Case : Cases) {
        SetValue("LAUNCH", Case.Type, Case.Data);
        EXPECT_EQ(ReadStoredSettings("setup.exe").Launch, Case.Launch) << Case.Name;
    }
}

TEST_F(HardeningStoredSettings, LaunchStoredInUtf16IsReadAsItsAnsiBytes) {
    SetWideValue("LAUNCH", REG_SZ, std::wstring(L"0") + L'\0');  // read as "0" and a zero: 0x30
    EXPECT_TRUE(ReadStoredSettings("setup.exe").Launch);
    SetWideValue("LAUNCH", REG_SZ, std::wstring(1, L'\0'));
    EXPECT_FALSE(ReadStoredSettings("setup.exe").Launch);
}

struct TParameterCase {
    const char* Name;
    std::string CommandLine;
    std::string HomeDir;
};

TEST_F(HardeningStoredSettings, DashDFolderIsTakenAsPassedWhateverItNames) {
    const std::string Long = "C:\\" + std::string(1000, 'L');
    const TParameterCase Cases[] = {
        {"quoted, blanks inside", "setup.exe \"-dC:\\My  Home\\WP\"", "C:\\My  Home\\WP"},
        {"quotes after -d", "setup.exe -d\"C:\\My Home\"", "C:\\My Home"},
        {"unclosed quote runs to the end", "setup.exe -d\"C:\\My Home  ", "C:\\My Home  "},
        {"trailing blanks kept inside quotes", "setup.exe \"-dC:\\V\\W  \"", "C:\\V\\W  "},
        {"trailing blanks outside quotes end it", "setup.exe -dC:\\V\\W   ", Deep},
        {"a file", "setup.exe -dC:\\windows\\notepad.exe", "C:\\windows\\notepad.exe"},
        {"a share", "setup.exe -d\\\\srv\\share\\WP", "\\\\srv\\share\\WP"},
        {"1000 characters", "setup.exe -d" + Long, Long},
        {"only quotes", "setup.exe -d\"\"", ""},
        {"an empty first parameter", "setup.exe \"\" -dC:\\V", Default},
    };
    for (const TParameterCase& Case : Cases)
        EXPECT_EQ(ReadStoredSettings(Case.CommandLine).HomeDir, Case.HomeDir) << Case.Name;
}

}  // namespace
