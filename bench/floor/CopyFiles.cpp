// The floor of the installation figure: copies every file of an unpacked folder into each
// target folder with CopyFileW and prints the milliseconds the copies took.
// Usage: CopyFloor SOURCE TARGET...
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "InstUtils/WinHandles.h"
#include "common/Stopwatch.h"

namespace {

std::vector<std::wstring> FileNames(const std::wstring& Folder) {
    std::vector<std::wstring> Names;
    WIN32_FIND_DATAW Found;
    TFindHandle Find(FindFirstFileW((Folder + L"\\*").c_str(), &Found));
    if (!Find) return Names;
    do {
        if (!(Found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) Names.push_back(Found.cFileName);
    } while (FindNextFileW(Find.Get(), &Found));
    return Names;
}

}  // namespace

int wmain(int Argc, wchar_t** Argv) {
    if (Argc < 3) {
        std::fprintf(stderr, "usage: CopyFloor SOURCE TARGET...\n");
        return 2;
    }
    const std::wstring Source = Argv[1];
    const std::vector<std::wstring> Names = FileNames(Source);
    if (Names.empty()) {
        std::fprintf(stderr, "CopyFloor: no files in %ls\n", Source.c_str());
        return 1;
    }
    const double Start = NowMs();
    for (int i = 2; i < Argc; ++i) {
        for (const std::wstring& Name : Names) {
            const std::wstring Target = std::wstring(Argv[i]) + L"\\" + Name;
            if (!CopyFileW((Source + L"\\" + Name).c_str(), Target.c_str(), FALSE)) {
                std::fprintf(stderr, "CopyFloor: cannot copy to %ls\n", Target.c_str());
                return 1;
            }
        }
    }
    std::printf("ms %.3f\nfiles %zu\n", NowMs() - Start, Names.size() * (Argc - 2));
    return 0;
}
