#include "Toolkit/Fonts.h"

#include <cstring>

TFontHandle MakeFont(const char* Face, int Height, bool Bold) {
    LOGFONTA Font{};
    Font.lfHeight = Height;
    Font.lfWeight = Bold ? FW_BOLD : FW_NORMAL;
    Font.lfCharSet = DEFAULT_CHARSET;
    Font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    Font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    Font.lfQuality = DEFAULT_QUALITY;
    Font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    strncpy(Font.lfFaceName, Face, LF_FACESIZE - 1);
    return TFontHandle(CreateFontIndirectA(&Font));
}

TFontHandle MakeDialogFont() { return MakeFont("MS Shell Dlg", -11, false); }
