#include <gtest/gtest.h>

#include <windows.h>

#include "InstUtils/Paths.h"

namespace {

struct TPathCase {
    const char* Path;
    const char* Expected;
};

TEST(PathText, AddBackslashEndsInExactlyOneBackslash) {
    const TPathCase Cases[] = {
        {"", ""}, {"C:", "C:\\"}, {"C:\\", "C:\\"}, {"C:\\a", "C:\\a\\"}, {"C:\\a/", "C:\\a\\"},
        {"C:/a/b", "C:/a/b\\"}, {"\\\\srv\\share", "\\\\srv\\share\\"}, {"name", "name\\"},
    };
    for (const TPathCase& C : Cases) {
        std::string Path = C.Path;
        AddBackslash(Path);
        EXPECT_EQ(Path, C.Expected) << "'" << C.Path << "'";
    }
}

TEST(PathText, PathCombinePutsOneBackslashBetweenFolderAndName) {
    EXPECT_EQ(PathCombine("", "vmr.exe"), "vmr.exe");
    EXPECT_EQ(PathCombine("C:\\x\\", "a"), "C:\\x\\a");
    EXPECT_EQ(PathCombine("C:\\x", "a"), "C:\\x\\a");
    EXPECT_EQ(PathCombine("C:\\x/", "a\\b"), "C:\\x\\a\\b");
    EXPECT_EQ(PathCombine("C:\\x", ""), "C:\\x\\");
}

TEST(PathText, ParentPathAndNamePartSplitAtTheLastBackslashOrColon) {
    struct TSplit {
        const char* Path;
        const char* Parent;
        const char* Name;
    };
    const TSplit Cases[] = {
        {"C:\\a\\b.txt", "C:\\a\\", "b.txt"},
        {"C:\\a\\", "C:\\a\\", ""},
        {"C:", "C:", ""},
        {"C:b.txt", "C:", "b.txt"},
        {"b.txt", "", "b.txt"},
        {"", "", ""},
        {"\\\\srv\\share\\x", "\\\\srv\\share\\", "x"},
        {"C:/a/b.txt", "C:", "/a/b.txt"},  // a slash is no separator here
    };
    for (const TSplit& C : Cases) {
        EXPECT_EQ(ParentPath(C.Path), C.Parent) << "'" << C.Path << "'";
        EXPECT_EQ(NamePart(C.Path), C.Name) << "'" << C.Path << "'";
    }
}

TEST(PathText, TheSecondByteOfADoubleByteCharacterIsNoSeparator) {
    // Shift-JIS 0x95 0x5C is one character whose second byte is the backslash's code.
    const std::string Path = "C:\\dir\\\x95\x5C.txt";
    EXPECT_EQ(LastPathDelimiter(Path, 932), 6u);
    EXPECT_EQ(LastPathDelimiter(Path, 1252), 8u);
    // A lead byte at the very end reads nothing past the string.
    EXPECT_EQ(LastPathDelimiter("C:\\a\x95", 932), 2u);
}

TEST(PathText, DrivePartIsTheDriveOrTheServerAndShare) {
    const TPathCase Cases[] = {
        {"C:\\a\\b", "C:"}, {"c:", "c:"}, {"C:rel", "C:"}, {"\\\\srv\\share\\dir", "\\\\srv\\share"},
        {"\\\\srv\\share", "\\\\srv\\share"}, {"\\\\srv\\share\\", "\\\\srv\\share"}, {"\\\\srv", "\\\\srv"},
        {"\\\\", "\\\\"}, {"\\a\\b", ""}, {"a\\b", ""}, {"C", ""}, {"", ""},
    };
    for (const TPathCase& C : Cases) EXPECT_EQ(DrivePart(C.Path), C.Expected) << "'" << C.Path << "'";
}

TEST(PathText, SameFileNameIgnoresCaseButNothingElse) {
    struct TPair {
        const char* A;
        const char* B;
        bool Same;
    };
    const TPair Cases[] = {
        {"C:\\Temp\\", "c:\\TEMP\\", true},
        {"C:\\Temp", "C:\\Temp\\", false},
        {"", "", true},
        {"C:\\a\\..\\b", "C:\\b", false},
        {"C:\\a/b", "C:\\a\\b", false},
        {"C:\\\xE9t\xE9", "c:\\\xC9T\xC9", true},  // é and É in the ANSI code page 1252
    };
    for (const TPair& C : Cases) EXPECT_EQ(SameFileName(C.A, C.B), C.Same) << C.A << " / " << C.B;
    EXPECT_FALSE(SameFileName("C:\\a", std::string("C:\\a\0", 5)));  // lengths differ
}

TEST(PathText, CharacterHelpersLeaveTheEmptyStringAlone) {
    EXPECT_EQ(LastChar(""), '\0');
    EXPECT_EQ(LastChar("C:\\"), '\\');
    std::string Text;
    DeleteFirstChar(Text);
    DeleteLastChar(Text);
    EXPECT_EQ(Text, "");
    Text = "abc";
    DeleteFirstChar(Text);
    EXPECT_EQ(Text, "bc");
    DeleteLastChar(Text);
    EXPECT_EQ(Text, "b");
}

TEST(PathText, ToWideMapsEveryByteThroughCodePage1252) {
    EXPECT_EQ(ToWide(""), L"");
    EXPECT_EQ(ToWide("C:\\Caf\xE9"), L"C:\\Caf\u00E9");
    EXPECT_EQ(ToWide("\x80\x9F\xFF"), L"\u20AC\u0178\u00FF");  // not Latin-1: 0x80 is the euro sign
    EXPECT_EQ(ToWide(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));  // one unit per byte
}

}  // namespace
