#include "MainDlg/UpdateLog.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <utility>

int CompareLogLines(const std::string& A, const std::string& B) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE | SORT_STRINGSORT, A.c_str(), -1,
                          B.c_str(), -1) - CSTR_EQUAL;
}

void SortLogPaths(TLogLines& Paths) {
    // Stable, so that paths equal under the comparison keep the order they were queued in.
    std::stable_sort(Paths.begin(), Paths.end(), [](const std::string& A, const std::string& B) {
        return CompareLogLines(A, B) < 0;
    });
}

std::string InstallTimeBytes(double InstallTime) {
    static_assert(sizeof(double) == 8, "the stamp holds an IEEE 754 double");
    std::string Bytes(sizeof(double), '\0');
    std::memcpy(&Bytes[0], &InstallTime, sizeof(double));  // the platform is little-endian
    return Bytes;
}

std::string StampLine(double InstallTime) {
    static const char Digits[] = "0123456789ABCDEF";
    std::string Line = "*";
    for (unsigned char Byte : InstallTimeBytes(InstallTime)) {
        Line += Digits[Byte >> 4];
        Line += Digits[Byte & 15];
    }
    return Line;
}

TLogCleaner::TLogCleaner(const TLogLines& SortedPaths, TSink Keep)
    : FPaths(SortedPaths), FKeep(std::move(Keep)) {}

// A line ends at CR, at LF or at CR LF. Breaking at each CR and each LF alone gives the
// same lines plus empty ones between CR and LF, and empty lines are dropped anyway.
bool TLogCleaner::AddText(const char* Data, std::size_t Size) {
    const char* const End = Data + Size;
    while (!FEnded && Data != End) {
        const char* Stop = std::find_if(Data, End, [](char C) {
            return C == '\r' || C == '\n' || C == '\0';
        });
        FLine.append(Data, Stop);
        if (Stop == End) break;
        if (*Stop == '\0') {
            EndText();
            FEnded = true;
        } else {
            AddLine(FLine);
            FLine.clear();
        }
        Data = Stop + 1;
    }
    return !FEnded;
}

void TLogCleaner::EndText() {
    if (FEnded) return;
    AddLine(FLine);
    FLine.clear();
}

void TLogCleaner::AddLine(const std::string& Line) {
    if (Line.empty() || WrittenAgain(Line)) return;
    if (Line[0] == '*') {
        if (FHeldStamp.empty()) FHeldStamp = Line;  // of adjacent stamp lines only the first stays
        return;
    }
    if (!FHeldStamp.empty()) {
        FKeep(FHeldStamp);
        FHeldStamp.clear();
    }
    FKeep(Line);
}

bool TLogCleaner::WrittenAgain(const std::string& Line) const {
    // A binary search that stops at the first equal path: the comparison is the costly part.
    std::size_t Low = 0, High = FPaths.size();
    while (Low < High) {
        const std::size_t Middle = Low + (High - Low) / 2;
        const int Order = CompareLogLines(FPaths[Middle], Line);
        if (Order == 0) return true;
        if (Order < 0) Low = Middle + 1;
        else High = Middle;
    }
    return false;
}

TLogLines MergeUpdateLog(const std::string& OldText, TLogLines Paths, double InstallTime) {
    SortLogPaths(Paths);
    TLogLines Lines;
    TLogCleaner Cleaner(Paths, [&Lines](const std::string& Line) { Lines.push_back(Line); });
    if (Cleaner.AddText(OldText.data(), OldText.size())) Cleaner.EndText();
    Lines.push_back(StampLine(InstallTime));
    Lines.insert(Lines.end(), Paths.begin(), Paths.end());
    return Lines;
}
