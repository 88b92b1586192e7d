// The records a normal installation leaves for the word processor: the install stamp and
// the update log. Both are written beside the old file and moved over it, so a save that
// fails leaves the previous record whole.
#include <windows.h>

#include <vector>

#include "InstUtils/Paths.h"
#include "InstUtils/WinHandles.h"
#include "MainDlg/Installation.h"
#include "MainDlg/ReplacementFile.h"
#include "MainDlg/UpdateLog.h"

namespace {

// Feeds the earlier log to Cleaner a piece at a time; false when it cannot be read.
bool ReadEarlierLog(const std::string& Path, TLogCleaner& Cleaner) {
    TFileHandle File(CreateFileW(ToWide(Path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!File) return false;
    std::vector<char> Piece(64 * 1024);
    for (;;) {
        DWORD Read = 0;
        if (!ReadFile(File.Get(), Piece.data(), DWORD(Piece.size()), &Read, nullptr)) return false;
        if (Read == 0) break;
        if (!Cleaner.AddText(Piece.data(), Read)) return true;  // a NUL ended the text
    }
    Cleaner.EndText();
    return true;
}

}  // namespace

void WriteInstallStamp(double InstallTime) {
    TReplacementFile Stamp(PathCombine(SharedDataFolder(), "Velmoran\\Hidden\\install_stamp"));
    if (!Stamp.IsOpen()) return;  // no "Hidden" folder: the stamp is left out
    Stamp.Write(InstallTimeBytes(InstallTime));
    Stamp.Commit();
}

bool WriteUpdateLogFile(double InstallTime, std::vector<std::string> UpdatedFiles) {
    if (UpdatedFiles.empty()) return true;
    SortLogPaths(UpdatedFiles);
    const std::string LogPath = PathCombine(SharedDataFolder(), "Velmoran\\Update.log");

    TReplacementFile NewLog(LogPath);
    if (!NewLog.IsOpen()) return false;
    auto WriteLine = [&NewLog](const std::string& Line) { NewLog.Write(Line + "\r\n"); };
    TLogCleaner Cleaner(UpdatedFiles, WriteLine);
    if (IsExistingFile(LogPath) && !ReadEarlierLog(LogPath, Cleaner)) return false;
    WriteLine(StampLine(InstallTime));
    for (const std::string& Path : UpdatedFiles) WriteLine(Path);
    return NewLog.Commit();
}
