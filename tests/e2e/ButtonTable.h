// The state of Back, Next and Cancel that each page must show.
#pragma once

#include <gtest/gtest.h>

#include "Wizard.h"

namespace e2e {

struct TButtonsOfPage {
    bool BackShown;
    bool BackEnabled;
    bool NextEnabled;
    const char* NextCaption;
    bool CancelEnabled;
};

inline const TButtonsOfPage ButtonsOfPage[6] = {
    {false, true, true, NextCaption, true},  {true, true, true, NextCaption, true},
    {true, true, true, NextCaption, true},   {true, true, true, NextCaption, true},
    {true, false, false, NextCaption, true}, {true, false, true, FinishCaption, false}};

inline void ExpectButtonsOfPage(const TSetupRun& Setup, int Page) {
    SCOPED_TRACE("buttons of page " + std::to_string(Page));
    const TButtonsOfPage& Expected = ButtonsOfPage[Page];
    const TButtonState Back = Setup.ButtonState(TButtonRole::Back);
    const TButtonState Next = Setup.ButtonState(TButtonRole::Next);
    const TButtonState Cancel = Setup.ButtonState(TButtonRole::Cancel);
    EXPECT_EQ(Back.Caption, BackCaption);
    EXPECT_EQ(Back.Shown, Expected.BackShown);
    if (Expected.BackShown) {
        EXPECT_EQ(Back.Enabled, Expected.BackEnabled);
    }
    EXPECT_TRUE(Next.Shown);
    EXPECT_EQ(Next.Enabled, Expected.NextEnabled);
    EXPECT_EQ(Next.Caption, Expected.NextCaption);
    EXPECT_TRUE(Cancel.Shown);
    EXPECT_EQ(Cancel.Enabled, Expected.CancelEnabled);
    EXPECT_EQ(Cancel.Caption, CancelCaption);
}

}  // namespace e2e
