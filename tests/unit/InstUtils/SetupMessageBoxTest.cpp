#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

#include "FakeSystemServices.h"
#include "InstUtils/SetupMessageBox.h"

namespace {

TEST(SetupMessageBox, StyleIsIconOrButtonsOrTaskModal) {
    const UINT Icons[][2] = {{mkWarning, MB_ICONWARNING},        {mkError, MB_ICONERROR},
                             {mkInformation, MB_ICONINFORMATION}, {mkConfirmation, MB_ICONQUESTION},
                             {4, MB_ICONERROR},                   {255, MB_ICONERROR}};
    const UINT Buttons[][2] = {
        {112, MB_ABORTRETRYIGNORE}, {12, MB_OKCANCEL}, {40, MB_RETRYCANCEL}, {3, MB_YESNO},
        {11, MB_YESNOCANCEL},       {4, MB_OK},        {0, MB_OK},           {13, MB_OK},
        {1, MB_OK},                 {127, MB_OK},      {112 | 128, MB_OK},   {0xFFFF, MB_OK},
    };
    for (const auto& Icon : Icons)
        for (const auto& Set : Buttons)
            EXPECT_EQ(MessageBoxStyle(TMessageKind(Icon[0]), TDialogButtons(Set[0])),
                      Icon[1] | Set[1] | MB_TASKMODAL)
                << "kind " << Icon[0] << ", buttons " << Set[0];
}

TEST(SetupMessageBox, ResultsTwoToSevenPassEverythingElseIsOK) {
    const int Answers[][2] = {{IDOK, drOK},         {IDCANCEL, drCancel}, {IDABORT, drAbort},
                              {IDRETRY, drRetry},   {IDIGNORE, drIgnore}, {IDYES, drYes},
                              {IDNO, drNo},         {0, drOK},            {8, drOK},
                              {IDTRYAGAIN, drOK},   {IDCONTINUE, drOK},   {-1, drOK},
                              {0x7FFFFFFF, drOK}};
    for (const auto& A : Answers) EXPECT_EQ(DialogResultOf(A[0]), A[1]) << A[0];
}

TEST(SetupMessageBox, ShowsTheTextInCodePage1252UnderTheSetupCaption) {
    TFakeSystem Fake;
    Fake.Answers = {IDRETRY, IDCONTINUE};
    HWND Owner = reinterpret_cast<HWND>(0x1234);
    SetMessageBoxOwner(Owner);
    EXPECT_EQ(SetupMessageBox("Caf\xE9 \x80\rline two", mkError, 112), drRetry);
    SetMessageBoxOwner(nullptr);
    EXPECT_EQ(SetupMessageBox("", mkConfirmation, dbYes | dbNo), drOK);

    ASSERT_EQ(Fake.Boxes.size(), 2u);
    const TRecordedBox& Box = Fake.Boxes[0];
    EXPECT_EQ(Box.Owner, Owner);
    EXPECT_EQ(Box.Text, L"Caf\u00E9 \u20AC\rline two");
    EXPECT_EQ(Box.Caption, L"Velmoran Russian Spellchecker - Setup");
    EXPECT_EQ(Box.Style, UINT(MB_ICONERROR | MB_ABORTRETRYIGNORE | MB_TASKMODAL));
    EXPECT_EQ(Box.Language, 1033);
    EXPECT_EQ(Fake.Boxes[1].Owner, nullptr);
    EXPECT_EQ(Fake.Boxes[1].Style, UINT(MB_ICONQUESTION | MB_YESNO | MB_TASKMODAL));
}

// Answers the setup's box from another thread the way a user would: finds the dialog by
// its caption, reads the text, and presses one button.
class TBoxAnswerer {
public:
    explicit TBoxAnswerer(int Button) : FThread([this, Button] { Answer(Button); }) {}
    ~TBoxAnswerer() { Join(); }
    void Join() {
        if (FThread.joinable()) FThread.join();
    }
    // Read after Join.
    const std::wstring& Text() const { return FText; }
    bool Found() const { return FFound; }

private:
    std::wstring FText;
    bool FFound = false;
    std::thread FThread;

    void Answer(int Button) {
        for (int Try = 0; Try < 300; ++Try, Sleep(100)) {
            HWND Box = FindWindowW(L"#32770", L"Velmoran Russian Spellchecker - Setup");
            HWND Press = Box ? GetDlgItem(Box, Button) : nullptr;
            if (!Press) continue;
            EnumChildWindows(Box, ReadStatic, reinterpret_cast<LPARAM>(&FText));
            FFound = true;
            PostMessageW(Press, BM_CLICK, 0, 0);
            return;
        }
    }
    static BOOL CALLBACK ReadStatic(HWND Child, LPARAM Text) {
        wchar_t Class[32] = {}, Buffer[512] = {};
        GetClassNameW(Child, Class, 32);
        if (lstrcmpiW(Class, L"Static") == 0 && GetWindowTextW(Child, Buffer, 512) > 0)
            *reinterpret_cast<std::wstring*>(Text) = Buffer;
        return TRUE;
    }
};

TEST(SetupMessageBox, ARealBoxReturnsTheButtonPressed) {
    ASSERT_GT(GetEnvironmentVariableA("DISPLAY", nullptr, 0), 0u) << "a real box needs an X display (DISPLAY)";
    struct TCase {
        TDialogButtons Buttons;
        int Press;
        TDialogResult Expected;
    };
    const TCase Cases[] = {{112, IDRETRY, drRetry}, {112, IDIGNORE, drIgnore}, {3, IDNO, drNo}};
    for (const TCase& C : Cases) {
        TBoxAnswerer Answerer(C.Press);
        TDialogResult Result = SetupMessageBox("R\xE9sum\xE9 \x80 5", mkError, C.Buttons);
        Answerer.Join();
        ASSERT_TRUE(Answerer.Found()) << "no box with button " << C.Press;
        EXPECT_EQ(Result, C.Expected);
        EXPECT_EQ(Answerer.Text(), L"R\u00E9sum\u00E9 \u20AC 5");
    }
}

}  // namespace
