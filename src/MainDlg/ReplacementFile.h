// A file written in full beside the one it replaces and moved over it only once every byte
// is on disk, so that a failed or interrupted save leaves the previous file whole.
#pragma once

#include <string>

#include "InstUtils/WinHandles.h"

class TReplacementFile {
public:
    // Creates the new file beside Path; its folder is not created.
    explicit TReplacementFile(const std::string& Path);
    // Deletes the new file unless Commit moved it into place.
    ~TReplacementFile();
    TReplacementFile(const TReplacementFile&) = delete;
    TReplacementFile& operator=(const TReplacementFile&) = delete;

    // False when the new file could not be created.
    bool IsOpen() const { return static_cast<bool>(FFile); }
    void Write(const std::string& Bytes);
    // Writes what is buffered and puts the new file in place of the old; false when any
    // step since the creation failed, the old file then being left as it was.
    bool Commit();

private:
    bool Flush();

    std::string FPath;
    std::wstring FNewPath;
    TFileHandle FFile;
    std::string FBuffer;
    bool FFailed = false;
    bool FCommitted = false;
};
