#include "Process.h"

#include <psapi.h>

#include <stdexcept>

namespace {

// Every parameter in double quotes: the paths the benchmark passes hold no quotes.
std::wstring CommandLine(const std::vector<std::wstring>& Arguments) {
    std::wstring Line;
    for (const std::wstring& Argument : Arguments) {
        if (!Line.empty()) Line += L' ';
        Line += L'"' + Argument + L'"';
    }
    return Line;
}

}  // namespace

TStartedProcess StartProcess(const std::vector<std::wstring>& Arguments) {
    std::wstring Line = CommandLine(Arguments);
    STARTUPINFOW Startup = {};
    Startup.cb = sizeof Startup;
    PROCESS_INFORMATION Info = {};
    if (!CreateProcessW(Arguments[0].c_str(), &Line[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &Startup, &Info))
        throw std::runtime_error("cannot start the program, error " +
                                 std::to_string(GetLastError()));
    TKernelHandle Thread(Info.hThread);
    TStartedProcess Started;
    Started.Handle.Reset(Info.hProcess);
    Started.Id = Info.dwProcessId;
    return Started;
}

bool HasExited(HANDLE Process) { return WaitForSingleObject(Process, 0) == WAIT_OBJECT_0; }

SIZE_T PeakWorkingSet(HANDLE Process) {
    PROCESS_MEMORY_COUNTERS Counters = {};
    Counters.cb = sizeof Counters;
    if (!K32GetProcessMemoryInfo(Process, &Counters, sizeof Counters))
        throw std::runtime_error("cannot read the memory counters, error " +
                                 std::to_string(GetLastError()));
    return Counters.PeakWorkingSetSize;
}

DWORD WaitForExit(HANDLE Process, DWORD TimeoutMs) {
    if (WaitForSingleObject(Process, TimeoutMs) != WAIT_OBJECT_0)
        throw std::runtime_error("the program did not end within " + std::to_string(TimeoutMs) +
                                 " ms");
    DWORD Code = 0;
    GetExitCodeProcess(Process, &Code);
    return Code;
}

void KillProcess(HANDLE Process) {
    TerminateProcess(Process, 1);
    WaitForSingleObject(Process, INFINITE);
}
