// A small form built from a layout table, with one control of each kind the tests drive.
#pragma once

#include <string>

#include "Toolkit/Button.h"
#include "Toolkit/Edit.h"
#include "Toolkit/Form.h"
#include "Toolkit/Label.h"
#include "Toolkit/Layout.h"
#include "Toolkit/PageControl.h"
#include "Toolkit/Panel.h"
#include "Toolkit/Styles.h"

class TTestForm : public TForm {
public:
    TTestForm() {
        CreateForm("TTestForm", "Toolkit test", 300, 200);
        BuildLayout(*this, {
            {Panel, nullptr, {0, 150, 300, 50}, stEtched},
            {Check, &Panel, {10, 15, 80, 17}, 0, "&Tick"},
            {OkBtn, &Panel, {100, 12, 80, 22}, stDefault, "OK"},
            {CancelBtn, &Panel, {190, 12, 80, 22}, stCancel, "Cancel"},
            {Pages, nullptr, {0, 0, 300, 150}},
            {FirstPage, &Pages},
            {NameLbl, &FirstPage, {10, 10}, stAutoSize, "&Name:"},
            {NameEdt, &FirstPage, {10, 30, 100, 21}},
            {OtherLbl, &FirstPage, {10, 60}, stAutoSize, "&Other:"},
            {OtherEdt, &FirstPage, {10, 80, 100, 21}},
            {SecondPage, &Pages},
            {Memo, &SecondPage, {10, 10, 200, 100}},
        });
        OkBtn.OnClick = [this](TButton&) { ++OkClicks; };
        CancelBtn.OnClick = [this](TButton&) { ++CancelClicks; };
    }

    TPanel Panel;
    TCheckBox Check;
    TButton OkBtn, CancelBtn;
    TPageControl Pages;
    TTabSheet FirstPage, SecondPage;
    TLabel NameLbl, OtherLbl;
    TEdit NameEdt, OtherEdt;
    TMemo Memo;
    int OkClicks = 0, CancelClicks = 0;
};

// A file of the test's own in the temporary folder, removed with the object.
class TScratchFile {
public:
    explicit TScratchFile(const std::string& Name, const std::string& Content) {
        char Folder[MAX_PATH];
        GetTempPathA(MAX_PATH, Folder);
        FPath = std::string(Folder) + Name;
        HANDLE File = CreateFileA(FPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD Done = 0;
        WriteFile(File, Content.data(), DWORD(Content.size()), &Done, nullptr);
        CloseHandle(File);
    }
    ~TScratchFile() { DeleteFileA(FPath.c_str()); }
    const std::string& Path() const { return FPath; }

private:
    std::string FPath;
};
