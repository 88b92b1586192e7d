#include "FileCtrl/FileCtrlHelpers.h"

#include "InstUtils/WinHandles.h"
#include "Toolkit/Painting.h"

namespace {

// Changes the ASCII letters only, stepping over both bytes of a double-byte character.
std::string MapAsciiCase(std::string Name, bool Upper) {
    for (size_t I = 0; I < Name.size(); ++I) {
        char& C = Name[I];
        if (IsDBCSLeadByte(static_cast<BYTE>(C))) {
            ++I;
        } else if (Upper && C >= 'a' && C <= 'z') {
            C = char(C - 32);
        } else if (!Upper && C >= 'A' && C <= 'Z') {
            C = char(C + 32);
        }
    }
    return Name;
}

std::string MapCase(std::string Name, bool Upper) {
    if (GetSystemMetrics(SM_DBCSENABLED)) return MapAsciiCase(std::move(Name), Upper);
    if (Name.empty()) return Name;
    DWORD Length = DWORD(Name.size());
    if (Upper)
        CharUpperBuffA(&Name[0], Length);
    else
        CharLowerBuffA(&Name[0], Length);
    return Name;
}

}  // namespace

std::string LowerCaseName(const std::string& Name) { return MapCase(Name, false); }
std::string UpperCaseName(const std::string& Name) { return MapCase(Name, true); }

int FontTextHeight(HFONT Font) {
    TWindowDc Screen(nullptr);
    if (!Screen.Get()) return 0;
    TSelectObject Selected(Screen.Get(), Font ? HGDIOBJ(Font) : GetStockObject(SYSTEM_FONT));
    TEXTMETRICA Metrics{};
    return GetTextMetricsA(Screen.Get(), &Metrics) ? int(Metrics.tmHeight) : 0;
}
