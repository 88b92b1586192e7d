// A fresh folder under the temporary folder for one test, removed with everything in it at
// the end, and small file helpers for looking at what the setup left there.
#pragma once

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "InstUtils/Paths.h"

class TScratchFolder {
public:
    explicit TScratchFolder(const std::string& Name) {
        char Temp[MAX_PATH + 1] = {};
        GetTempPathA(MAX_PATH, Temp);
        FPath = std::string(Temp) + "InstallTest." + Name + "\\";
        DeleteTree(FPath);
        ForceDirs(FPath);
    }
    ~TScratchFolder() { DeleteTree(FPath); }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    const std::string& Path() const { return FPath; }  // with a trailing backslash
    std::string operator/(const std::string& Name) const { return FPath + Name; }

private:
    std::string FPath;
};

inline std::string ReadBytes(const std::string& Path) {
    std::ifstream File(Path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& Path, const std::string& Bytes) {
    std::ofstream(Path, std::ios::binary | std::ios::trunc) << Bytes;
}

inline bool FileExists(const std::string& Path) {
    const DWORD Attributes = GetFileAttributesA(Path.c_str());
    return Attributes != INVALID_FILE_ATTRIBUTES && !(Attributes & FILE_ATTRIBUTE_DIRECTORY);
}
