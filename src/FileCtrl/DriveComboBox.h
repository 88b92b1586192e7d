// The drive picker: a drop-down list of the drives C: to Z: but CD-ROM drives, each row a
// picture of the drive's kind and "x: [label]" or "x: \\server\share".
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "InstUtils/WinHandles.h"
#include "Toolkit/Control.h"

class TDirectoryListBox;

struct TDriveRow {
    std::string Text;        // "c: [system]"
    bool Removable = false;  // "REMOVABLEDRIVE" picture, else "FIXEDDRIVE"
};

class TDriveComboBox : public TControl {
public:
    TDriveComboBox();
    ~TDriveComboBox() override;
    // Bounds give the closed box; the window is made tall enough for the dropped-down rows.
    void Create(HWND Parent, const TBounds& Bounds, int Id);

    void FillDrives();
    // Makes the drive of Letter current; anything but an ASCII letter is ignored.
    void SelectDrive(char Letter);

    TDirectoryListBox* DirList() const { return FDirList; }
    void SetDirList(TDirectoryListBox* List);

    const std::vector<TDriveRow>& Rows() const { return FRows; }
    int ItemIndex() const;                  // selected row, -1 when none
    std::string SelectedText() const;       // text of the selected row, empty when none
    // Selects the first row whose text equals Text ignoring case (user locale), raising no
    // change; false when there is none.
    bool SelectText(const std::string& Text);

    char DriveLetter = '\0';  // always lower case once a drive was selected
    DWORD DriveMask = 0;
    std::function<void(TDriveComboBox& Sender)> OnChange;

    bool HandleNotification(UINT Message, WPARAM WParam, LPARAM LParam, LRESULT& Result) override;

protected:
    void HandleCreated() override;

private:
    void Change();
    void SelectRow(int Row);
    void DrawRow(const DRAWITEMSTRUCT& Item) const;

    TDirectoryListBox* FDirList = nullptr;
    std::vector<TDriveRow> FRows;
    TBitmapHandle FFixedImage, FRemovableImage;
};
