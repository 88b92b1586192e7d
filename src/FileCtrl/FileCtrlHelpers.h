// Small helpers shared by the drive and folder pickers: case mapping of names, the height
// of a font's characters, and quiet access to drives that may have no medium.
#pragma once

#include <windows.h>

#include <string>

// On a double-byte system only the ASCII letters change (a double-byte character is copied
// as it is); elsewhere the ANSI case mapping of the user's locale applies.
std::string LowerCaseName(const std::string& Name);
std::string UpperCaseName(const std::string& Name);

// tmHeight of the font; the system font's when Font is 0.
int FontTextHeight(HFONT Font);

// Switches the "no disk in drive" dialogs off for the scope, so that reading an empty card
// reader or floppy drive fails quietly; the previous error mode comes back at its end.
class TCriticalErrorsOff {
public:
    TCriticalErrorsOff() : FOldMode(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~TCriticalErrorsOff() { SetErrorMode(FOldMode); }
    TCriticalErrorsOff(const TCriticalErrorsOff&) = delete;
    TCriticalErrorsOff& operator=(const TCriticalErrorsOff&) = delete;

private:
    UINT FOldMode;
};
