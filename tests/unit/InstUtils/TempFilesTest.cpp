#include <gtest/gtest.h>

#include <windows.h>

#include "FakeSystemServices.h"
#include "InstUtils/Paths.h"
#include "InstUtils/TempFiles.h"
#include "TestFolders.h"

namespace {

using namespace TestFolders;

const std::string Prefix = "~VelmoranRussianSpellcheckerSetup";

// Points the temporary folder (TMP, which GetTempPath reads first) at a scratch folder,
// given without its trailing backslash.
class TempFiles : public ::testing::Test {
protected:
    TScratchFolder Scratch{"TempFiles"};
    std::string Temp = Scratch / "Temp";

    void SetUp() override {
        char Old[MAX_PATH] = {};
        FHadTmp = GetEnvironmentVariableA("TMP", Old, MAX_PATH) > 0;
        FOldTmp = Old;
        CreateDirectoryA(Temp.c_str(), nullptr);
        SetEnvironmentVariableA("TMP", Temp.c_str());
    }
    void TearDown() override { SetEnvironmentVariableA("TMP", FHadTmp ? FOldTmp.c_str() : nullptr); }

private:
    bool FHadTmp = false;
    std::string FOldTmp;
};

TEST_F(TempFiles, PrefixIsTheLettersOfTheCaption) { EXPECT_EQ(TempFilePrefix(), Prefix); }

TEST_F(TempFiles, TempDirEndsInOneBackslash) { EXPECT_EQ(GetTempDir(), Temp + "\\"); }

TEST_F(TempFiles, AMissingTempFolderGivesWayToTheDocumentsFolder) {
    SetEnvironmentVariableA("TMP", (Scratch / "Missing").c_str());
    TFakeSystem Fake;
    Fake.SpecialFolders[5] = Scratch / "Docs";
    EXPECT_EQ(GetTempDir(), Scratch / "Docs\\");
    Fake.SpecialFolders[5] = "";
    EXPECT_EQ(GetTempDir(), "");
    EXPECT_EQ(MakeTempFileName(), Prefix + "0.tmp");  // a bare name, relative to the current directory
}

TEST_F(TempFiles, NamesSkipFilesAndFolders) {
    const std::string First = Temp + "\\" + Prefix + "0.tmp";
    EXPECT_EQ(MakeTempFileName(), First);
    EXPECT_EQ(MakeTempFileName(), First);  // not reserved
    CreateDirectoryA(First.c_str(), nullptr);
    EXPECT_EQ(MakeTempFileName(), Temp + "\\" + Prefix + "1.tmp");  // no file could be written there
    RemoveDirectoryA(First.c_str());
    MakeFile(First);
    MakeFile(Temp + "\\" + Prefix + "1.tmp");
    EXPECT_EQ(MakeTempFileName(), Temp + "\\" + Prefix + "2.tmp");
}

TEST_F(TempFiles, CleaningRemovesEverythingWithThePrefixAndNothingElse) {
    MakeFile(Temp + "\\" + Prefix + "7.tmp");
    MakeFile(Temp + "\\" + Prefix + ".log");
    MakeFile(Temp + "\\" + Prefix + "3.tmp", "h", FILE_ATTRIBUTE_HIDDEN);
    const std::string Folder = Temp + "\\" + Prefix + "X";
    ForceDirs(Folder + "\\nested");
    MakeFile(Folder + "\\hidden.txt", "h", FILE_ATTRIBUTE_HIDDEN);
    MakeFile(Folder + "\\nested\\f.txt");
    const std::string Kept[] = {
        Temp + "\\~velmoranrussianspellcheckersetup0.tmp",
        Temp + "\\x" + Prefix + "0.tmp",
        Temp + "\\other.tmp",
    };
    for (const std::string& K : Kept) MakeFile(K);

    CleanTempFiles();
    EXPECT_FALSE(Exists(Temp + "\\" + Prefix + "7.tmp"));
    EXPECT_FALSE(Exists(Temp + "\\" + Prefix + ".log"));
    EXPECT_FALSE(Exists(Temp + "\\" + Prefix + "3.tmp"));
    EXPECT_FALSE(Exists(Folder));
    for (const std::string& K : Kept) EXPECT_TRUE(Exists(K)) << K;
    EXPECT_TRUE(Exists(Temp));
}

TEST_F(TempFiles, CleaningNeverEntersAFolderLink) {
    ForceDirs(Scratch / "Target");
    MakeFile(Scratch / "Target\\precious.txt");
    const std::string Link = Temp + "\\" + Prefix + "Link";
    if (!MakeFolderLink(Link, Scratch / "Target")) GTEST_SKIP() << "no folder link can be made here";
    CleanTempFiles();
    EXPECT_TRUE(Exists(Scratch / "Target\\precious.txt"));
    // Wine cannot remove a Unix link through RemoveDirectory; Windows removes the link.
    if (UnixName("C:\\").empty()) {
        EXPECT_FALSE(Exists(Link));
    }
    RemoveFolderLink(Link);
}

}  // namespace
