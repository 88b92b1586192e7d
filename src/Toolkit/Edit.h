// One-line edit boxes and read-only multi-line memos ("Edit" windows).
#pragma once

#include <string>

#include "Toolkit/Control.h"

class TEdit : public TControl {
public:
    void Create(HWND Parent, const TBounds& Bounds, int Id, unsigned Style, const std::string& Caption);
};

// A read-only text box with a vertical scroll bar whose lines wrap at its right edge.
class TMemo : public TControl {
public:
    void Create(HWND Parent, const TBounds& Bounds, int Id, unsigned Style, const std::string& Caption);

    // Shows the lines of a text file; raises EFileError when the file cannot be read.
    void LoadFromFile(const std::string& FileName);
    // 0 while the memo is empty.
    int LineCount() const;

    bool HandleNotification(UINT Message, WPARAM WParam, LPARAM LParam, LRESULT& Result) override;
};

// The lines of a text, each ended by CR, LF or CR LF (a NUL ends the text), joined with
// CR LF as an edit box shows them.
std::string JoinLines(const std::string& Text);
