// Small helpers shared by the drive and folder pickers: case mapping of names, the height
// of a font's characters, and quiet access to drives that may have no medium.
#pragma once

#include <windows.h>

#include <string>

#include "InstUtils/WinHandles.h"

// On a double-byte system only the ASCII letters change (a double-byte character is copied
// as it is); elsewhere the ANSI case mapping of the user's locale applies.
std::string LowerCaseName(const std::string& Name);
std::string UpperCaseName(const std::string& Name);

// tmHeight of the font; the system font's when Font is 0.
int FontTextHeight(HFONT Font);

