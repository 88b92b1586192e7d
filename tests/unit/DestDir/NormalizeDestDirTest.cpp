// The clean-up of the home folder text, with the program files folder C:\Program Files.
#include <gtest/gtest.h>

#include <string>

#include "FakeSystemServices.h"
#include "MainDlg/DestDir.h"

namespace {

struct TNormalizeCase {
    std::string Before;
    char DriveLetter;
    std::string After;
};

class NormalizeDestDirTest : public ::testing::TestWithParam<TNormalizeCase> {
protected:
    void SetUp() override { Fake.SpecialFolders[38] = "C:\\Program Files"; }
    TFakeSystem Fake;
};

TEST_P(NormalizeDestDirTest, CleansUpTheText) {
    const TNormalizeCase& Case = GetParam();
    EXPECT_EQ(NormalizeDestDir(Case.Before, Case.DriveLetter), Case.After) << "[" << Case.Before << "]";
}

INSTANTIATE_TEST_SUITE_P(Examples, NormalizeDestDirTest,
                         ::testing::Values(TNormalizeCase{"  C:\\Tools\\App\\  ", 'd', "C:\\Tools\\App"},
                                           TNormalizeCase{"", 'd', "d:\\Velmoran"},
                                           TNormalizeCase{"   ", 'd', "d:\\Velmoran"},
                                           TNormalizeCase{"Apps\\Velmoran", 'd', "d:\\Velmoran"},
                                           TNormalizeCase{"E:\\", 'd', "E:\\Velmoran"},
                                           TNormalizeCase{"E:", 'd', "E:\\Velmoran"},
                                           TNormalizeCase{"c:\\program files\\", 'd', "c:\\program files\\Velmoran"},
                                           TNormalizeCase{"C:\\Data\\\\", 'd', "C:\\Data\\Velmoran"},
                                           TNormalizeCase{"\\\\srv\\share\\WP", 'd', "\\\\srv\\share\\WP"},
                                           TNormalizeCase{"C:\\App\t ", 'd', "C:\\App\t"}));

// Before the pickers have a drive, a text without one goes on the program files drive.
INSTANTIATE_TEST_SUITE_P(NoCurrentDrive, NormalizeDestDirTest,
                         ::testing::Values(TNormalizeCase{"", '\0', "c:\\Velmoran"},
                                           TNormalizeCase{"E:\\WP\\", '\0', "E:\\WP"}));

}  // namespace
