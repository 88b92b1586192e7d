#include <gtest/gtest.h>

#include "TestForm.h"

namespace {

// Position and size of a control in the form's client coordinates.
TBounds ClientBounds(const TForm& Form, const TControl& Control) {
    RECT Rect;
    GetWindowRect(Control.Handle(), &Rect);
    MapWindowPoints(HWND_DESKTOP, Form.Handle(), reinterpret_cast<POINT*>(&Rect), 2);
    return {Rect.left, Rect.top, Rect.right - Rect.left, Rect.bottom - Rect.top};
}

void ExpectBounds(const TBounds& Actual, const TBounds& Expected) {
    EXPECT_EQ(Actual.Left, Expected.Left);
    EXPECT_EQ(Actual.Top, Expected.Top);
    EXPECT_EQ(Actual.Width, Expected.Width);
    EXPECT_EQ(Actual.Height, Expected.Height);
}

}  // namespace

TEST(Layout, RowsBecomeWindowsWithTheirRectanglesIdentifiersAndParents) {
    TTestForm Form;
    RECT Client;
    GetClientRect(Form.Handle(), &Client);
    EXPECT_EQ(Client.right, 300);
    EXPECT_EQ(Client.bottom, 200);
    // Identifiers follow the rows from 100 on.
    EXPECT_EQ(Form.Panel.Id(), 100);
    EXPECT_EQ(Form.OkBtn.Id(), 102);
    EXPECT_EQ(Form.Memo.Id(), 111);
    EXPECT_EQ(GetParent(Form.OkBtn.Handle()), Form.Panel.Handle());
    ExpectBounds(ClientBounds(Form, Form.OkBtn), {100, 162, 80, 22});
    // A page lies 4 pixels inside its container.
    ExpectBounds(ClientBounds(Form, Form.NameEdt), {14, 34, 100, 21});
    ExpectBounds(Form.FirstPage.Bounds(), {4, 4, 292, 142});
}

TEST(Layout, WindowsHaveTheClassesAndStylesOfTheirKinds) {
    TTestForm Form;
    char Class[64];
    GetClassNameA(Form.OkBtn.Handle(), Class, sizeof(Class));
    EXPECT_STREQ(Class, "Button");
    GetClassNameA(Form.Memo.Handle(), Class, sizeof(Class));
    EXPECT_STREQ(Class, "Edit");
    LONG MemoStyle = GetWindowLongA(Form.Memo.Handle(), GWL_STYLE);
    EXPECT_TRUE(MemoStyle & ES_MULTILINE);
    EXPECT_TRUE(MemoStyle & ES_READONLY);
    EXPECT_TRUE(MemoStyle & WS_VSCROLL);
    EXPECT_EQ(GetWindowLongA(Form.OkBtn.Handle(), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    LONG FormStyle = GetWindowLongA(Form.Handle(), GWL_STYLE);
    EXPECT_TRUE(FormStyle & WS_SYSMENU);
    EXPECT_FALSE(FormStyle & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    // Children take the form's font unless they have one of their own.
    EXPECT_EQ(Form.NameEdt.Font(), Form.Font());
    EXPECT_NE(Form.Font(), nullptr);
}

TEST(Layout, AutoSizeLabelFitsItsTextAndFollowsIt) {
    TTestForm Form;
    TBounds Short = Form.NameLbl.Bounds();
    EXPECT_GT(Short.Width, 0);
    EXPECT_GT(Short.Height, 0);
    Form.NameLbl.SetText("&Name of the thing:");
    EXPECT_GT(Form.NameLbl.Bounds().Width, Short.Width);
    EXPECT_EQ(Form.NameLbl.Bounds().Height, Short.Height);
}

TEST(Layout, PageControlShowsOnePageAtATime) {
    TTestForm Form;
    EXPECT_EQ(Form.Pages.PageCount(), 2);
    EXPECT_EQ(Form.Pages.ActivePageIndex(), 0);
    EXPECT_TRUE(Form.FirstPage.Visible());
    EXPECT_FALSE(Form.SecondPage.Visible());
    Form.Pages.SetActivePageIndex(1);
    EXPECT_FALSE(Form.FirstPage.Visible());
    EXPECT_TRUE(Form.SecondPage.Visible());
    EXPECT_EQ(Form.SecondPage.PageIndex(), 1);
    EXPECT_THROW(Form.Pages.SetActivePageIndex(2), std::out_of_range);
}
