// Drawing of the folder list's rows: each path row one step further in than the row above,
// all subfolder rows one step further in than the current folder.
#include "FileCtrl/DirectoryListBox.h"

#include "FileCtrl/PickerDrawing.h"
#include "InstUtils/Paths.h"

namespace {

const int IndentStep = 12;
const int IndentBase = 3;
const int TextGap = 4;

}  // namespace

void TDirectoryListBox::DrawRow(const DRAWITEMSTRUCT& Item) const {
    HDC Dc = Item.hDC;
    RECT Rect = Item.rcItem;
    TSavedDc Saved(Dc);
    bool Selected = (Item.itemState & ODS_SELECTED) != 0;
    COLORREF Back = GetSysColor(Selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    SetDCBrushColor(Dc, Back);
    FillRect(Dc, &Rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));

    int Row = int(Item.itemID);
    if (Row >= 0 && Row < int(Rows().size())) {
        const TFolderRow& Folder = Rows()[size_t(Row)];
        int RowHeight = Rect.bottom - Rect.top;
        int Offset = Folder.Open ? IndentStep * Row + IndentBase
                                 : IndentStep * (FolderDepth(CurrentFolder) + 1) + IndentBase;
        HBITMAP Image = Folder.Open ? FOpenImage.Get() : FClosedImage.Get();
        SIZE ImageSize = BitmapSize(Image);
        DrawTransparentImage(Dc, Image, Rect.left + Offset, Rect.top + (RowHeight - ImageSize.cy) / 2);

        std::string Text = DisplayName(Row == 0 ? Folder.Path.substr(0, 2) : NamePart(Folder.Path));
        if (HFONT ListFont = Font()) SelectObject(Dc, ListFont);
        SIZE Letter{};
        GetTextExtentPoint32A(Dc, "A", 1, &Letter);
        SetBkMode(Dc, TRANSPARENT);
        SetTextColor(Dc, GetSysColor(Selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        ExtTextOutA(Dc, Rect.left + ImageSize.cx + Offset + TextGap, Rect.top + (RowHeight - Letter.cy) / 2,
                    ETO_CLIPPED, &Rect, Text.data(), UINT(Text.size()), nullptr);
    }
    if (Item.itemState & ODS_FOCUS) DrawFocusRect(Dc, &Rect);
}
