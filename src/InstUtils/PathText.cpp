// The pure string functions on paths: no file system access.
#include <windows.h>

#include "Paths.h"

std::wstring ToWide(const std::string& Text) {
    if (Text.empty()) return std::wstring();
    std::wstring Wide(Text.size(), L'\0');
    int Length = MultiByteToWideChar(1252, MB_PRECOMPOSED, Text.data(), int(Text.size()), &Wide[0],
                                     int(Wide.size()));
    Wide.resize(Length > 0 ? size_t(Length) : 0);
    return Wide;
}

void AddBackslash(std::string& Path) {
    if (Path.empty()) return;
    if (Path.back() == '\\' || Path.back() == '/')
        Path.back() = '\\';
    else
        Path += '\\';
}

std::string PathCombine(const std::string& Folder, const std::string& Name) {
    std::string Path = Folder;
    AddBackslash(Path);
    return Path + Name;
}

char LastChar(const std::string& Text) { return Text.empty() ? '\0' : Text.back(); }

void DeleteFirstChar(std::string& Text) {
    if (!Text.empty()) Text.erase(0, 1);
}

void DeleteLastChar(std::string& Text) {
    if (!Text.empty()) Text.pop_back();
}

bool SameFileName(const std::string& A, const std::string& B) {
    if (A.size() != B.size()) return false;
    std::string UpperA = A, UpperB = B;
    if (!UpperA.empty()) {
        CharUpperBuffA(&UpperA[0], DWORD(UpperA.size()));
        CharUpperBuffA(&UpperB[0], DWORD(UpperB.size()));
    }
    return UpperA == UpperB;
}

size_t LastPathDelimiter(const std::string& Path, UINT CodePage) {
    size_t Found = std::string::npos;
    // Forward, so that the second byte of a double-byte character is never taken for one.
    for (size_t I = 0; I < Path.size(); ++I) {
        if (Path[I] == '\\' || Path[I] == ':')
            Found = I;
        else if (IsDBCSLeadByteEx(CodePage, BYTE(Path[I])))
            ++I;
    }
    return Found;
}

std::string ParentPath(const std::string& Path) {
    size_t Delimiter = LastPathDelimiter(Path, CP_ACP);
    return Delimiter == std::string::npos ? std::string() : Path.substr(0, Delimiter + 1);
}

std::string NamePart(const std::string& Path) {
    size_t Delimiter = LastPathDelimiter(Path, CP_ACP);
    return Delimiter == std::string::npos ? Path : Path.substr(Delimiter + 1);
}

std::string DrivePart(const std::string& Path) {
    if (Path.size() >= 2 && Path[1] == ':') return Path.substr(0, 2);
    if (Path.compare(0, 2, "\\\\") != 0) return std::string();
    int Backslashes = 0;
    size_t End = 2;
    for (; End < Path.size(); ++End)
        if (Path[End] == '\\' && ++Backslashes == 2) break;
    return Path.substr(0, End);
}
