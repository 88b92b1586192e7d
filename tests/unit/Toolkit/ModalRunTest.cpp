// The modal run, its close query and the keyboard of a dialog, driven by posted messages.
#include <gtest/gtest.h>

#include <deque>

#include "FakeSystemServices.h"
#include "ModalRun.h"
#include "TestForm.h"

namespace {

// A form whose close query gives scripted answers and counts the questions.
class TQueriedForm : public TTestForm {
public:
    TQueriedForm() {
        OnCloseQuery = [this](TForm&, bool& CanClose) {
            ++Questions;
            CanClose = Answers.empty() || Answers.front();
            if (!Answers.empty()) Answers.pop_front();
        };
    }
    std::deque<bool> Answers;
    int Questions = 0;
};

}  // namespace

TEST(ModalRun, CloseBoxGoesThroughTheCloseQueryUntilItAgrees) {
    TQueriedForm Form;
    Form.Answers = {false, true};
    PostMessageA(Form.Handle(), WM_CLOSE, 0, 0);
    PostMessageA(Form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(RunModalFor(Form), mrCancel);
    EXPECT_EQ(Form.Questions, 2);
    EXPECT_FALSE(IsWindowVisible(Form.Handle()));
    EXPECT_TRUE(IsWindow(Form.Handle()));  // closing hides; the owner frees the window
}

TEST(ModalRun, RefusedModalResultIsResetAndTheRunGoesOn) {
    TQueriedForm Form;
    Form.Answers = {false, true};
    Form.OkBtn.OnClick = [&](TButton&) { Form.SetModalResult(mrOk); };
    PostMessageA(Form.OkBtn.Handle(), BM_CLICK, 0, 0);
    PostMessageA(Form.Handle(), WM_NULL, 0, 0);  // the run checks the result after each message
    PostMessageA(Form.OkBtn.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(RunModalFor(Form), mrOk);
    EXPECT_EQ(Form.Questions, 2);
}

TEST(ModalRun, EndOfSessionIsAnsweredByTheCloseQuery) {
    TQueriedForm Form;
    Form.Answers = {false, true};
    EXPECT_EQ(SendMessageA(Form.Handle(), WM_QUERYENDSESSION, 0, 0), FALSE);
    EXPECT_EQ(SendMessageA(Form.Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(Form.Questions, 2);
}

TEST(ModalRun, EscPressesTheCancelButtonOnlyWhenItCanBePressed) {
    TQueriedForm Form;
    Form.CancelBtn.OnClick = [&](TButton&) { Form.Close(); };
    Form.CancelBtn.SetEnabled(false);
    PostMessageA(Form.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageA(Form.Handle(), WM_NULL, 0, 0);
    EXPECT_EQ(RunModalFor(Form, 1500), ForcedResult);
    Form.CancelBtn.SetEnabled(true);
    PostMessageA(Form.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(RunModalFor(Form), mrCancel);
}

TEST(ModalRun, EnterPressesTheDefaultButtonThatDmSetDefIdCanMove) {
    TQueriedForm Form;
    Form.OkBtn.OnClick = [&](TButton&) { Form.SetModalResult(mrOk); };
    Form.CancelBtn.OnClick = [&](TButton&) { Form.SetModalResult(mrCancel); };
    EXPECT_EQ(SendMessageA(Form.Handle(), DM_GETDEFID, 0, 0), MAKELRESULT(Form.OkBtn.Id(), DC_HASDEFID));
    PostMessageA(Form.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(RunModalFor(Form), mrOk);
    SendMessageA(Form.Handle(), DM_SETDEFID, WPARAM(Form.CancelBtn.Id()), 0);
    EXPECT_EQ(GetWindowLongA(Form.CancelBtn.Handle(), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetWindowLongA(Form.OkBtn.Handle(), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    PostMessageA(Form.Handle(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(RunModalFor(Form), mrCancel);
}

TEST(ModalRun, AltLetterFocusesAfterALabelOrItsNamedControlAndPressesButtons) {
    TQueriedForm Form;
    Form.OkBtn.SetText("&Go");
    Form.OkBtn.OnClick = [&](TButton&) { Form.SetModalResult(mrOk); };
    Form.OtherLbl.FocusControl = &Form.Check;
    Form.Check.SetChecked(false);
    struct TProbe {
        HWND Focus;
        bool Ticked;
    };
    std::vector<TProbe> Probes;
    // A timer message after each key records the state the key left.
    Form.OnTimer = [&](TForm&) { Probes.push_back({GetFocus(), Form.Check.Checked()}); };
    for (char Key : {'o', 'n', 't', 'g'}) {
        PostMessageA(Form.Handle(), WM_SYSCHAR, WPARAM(Key), 0);
        PostMessageA(Form.Handle(), WM_TIMER, 0, 0);
    }
    EXPECT_EQ(RunModalFor(Form), mrOk);
    ASSERT_GE(Probes.size(), 3u);
    EXPECT_EQ(Probes[0].Focus, Form.Check.Handle());    // the label's named control
    EXPECT_EQ(Probes[1].Focus, Form.NameEdt.Handle());  // the control after the label
    EXPECT_EQ(Probes[2].Focus, Form.Check.Handle());    // a check box is focused and ticked
    EXPECT_TRUE(Probes[2].Ticked);
    EXPECT_FALSE(Probes[1].Ticked);
}
