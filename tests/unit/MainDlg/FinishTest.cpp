// Finish on the last page: records, launch, settings, and the window closes with OK.
#include "WizardFixture.h"

#include "InstUtils/WinHandles.h"

namespace {

std::string StoredString(const char* Name) {
    char Data[MAX_PATH] = {};
    DWORD Size = sizeof(Data);
    if (RegGetValueA(HKEY_CURRENT_USER, SettingsKey, Name, RRF_RT_REG_SZ, nullptr, Data, &Size) != ERROR_SUCCESS)
        return "(missing)";
    return Data;
}

DWORD StoredNumber(const char* Name) {
    DWORD Data = 0xFFFF, Size = sizeof(Data);
    RegGetValueA(HKEY_CURRENT_USER, SettingsKey, Name, RRF_RT_REG_DWORD, nullptr, &Data, &Size);
    return Data;
}

}  // namespace

class Finish : public WizardTest {
protected:
    void SetUp() override {
        Fake.Clock = 45292.5;
        ForceDirs(PathCombine(CommonData, "Velmoran\\Hidden"));
        WalkToReadyPage();
        Next();
        ASSERT_EQ(Page(), pgFinish);
    }
};

TEST_F(Finish, RecordsLaunchesStoresAndClosesWithOk) {
    Next();
    EXPECT_EQ(Form->ModalResult(), mrOk);
    EXPECT_TRUE(Form->CloseAllowed);
    EXPECT_EQ(Form->InstallTime, 45292.5);
    EXPECT_TRUE(IsExistingFile(PathCombine(CommonData, "Velmoran\\Hidden\\install_stamp")));
    EXPECT_TRUE(IsExistingFile(PathCombine(CommonData, "Velmoran\\Update.log")));
    ASSERT_EQ(Fake.Launches.size(), 1u);
    EXPECT_EQ(Fake.Launches[0].CommandLine, "\"" + PathCombine(Home, "vmr.exe") + "\"");
    EXPECT_EQ(StoredString("MAINDIR"), Home);
    EXPECT_EQ(StoredNumber("LAUNCH"), 1u);
}

TEST_F(Finish, UntickedLaunchBoxStartsNothingAndStoresZero) {
    Form->FinishChkBx.SetChecked(false);
    Next();
    EXPECT_EQ(Form->ModalResult(), mrOk);
    EXPECT_TRUE(Fake.Launches.empty());
    EXPECT_EQ(StoredNumber("LAUNCH"), 0u);
}

TEST_F(Finish, UpdateLogThatCannotBeWrittenKeepsTheFinishPage) {
    ForceDirs(PathCombine(CommonData, "Velmoran\\Update.log"));  // a folder in the log's place
    Next();
    EXPECT_EQ(Form->ModalResult(), mrNone);
    EXPECT_FALSE(Form->CloseAllowed);
    EXPECT_EQ(Page(), pgFinish);
    EXPECT_TRUE(Fake.Launches.empty());
    EXPECT_EQ(StoredString("MAINDIR"), "(missing)");
}
