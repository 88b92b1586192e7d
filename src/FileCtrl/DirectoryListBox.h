// The folder picker: the path from the drive's root down to the current folder, one row
// per folder, then the current folder's subfolders; a click or keyboard move opens a row.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "InstUtils/WinHandles.h"
#include "Toolkit/Control.h"

class TDriveComboBox;

struct TFolderRow {
    std::string Path;  // full path; the root keeps its backslash (C:\)
    bool Open = true;  // a path row ("OPENFOLDER"), else a subfolder row ("CLOSEDFOLDER")
};

class TDirectoryListBox : public TControl {
public:
    TDirectoryListBox();
    ~TDirectoryListBox() override;
    void Create(HWND Parent, const TBounds& Bounds, int Id);

    // Makes Path, or its nearest existing ancestor, current. Only drive paths (C:\...) are
    // shown; any other path leaves the list as it is.
    void SetFolder(const std::string& Path);
    void SwitchDrive(char Letter);
    virtual void FillFolders();

    static int FolderDepth(const std::string& Path);
    bool CompareFolderNames(const std::string& A, const std::string& B) const;  // true when equal
    std::string DisplayName(const std::string& Name) const;

    const std::vector<TFolderRow>& Rows() const { return FRows; }
    int ItemIndex() const;  // selected row, -1 when none

    std::string CurrentFolder;
    TDriveComboBox* DriveBox = nullptr;  // set through the drive box's SetDirList
    bool InFolderChange = false;
    bool VolumeKeepsCase = true;
    bool VolumeCaseSensitive = false;
    std::function<void(TDirectoryListBox& Sender)> OnChange;

    bool HandleNotification(UINT Message, WPARAM WParam, LPARAM LParam, LRESULT& Result) override;

protected:
    virtual void Change();  // raises OnChange
    void HandleCreated() override;

private:
    void ChangeDriveOfFolder(char Letter);
    std::string FolderOnDrive(char Letter) const;
    void ReadVolumeFlags();
    void AddPathRows();
    void ShowRows();
    void DrawRow(const DRAWITEMSTRUCT& Item) const;

    std::vector<TFolderRow> FRows;
    int FCurrentRow = -1;  // the row of CurrentFolder
    TBitmapHandle FOpenImage, FClosedImage;
};
