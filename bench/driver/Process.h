// The program under measurement: started, watched and ended by the driver.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "InstUtils/WinHandles.h"

struct TStartedProcess {
    TKernelHandle Handle;
    DWORD Id = 0;
};

// Starts Arguments[0] with the rest as its parameters; throws when it cannot start.
TStartedProcess StartProcess(const std::vector<std::wstring>& Arguments);

bool HasExited(HANDLE Process);

// The largest working set the process has had so far, in bytes.
SIZE_T PeakWorkingSet(HANDLE Process);

// Waits for the process to end by itself; throws after TimeoutMs. Gives the exit code.
DWORD WaitForExit(HANDLE Process, DWORD TimeoutMs);

// Ends the process at once and waits until it is gone.
void KillProcess(HANDLE Process);
