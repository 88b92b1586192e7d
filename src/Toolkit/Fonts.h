// The fonts of the toolkit's windows. Sizes are pixels: the layouts are drawn at 96 dots
// per inch and the program is not DPI-aware, so Windows scales the whole window instead.
#pragma once

#include "InstUtils/WinHandles.h"

TFontHandle MakeFont(const char* Face, int Height, bool Bold);

// The font of a Windows dialog: "MS Shell Dlg" at 8 points, which the system maps to its
// dialog face (Tahoma, or Microsoft Sans Serif on old systems).
TFontHandle MakeDialogFont();
