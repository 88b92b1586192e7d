// The two measures the driver takes of a wizard program started under Wine.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct TMeasure {
    double Ms = 0;
    SIZE_T PeakWorkingSet = 0;  // bytes, sampled at the end of the measured span
};

// From process start to the first page being shown and painted: a visible window with the
// setup's caption, showing Title (when not empty) in a visible window inside it. The
// program is ended afterwards.
TMeasure TimeFirstPage(const std::vector<std::wstring>& Command, const std::wstring& Title);

// Walks the setup started with "-dHOME" through pages 0 to 3 and times Next on the ready
// page until the finish page is shown and painted; the peak working set is sampled there,
// then Finish ends the setup, which must exit with code 0.
TMeasure TimeInstallation(const std::wstring& Setup, const std::wstring& HomeFolder);
