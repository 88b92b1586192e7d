// The update log as others may leave it: lines of a hundred thousand characters, folders in
// the place of the log or of its replacement, and the log held open by another process.
// Whatever the log, a save that cannot finish reports false and loses nothing.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "AllocationMeter.h"
#include "FakeSystemServices.h"
#include "InstUtils/WinHandles.h"
#include "MainDlg/Installation.h"
#include "ScratchFolder.h"

namespace {

const double RunTime = 45292.5;
const std::string Stamp = "*00000000901DE640";

// This test program started again as another process that holds a file open: it opens the
// file with the access and share mode it is given, signals the named event and waits to be
// ended.
const char* const HoldFileOption = "--hold-file=";
const char* const HoldAccessOption = "--hold-access=";
const char* const HoldShareOption = "--hold-share=";
const char* const HoldReadyOption = "--hold-ready=";

std::string OptionValue(const std::string& CommandLine, const char* Option, const char* Until) {
    const size_t Start = CommandLine.find(Option);
    if (Start == std::string::npos) return std::string();
    const size_t From = Start + std::strlen(Option);
    const size_t End = Until ? CommandLine.find(Until, From) : std::string::npos;
    return CommandLine.substr(From, End == std::string::npos ? std::string::npos : End - From);
}

// Runs before the tests are registered; in the holder the tests never run.
const bool StartedAsHolder = [] {
    const std::string CommandLine = GetCommandLineA();
    const std::string Path = OptionValue(CommandLine, HoldFileOption, nullptr);
    if (Path.empty()) return false;
    const auto Number = [&CommandLine](const char* Option) {
        return DWORD(std::strtoul(OptionValue(CommandLine, Option, " ").c_str(), nullptr, 10));
    };
    TFileHandle File(CreateFileA(Path.c_str(), Number(HoldAccessOption), Number(HoldShareOption), nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    TKernelHandle Ready(OpenEventA(EVENT_MODIFY_STATE, FALSE, OptionValue(CommandLine, HoldReadyOption, " ").c_str()));
    if (!File || !Ready) ExitProcess(2);
    SetEvent(Ready.Get());
    Sleep(60000);  // ended by the test long before
    ExitProcess(0);
}();

// A second process holding Path open, until the object goes.
class TOtherProcessHolding {
public:
    TOtherProcessHolding(const std::string& Path, DWORD Access, DWORD Share) {
        const std::string ReadyName = "RuSpellLogHolder." + std::to_string(GetCurrentProcessId());
        TKernelHandle Ready(CreateEventA(nullptr, TRUE, FALSE, ReadyName.c_str()));
        if (Ready) ResetEvent(Ready.Get());  // it may outlive an earlier holder
        char Exe[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, Exe, MAX_PATH);
        std::string CommandLine = "\"" + std::string(Exe) + "\" " + HoldAccessOption + std::to_string(Access) + " " +
                                  HoldShareOption + std::to_string(Share) + " " + HoldReadyOption + ReadyName + " " +
                                  HoldFileOption + Path;
        STARTUPINFOA Startup{};
        Startup.cb = sizeof Startup;
        PROCESS_INFORMATION Info{};
        if (!Ready ||
            !CreateProcessA(nullptr, &CommandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &Startup, &Info))
            return;
        const TKernelHandle Thread(Info.hThread);
        FProcess.Reset(Info.hProcess);
        const HANDLE Either[] = {Ready.Get(), FProcess.Get()};
        FHolds = WaitForMultipleObjects(2, Either, FALSE, 20000) == WAIT_OBJECT_0;
    }
    ~TOtherProcessHolding() { End(); }
    TOtherProcessHolding(const TOtherProcessHolding&) = delete;
    TOtherProcessHolding& operator=(const TOtherProcessHolding&) = delete;

    bool Holds() const { return FHolds; }
    void End() {
        if (!FProcess) return;
        TerminateProcess(FProcess.Get(), 0);
        WaitForSingleObject(FProcess.Get(), 10000);
        FProcess.Reset();
    }

private:
    TKernelHandle FProcess;
    bool FHolds = false;
};

class LogAttack : public ::testing::Test {
protected:
    LogAttack() {
        std::string Shared = Scratch.Path();
        Shared.pop_back();
        Fake.SpecialFolders[CSIDL_COMMON_APPDATA] = Shared;
        ForceDirs(Scratch / "Velmoran\\Public\\Spellcheck");
    }

    TScratchFolder Scratch{"LogAttack"};
    TFakeSystem Fake;
    const std::string LogPath = Scratch / "Velmoran\\Update.log";
    const std::string P1 = Scratch / "Velmoran\\Public\\Spellcheck\\ru_RU.dic";
    const std::string P2 = Scratch / "Velmoran\\Public\\Spellcheck\\Russian.asc";
    const std::string OldLog = "*AAAAAAAAAAAAAAAA\r\n" + P1 + "\r\nforeign\r\n";
    const std::string Merged = "*AAAAAAAAAAAAAAAA\r\nforeign\r\n" + Stamp + "\r\n" + P1 + "\r\n";
};

std::string Upper(std::string Text) {
    CharUpperBuffA(&Text[0], DWORD(Text.size()));
    return Text;
}

// Long lines cross the pieces the log is read in (64 KB): the first one ends with its CR
// as the last byte of the second piece and its LF as the first of the third.
TEST_F(LogAttack, LinesOfAHundredThousandCharactersAreMergedInBoundedMemory) {
    const std::string Long = Scratch / "Velmoran\\Public\\Spellcheck\\" + std::string(100000, 'p') + ".dic";
    const std::string Head = "*AAAAAAAAAAAAAAAA\r\n";
    const std::string F1 = std::string(2 * 65536 - 1 - Head.size(), 'a');
    const std::string F2 = "foreign " + std::string(100000, 'b');
    std::string Old = Head + F1 + "\r\n*BBBBBBBBBBBBBBBB\n" + Upper(Long) + "\r*CCCCCCCCCCCCCCCC\r\n" + F2 + "\n";
    ASSERT_EQ(Old.substr(2 * 65536 - 1, 2), "\r\n");
    std::string Kept = Head + F1 + "\r\n*BBBBBBBBBBBBBBBB\r\n" + F2 + "\r\n";
    for (int Line = 0; Line < 150; ++Line) {
        const std::string Block = "*EEEEEEEEEEEEEEEE\r\n" + std::string(100000, char('c' + Line % 20)) + "\r\n";
        Old += Block;
        Kept += Block;
    }
    Old += "*DDDDDDDDDDDDDDDD\r\n";  // a stamp without paths at the end goes
    WriteBytes(LogPath, Old);
    const TAllocationMeter Meter;

    ASSERT_TRUE(WriteUpdateLogFile(RunTime, {Long, P1}));

    EXPECT_LT(Meter.PeakGrowth(), 1024u * 1024u) << "the log holds " << Old.size() << " bytes";
    const std::string New = ReadBytes(LogPath);
    // "...\ppp...p.dic" sorts before "...\ru_RU.dic".
    const std::string Expected = Kept + Stamp + "\r\n" + Long + "\r\n" + P1 + "\r\n";
    ASSERT_EQ(New.size(), Expected.size());
    EXPECT_TRUE(New == Expected);  // not printed: 15 MB
}

// A folder in the place of the log makes the save fail; one under the name the replacement
// would take is passed over. Every file is where it was.
TEST_F(LogAttack, FoldersInThePlaceOfTheLogOrItsReplacementLoseNothing) {
    ForceDirs(LogPath);
    WriteBytes(LogPath + "\\kept.txt", "inside");
    EXPECT_FALSE(WriteUpdateLogFile(RunTime, {P1}));
    EXPECT_EQ(ReadBytes(LogPath + "\\kept.txt"), "inside");
    EXPECT_FALSE(FileExists(LogPath + ".new"));
    DeleteTree(LogPath);

    WriteBytes(LogPath, OldLog);
    ForceDirs(LogPath + ".new");
    WriteBytes(LogPath + ".new\\kept.txt", "inside");
    EXPECT_TRUE(WriteUpdateLogFile(RunTime, {P1}));
    EXPECT_EQ(ReadBytes(LogPath), Merged);
    EXPECT_EQ(ReadBytes(LogPath + ".new\\kept.txt"), "inside");
}

// A file planted under the replacement's name, held open or not, is never written through:
// the log is saved under another name and the planted file keeps its bytes.
TEST_F(LogAttack, FilePlantedUnderTheReplacementNameIsLeftAlone) {
    for (bool HeldOpen : {false, true}) {
        SCOPED_TRACE(HeldOpen ? "held open" : "not held");
        const std::string Planted = LogPath + ".new";
        WriteBytes(LogPath, OldLog);
        WriteBytes(Planted, "another program's");
        TOtherProcessHolding Holder(Planted, GENERIC_READ | GENERIC_WRITE, 0);
        if (!HeldOpen) Holder.End();

        EXPECT_TRUE(WriteUpdateLogFile(RunTime, {P1}));
        Holder.End();
        EXPECT_EQ(ReadBytes(LogPath), Merged);
        EXPECT_EQ(ReadBytes(Planted), "another program's");
        DeleteFileA(Planted.c_str());
    }
}

struct THeldCase {
    const char* Name;
    const char* Suffix;  // of the held file's name, after the log's
    DWORD Access, Share;
};

// Another process holds the log, or the name its replacement is written under. The save
// fails with the earlier log byte for byte, and succeeds once that process has ended.
TEST_F(LogAttack, LogHeldByAnotherProcessIsKeptAndMergedOnceFree) {
    const THeldCase Cases[] = {
        {"log held without sharing", "", GENERIC_READ | GENERIC_WRITE, 0},
        {"log read by a viewer", "", GENERIC_READ, FILE_SHARE_READ},
        {"log followed by a viewer that lets others write", "", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE},
    };
    for (const THeldCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        const std::string Held = LogPath + Case.Suffix;
        WriteBytes(LogPath, OldLog);
        WriteBytes(Held, Case.Suffix[0] ? "another program's" : OldLog);
        TOtherProcessHolding Holder(Held, Case.Access, Case.Share);
        ASSERT_TRUE(Holder.Holds());

        EXPECT_FALSE(WriteUpdateLogFile(RunTime, {P1}));
        Holder.End();
        EXPECT_EQ(ReadBytes(LogPath), OldLog);
        if (Case.Suffix[0]) {
            EXPECT_EQ(ReadBytes(Held), "another program's");
            DeleteFileA(Held.c_str());
        } else {
            EXPECT_FALSE(FileExists(LogPath + ".new"));
        }

        EXPECT_TRUE(WriteUpdateLogFile(RunTime, {P1}));
        EXPECT_EQ(ReadBytes(LogPath), Merged);
    }
}

}  // namespace
