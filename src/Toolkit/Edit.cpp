#include "Toolkit/Edit.h"

#include "InstUtils/Paths.h"
#include "InstUtils/WinHandles.h"
#include "Toolkit/Failures.h"

namespace {

std::string ReadWholeFile(const std::string& FileName) {
    TFileHandle File(CreateFileW(ToWide(FileName).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!File) throw EFileError("Cannot open file \"" + FileName + "\"");
    LARGE_INTEGER Size{};
    if (!GetFileSizeEx(File.Get(), &Size) || Size.QuadPart > 0x7FFFFFFF)
        throw EFileError("Cannot read file \"" + FileName + "\"");
    std::string Text(size_t(Size.QuadPart), '\0');
    DWORD Done = 0;
    if (!Text.empty() && (!ReadFile(File.Get(), &Text[0], DWORD(Text.size()), &Done, nullptr) || Done != Text.size()))
        throw EFileError("Cannot read file \"" + FileName + "\"");
    return Text;
}

}  // namespace

std::string JoinLines(const std::string& Text) {
    std::string Joined;
    Joined.reserve(Text.size());
    for (size_t I = 0; I < Text.size() && Text[I] != '\0'; ++I) {
        char C = Text[I];
        if (C != '\r' && C != '\n') {
            Joined += C;
            continue;
        }
        if (C == '\r' && I + 1 < Text.size() && Text[I + 1] == '\n') ++I;
        // A break ends its line; only a line that follows it adds a separator.
        if (I + 1 < Text.size() && Text[I + 1] != '\0') Joined += "\r\n";
    }
    return Joined;
}

void TEdit::Create(HWND Parent, const TBounds& Bounds, int Id, unsigned, const std::string& Caption) {
    CreateControl(Parent, "Edit", Caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL,
                  WS_EX_CLIENTEDGE, Bounds, Id);
}

void TMemo::Create(HWND Parent, const TBounds& Bounds, int Id, unsigned, const std::string& Caption) {
    CreateControl(Parent, "Edit", Caption,
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | WS_VSCROLL | ES_MULTILINE | ES_READONLY |
                      ES_AUTOVSCROLL,
                  WS_EX_CLIENTEDGE, Bounds, Id);
    SendMessageA(Handle(), EM_SETLIMITTEXT, 0, 0);  // no limit of its own
}

void TMemo::LoadFromFile(const std::string& FileName) { SetText(JoinLines(ReadWholeFile(FileName))); }

int TMemo::LineCount() const {
    if (GetWindowTextLengthA(Handle()) == 0) return 0;
    return int(SendMessageA(Handle(), EM_GETLINECOUNT, 0, 0));
}

bool TMemo::HandleNotification(UINT Message, WPARAM WParam, LPARAM, LRESULT& Result) {
    // Read-only edits ask for the dialog colour; a memo keeps the colour of a text box.
    if (Message != WM_CTLCOLORSTATIC) return false;
    HDC Dc = reinterpret_cast<HDC>(WParam);
    SetTextColor(Dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(Dc, GetSysColor(COLOR_WINDOW));
    Result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    return true;
}
