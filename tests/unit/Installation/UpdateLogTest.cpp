// The merge of the update log, as lines: what an earlier log keeps, where the new block goes.
#include <gtest/gtest.h>

#include <string>

#include "MainDlg/UpdateLog.h"

namespace {

const double RunTime = 45292.5;  // 2024-01-01 12:00:00
const std::string N = "*00000000901DE640";

const std::string P1 = "C:\\ProgramData\\Velmoran\\Public\\Spellcheck\\ru_RU.dic";
const std::string P2 = "C:\\ProgramData\\Velmoran\\Public\\Spellcheck\\ru_RU.aff";
const std::string P3 = "C:\\ProgramData\\Velmoran\\Public\\Spellcheck\\Russian.asc";
const std::string User = "C:\\ProgramData\\Velmoran\\Public\\Spellcheck\\userdicru.tlx";

struct TMergeCase {
    const char* Name;
    std::string OldText;
    TLogLines Paths;
    TLogLines Expected;
};

std::string Upper(std::string Text) {
    for (char& C : Text) C = char(toupper(static_cast<unsigned char>(C)));
    return Text;
}

const TMergeCase MergeCases[] = {
    {"no log yet", "", {P3, P1, P2}, {N, P2, P1, P3}},
    {"every earlier path written again", "*A\r\n" + P1 + "\r\n" + P2 + "\r\n", {P1, P2},
     {N, P2, P1}},
    {"empty lines go, foreign lines stay in place",
     "\r\nforeign one\r\n\r\n*A\r\n\r\n" + P3 + "\r\nforeign two\r\n\r\n\r\n", {P1},
     {"foreign one", "*A", P3, "foreign two", N, P1}},
    {"a path differing only in letter case", "*A\r\n" + Upper(P1) + "\r\n" + P2 + "\r\n", {P1},
     {"*A", P2, N, P1}},
    {"a run of stamp lines keeps its first", "*A\r\n*B\r\n*C\r\n" + P2 + "\r\n", {P1},
     {"*A", P2, N, P1}},
    {"stamps left without paths in the middle and at the end",
     "*A\r\n" + P2 + "\r\n*B\r\n" + P1 + "\r\n*C\r\n*D\r\n", {P1}, {"*A", P2, N, P1}},
    {"a NUL ends the old text",
     "*A\r\n" + P2 + "\r\nforeign" + std::string(1, '\0') + P3 + "\r\n",
     {P1},
     {"*A", P2, "foreign", N, P1}},
    {"a marked path is not the plain path", "*A\r\n" + User + "\t!\r\n" + User + "\r\n", {User},
     {"*A", User + "\t!", N, User}},
    {"a plain path is not the marked path", "*A\r\n" + User + "\t!\r\n" + User + "\r\n",
     {User + "\t!"}, {"*A", User, N, User + "\t!"}},
    {"CR, LF and CR LF all end a line, the last line needs none",
     "*A\r" + P2 + "\n" + P3 + "\r\n" + "foreign", {P1}, {"*A", P2, P3, "foreign", N, P1}},
    {"the documented merge", "*A\r\np1\r\n*B\r\np2\r\n", {"p3", "p1"},
     {"*A", "p2", N, "p1", "p3"}},
};

}  // namespace

TEST(UpdateLog, MergeTable) {
    for (const TMergeCase& Case : MergeCases) {
        SCOPED_TRACE(Case.Name);
        EXPECT_EQ(MergeUpdateLog(Case.OldText, Case.Paths, RunTime), Case.Expected);
    }
}

// The file is read in pieces: lines, CR LF pairs and the NUL may fall across piece borders.
TEST(UpdateLog, PiecewiseReadingKeepsTheSameLines) {
    for (const TMergeCase& Case : MergeCases) {
        SCOPED_TRACE(Case.Name);
        TLogLines Paths = Case.Paths;
        SortLogPaths(Paths);
        TLogLines Kept;
        TLogCleaner Cleaner(Paths, [&Kept](const std::string& Line) { Kept.push_back(Line); });
        bool Open = true;
        for (std::size_t At = 0; Open && At < Case.OldText.size(); ++At)
            Open = Cleaner.AddText(&Case.OldText[At], 1);
        if (Open) Cleaner.EndText();

        TLogLines Expected = Case.Expected;
        Expected.resize(Expected.size() - Paths.size() - 1);  // without the new block
        EXPECT_EQ(Kept, Expected);
    }
}

TEST(UpdateLog, TwoRunsOfTheSameFilesLeaveOneBlock) {
    auto Join = [](const TLogLines& Lines) {
        std::string Text;
        for (const std::string& Line : Lines) Text += Line + "\r\n";
        return Text;
    };
    const TLogLines First = MergeUpdateLog("", {P1, User + "\t!"}, 45000.25);
    const TLogLines Second = MergeUpdateLog(Join(First), {User + "\t!", P1}, RunTime);
    EXPECT_EQ(Second, (TLogLines{N, P1, User + "\t!"}));
}

TEST(UpdateLog, StampOfAnInstallTime) {
    EXPECT_EQ(StampLine(RunTime), N);
    EXPECT_EQ(InstallTimeBytes(RunTime), std::string("\x00\x00\x00\x00\x90\x1D\xE6\x40", 8));
}

// Locale order: letter case ignored, punctuation before letters.
TEST(UpdateLog, PathsAreSortedUnderTheLocaleComparison) {
    TLogLines Paths = {"C:\\x\\Russian.asc", "C:\\x\\ru_RU.aff", "C:\\x\\B.dic", "C:\\x\\a.dic"};
    SortLogPaths(Paths);
    EXPECT_EQ(Paths, (TLogLines{"C:\\x\\a.dic", "C:\\x\\B.dic", "C:\\x\\ru_RU.aff",
                                "C:\\x\\Russian.asc"}));
}
