// What the picker tests share: a parent window that hands the notifications about its
// controls back to them, as the wizard's pages do, a folder list that counts its fills and
// changes, and the rows written as text.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "FileCtrl/DirectoryListBox.h"
#include "Toolkit/Control.h"

class TPickerTestParent {
public:
    // Never shown: without a window manager, Wine waits seconds for a shown window to go.
    TPickerTestParent() {
        static const char* const ClassName = RegisterParentClass();
        FHandle = CreateWindowExA(0, ClassName, "Pickers", WS_OVERLAPPEDWINDOW, 0, 0, 400, 330, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~TPickerTestParent() { DestroyWindow(FHandle); }
    TPickerTestParent(const TPickerTestParent&) = delete;
    TPickerTestParent& operator=(const TPickerTestParent&) = delete;

    HWND Handle() const { return FHandle; }

    // What the control's parent receives when the user changes its selection.
    void SendSelectionChange(const TControl& Control, WORD Code) const {
        SendMessageA(FHandle, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Control.Handle()), Code),
                     reinterpret_cast<LPARAM>(Control.Handle()));
    }

private:
    static LRESULT CALLBACK WindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam) {
        LRESULT Result = 0;
        if (ReflectNotification(Message, WParam, LParam, Result)) return Result;
        return DefWindowProcA(Window, Message, WParam, LParam);
    }
    static const char* RegisterParentClass() {
        WNDCLASSA Class{};
        Class.lpfnWndProc = WindowProc;
        Class.hInstance = GetModuleHandleA(nullptr);
        Class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        Class.lpszClassName = "RuSpellPickerTestParent";
        RegisterClassA(&Class);
        return Class.lpszClassName;
    }

    HWND FHandle = nullptr;
};

class TCountingList : public TDirectoryListBox {
public:
    TCountingList() {
        OnChange = [this](TDirectoryListBox&) { ++Changes; };
    }
    void FillFolders() override {
        ++Fills;
        TDirectoryListBox::FillFolders();
    }
    void ResetCounts() { Fills = Changes = 0; }

    int Fills = 0, Changes = 0;
};

// "+C:\" for a path row, "-C:\Tree\alpha" for a subfolder row.
inline std::vector<std::string> RowTexts(const TDirectoryListBox& List) {
    std::vector<std::string> Texts;
    for (const TFolderRow& Row : List.Rows()) Texts.push_back((Row.Open ? "+" : "-") + Row.Path);
    return Texts;
}
