// Drawing of the drive list's rows: the selected row looks like every other, on the
// window's background, with the drive's picture and its text beside it.
#include "FileCtrl/DriveComboBox.h"

#include "FileCtrl/PickerDrawing.h"

namespace {

const int ImageLeft = 2;
const int TextGap = 6;

}  // namespace

void TDriveComboBox::DrawRow(const DRAWITEMSTRUCT& Item) const {
    HDC Dc = Item.hDC;
    RECT Rect = Item.rcItem;
    TSavedDc Saved(Dc);
    FillRect(Dc, &Rect, GetSysColorBrush(COLOR_WINDOW));

    int Row = int(Item.itemID);
    if (Row >= 0 && Row < int(Rows().size())) {
        const TDriveRow& Drive = Rows()[size_t(Row)];
        HBITMAP Image = Drive.Removable ? FRemovableImage.Get() : FFixedImage.Get();
        SIZE ImageSize = BitmapSize(Image);
        DrawTransparentImage(Dc, Image, Rect.left + ImageLeft, (Rect.top + Rect.bottom - ImageSize.cy) / 2);

        RECT TextRect = Rect;
        TextRect.left += ImageSize.cx + TextGap;
        if (HFONT BoxFont = Font()) SelectObject(Dc, BoxFont);
        SetBkMode(Dc, TRANSPARENT);
        SetTextColor(Dc, GetSysColor(COLOR_WINDOWTEXT));
        DrawTextA(Dc, Drive.Text.data(), int(Drive.Text.size()), &TextRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (Item.itemState & ODS_FOCUS) DrawFocusRect(Dc, &Rect);
}
