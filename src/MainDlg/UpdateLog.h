// The update log left for the word processor: blocks of a stamp line followed by the paths
// that one run wrote into the shared public folder. The merge works on lines as they are
// read, so an earlier log of any size costs no more than one of its lines in memory; the
// file work is WriteUpdateLogFile (Installation.h).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

using TLogLines = std::vector<std::string>;

// The user's locale-aware comparison that ignores letter case and compares punctuation as
// symbols: the log's paths are sorted and matched under it. <0, 0 or >0.
int CompareLogLines(const std::string& A, const std::string& B);
// Puts the paths of a run into the order in which they are logged and looked up.
void SortLogPaths(TLogLines& Paths);

// The 8 stored bytes of an install time (the double, least significant byte first) and
// its stamp line: "*" and the bytes as 16 upper-case hex digits, in stored order.
std::string InstallTimeBytes(double InstallTime);
std::string StampLine(double InstallTime);

// Takes the text of an earlier log piece by piece and hands on the lines to keep: empty
// lines and earlier mentions of the paths written again go, and a stamp line is handed on
// only once a path line follows it, so a run of stamp lines keeps its first and a stamp
// line left at the end is dropped.
class TLogCleaner {
public:
    using TSink = std::function<void(const std::string&)>;
    // SortedPaths (sorted by SortLogPaths) must outlive the cleaner.
    TLogCleaner(const TLogLines& SortedPaths, TSink Keep);

    // False once a NUL byte has ended the text; later pieces are then ignored.
    bool AddText(const char* Data, std::size_t Size);
    // Hands on the last line when the text did not end with a line break.
    void EndText();

private:
    void AddLine(const std::string& Line);
    bool WrittenAgain(const std::string& Line) const;

    const TLogLines& FPaths;
    TSink FKeep;
    std::string FLine;       // the line being read
    std::string FHeldStamp;  // a stamp line waiting for its first path
    bool FEnded = false;
};

// The whole merge of an earlier log's text with one run: the kept lines of OldText, the
// stamp line of InstallTime, then Paths in sorted order.
TLogLines MergeUpdateLog(const std::string& OldText, TLogLines Paths, double InstallTime);
