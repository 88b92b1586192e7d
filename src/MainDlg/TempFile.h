// A temporary file that an archive entry is extracted to for a moment: deleted when the
// scope ends, whether the entry could be loaded or not.
#pragma once

#include <windows.h>

#include <string>

#include "InstUtils/Paths.h"

class TTempFile {
public:
    explicit TTempFile(std::string Name) : FName(std::move(Name)) {}
    ~TTempFile() { DeleteFileW(ToWide(FName).c_str()); }
    TTempFile(const TTempFile&) = delete;
    TTempFile& operator=(const TTempFile&) = delete;
    const std::string& Name() const { return FName; }

private:
    std::string FName;
};
