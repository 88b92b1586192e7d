// The benchmark's driver: starts a program under this Wine prefix, takes one measure of it
// and prints "ms N" and "peak BYTES".
//   BenchDriver firstpage [--title TEXT] PROGRAM [PARAMETERS...]
//   BenchDriver install SETUP HOMEFOLDER
#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "Measures.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: BenchDriver firstpage [--title TEXT] PROGRAM [PARAMETERS...]\n"
                 "       BenchDriver install SETUP HOMEFOLDER\n");
    return 2;
}

TMeasure Measure(const std::vector<std::wstring>& Arguments) {
    if (Arguments[0] == L"install") return TimeInstallation(Arguments.at(1), Arguments.at(2));
    std::wstring Title;
    size_t First = 1;
    if (Arguments.at(1) == L"--title") {
        Title = Arguments.at(2);
        First = 3;
    }
    return TimeFirstPage({Arguments.begin() + First, Arguments.end()}, Title);
}

}  // namespace

int wmain(int Argc, wchar_t** Argv) {
    const std::vector<std::wstring> Arguments(Argv + 1, Argv + Argc);
    const bool Known =
        !Arguments.empty() && ((Arguments[0] == L"install" && Arguments.size() == 3) ||
                               (Arguments[0] == L"firstpage" && Arguments.size() >= 2));
    if (!Known) return Usage();
    try {
        const TMeasure Result = Measure(Arguments);
        std::printf("ms %.3f\npeak %zu\n", Result.Ms, static_cast<size_t>(Result.PeakWorkingSet));
        return 0;
    } catch (const std::exception& Failure) {
        std::fprintf(stderr, "BenchDriver: %s\n", Failure.what());
        return 1;
    }
}
