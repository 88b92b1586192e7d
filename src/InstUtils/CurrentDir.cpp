// The current directory, and the folder test that works through it.
#include <windows.h>

#include <vector>

#include "Paths.h"

namespace {

// Saved current directories, each with trailing backslash; empty between DirExists calls.
std::vector<std::string>& DirStack() {
    static std::vector<std::string> Stack;
    return Stack;
}

}  // namespace

std::string GetCurDir() {
    DWORD Size = GetCurrentDirectoryA(0, nullptr);  // with the terminating zero
    if (Size == 0) return std::string();
    std::string Dir(Size, '\0');
    DWORD Length = GetCurrentDirectoryA(Size, &Dir[0]);
    if (Length == 0 || Length >= Size) return std::string();
    Dir.resize(Length);
    AddBackslash(Dir);
    return Dir;
}

void PushCurDir() { DirStack().push_back(GetCurDir()); }

void PopCurDir() {
    auto& Stack = DirStack();
    if (Stack.empty()) return;
    SetCurrentDirectoryA(Stack.back().c_str());
    Stack.pop_back();
}

// The system accepts the folder as current directory and spells it back the same way:
// relative paths, slashes, doubled backslashes and dot parts all come back changed.
bool DirExists(const std::string& Path) {
    PushCurDir();
    std::string Wanted = Path;
    AddBackslash(Wanted);
    SetCurrentDirectoryA(Wanted.c_str());
    bool Same = SameFileName(GetCurDir(), Wanted);
    PopCurDir();
    return Same;
}
