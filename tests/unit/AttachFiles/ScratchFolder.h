// A folder of the test's own under the temporary folder, emptied before and removed after.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "InstUtils/Paths.h"
#include "InstUtils/TempFiles.h"

class TScratchFolder {
public:
    explicit TScratchFolder(const std::string& Name) : Path(GetTempDir() + Name + "\\") {
        DeleteTree(Path);
        ForceDirs(Path);
    }
    ~TScratchFolder() { DeleteTree(Path); }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    const std::string Path;  // with trailing backslash
};

inline std::string ReadWholeFile(const std::string& Path) {
    std::ifstream In(Path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
}
