#include <gtest/gtest.h>

#include <windows.h>

#include "FakeSystemServices.h"
#include "InstUtils/SystemLibraries.h"
#include "InstUtils/SystemServices.h"
#include "TestFolders.h"

namespace {

using namespace TestFolders;

TEST(SystemServices, StartUpFindsTheSpecialFolderLookup) {
    HardenDllSearch();
    InitSystemServices();
    EXPECT_NE(FolderPathFunction(), nullptr);
    std::string Path;
    EXPECT_EQ(System().SpecialFolderPath(35, Path), S_OK);
    EXPECT_EQ(Path, "C:\\ProgramData");
    DoneSystemServices();
}

// A DLL lying in the current directory (a downloads folder, say) is never picked up.
TEST(SystemServices, LibrariesComeFromTheSystemFolderOnly) {
    TScratchFolder Scratch("Planted");
    TKeepCurrentDir Keep;
    MakeFile(Scratch / "plantedlib.dll", "not a DLL");
    ASSERT_TRUE(SetCurrentDirectoryA(Scratch.Path().c_str()));
    TModuleHandle Planted = LoadSystemLibrary("plantedlib.dll");
    DWORD Error = GetLastError();
    EXPECT_FALSE(Planted);
    EXPECT_EQ(Error, DWORD(ERROR_MOD_NOT_FOUND));
    EXPECT_TRUE(LoadSystemLibrary("shell32.dll"));
}

TEST(SystemServices, FakeIsInForceForItsScopeOnly) {
    TSystemServices* Real = &System();
    {
        TFakeSystem Fake;
        EXPECT_EQ(&System(), static_cast<TSystemServices*>(&Fake));
        Fake.AddDrive("c:");
        Fake.AddDrive("Z:\\");
        Fake.AddDrive("\\\\srv\\share");
        EXPECT_EQ(System().LogicalDrives(), DWORD((1 << 2) | (1 << 25)));
    }
    EXPECT_EQ(&System(), Real);
}

}  // namespace
