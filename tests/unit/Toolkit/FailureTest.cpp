// Failures inside handlers end the handler at the window procedure: file and bitmap
// failures silently, any other one with the "Exception" box; the window goes on working.
#include <gtest/gtest.h>

#include "FakeSystemServices.h"
#include "TestForm.h"
#include "Toolkit/Application.h"
#include "Toolkit/Failures.h"

namespace {

struct TFailureCase {
    const char* Name;
    void (*Raise)();
    const wchar_t* Shown;  // null: no box
};

const TFailureCase FailureCases[] = {
    {"runtime_error", [] { throw std::runtime_error("boom"); }, L"Exception std::runtime_error: boom"},
    {"bad_alloc", [] { throw std::bad_alloc(); }, L"Exception std::bad_alloc"},
    {"unknown", [] { throw 42; }, L"Exception of an unknown kind"},
    {"file", [] { throw EFileError("Cannot open file"); }, nullptr},
    {"bitmap", [] { throw EBitmapError("no bitmap"); }, nullptr},
};

}  // namespace

TEST(HandlerFailure, EndsTheHandlerAndShowsAllButFileAndBitmapFailures) {
    TTestForm Form;
    for (const TFailureCase& Case : FailureCases) {
        SCOPED_TRACE(Case.Name);
        TFakeSystem Fake;
        bool Finished = false;
        Form.OkBtn.OnClick = [&](TButton&) {
            Case.Raise();
            Finished = true;
        };
        SendMessageA(Form.OkBtn.Handle(), BM_CLICK, 0, 0);
        EXPECT_FALSE(Finished);
        if (!Case.Shown) {
            EXPECT_TRUE(Fake.Boxes.empty());
            continue;
        }
        ASSERT_EQ(Fake.Boxes.size(), 1u);
        EXPECT_EQ(Fake.Boxes[0].Text, Case.Shown);
        EXPECT_EQ(Fake.Boxes[0].Style & (MB_ICONMASK | MB_MODEMASK), UINT(MB_ICONERROR | MB_TASKMODAL));
    }
    // The window still works after all of them.
    Form.OkBtn.OnClick = [&](TButton&) { ++Form.OkClicks; };
    SendMessageA(Form.OkBtn.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(Form.OkClicks, 1);
}

TEST(HandlerFailure, ErrorBoxIsTitledWithTheApplicationTitle) {
    TTestForm Form;
    TFakeSystem Fake;
    Application().SetTitle("Toolkit test title");
    Form.OkBtn.OnClick = [](TButton&) { throw std::logic_error("x"); };
    SendMessageA(Form.OkBtn.Handle(), BM_CLICK, 0, 0);
    ASSERT_EQ(Fake.Boxes.size(), 1u);
    EXPECT_EQ(Fake.Boxes[0].Caption, L"Toolkit test title");
    Application().SetTitle("");
}
