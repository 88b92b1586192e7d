#include "MainDlg/ReplacementFile.h"

#include "InstUtils/Paths.h"

namespace {

constexpr std::size_t BufferSize = 64 * 1024;

// A read-only file is kept as it is. Windows refuses to move a file over one; not every
// system that runs the setup does, so it is checked here.
bool IsReadOnlyFile(const std::wstring& Path) {
    const DWORD Attributes = GetFileAttributesW(Path.c_str());
    return Attributes != INVALID_FILE_ATTRIBUTES && (Attributes & FILE_ATTRIBUTE_READONLY);
}

}  // namespace

// The folder of the records can be written by every user, so anything may already stand
// under the replacement's name: a file, a folder, a link to a file elsewhere. The new file is
// made only under a name that nothing holds and never through a link, so the elevated setup
// cannot be led to overwrite another file.
TReplacementFile::TReplacementFile(const std::string& Path) : FPath(Path) {
    constexpr int NameAttempts = 100;
    for (int Attempt = 0; Attempt < NameAttempts && !FFile; ++Attempt) {
        FNewPath = ToWide(Path + ".new" + (Attempt ? std::to_string(Attempt) : std::string()));
        FFile.Reset(CreateFileW(FNewPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        const DWORD Error = FFile ? ERROR_SUCCESS : GetLastError();
        if (Error != ERROR_FILE_EXISTS && Error != ERROR_ALREADY_EXISTS &&
            Error != ERROR_ACCESS_DENIED && Error != ERROR_SHARING_VIOLATION)
            break;
    }
    FBuffer.reserve(BufferSize);
}

TReplacementFile::~TReplacementFile() {
    if (FCommitted || !FFile) return;
    FFile.Reset();
    DeleteFileW(FNewPath.c_str());
}

void TReplacementFile::Write(const std::string& Bytes) {
    FBuffer += Bytes;
    if (FBuffer.size() >= BufferSize) Flush();
}

bool TReplacementFile::Flush() {
    if (!FFailed && !FBuffer.empty()) {
        DWORD Written = 0;
        const DWORD Size = DWORD(FBuffer.size());
        FFailed = !WriteFile(FFile.Get(), FBuffer.data(), Size, &Written, nullptr) ||
                  Written != Size;
    }
    FBuffer.clear();
    return !FFailed;
}

bool TReplacementFile::Commit() {
    if (!FFile || !Flush() || !FlushFileBuffers(FFile.Get())) return false;
    FFile.Reset();
    const std::wstring Path = ToWide(FPath);
    const DWORD Flags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (IsReadOnlyFile(Path) || !MoveFileExW(FNewPath.c_str(), Path.c_str(), Flags)) {
        DeleteFileW(FNewPath.c_str());
        return false;
    }
    FCommitted = true;
    return true;
}
