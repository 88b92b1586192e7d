// The add-on files as the archive was packed from them: entry name, source file and stored
// time, read from the payload manifest, so that installed files can be compared with their
// sources byte for byte and time for time.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct TPayloadEntry {
    std::string Name;
    std::string Source;      // as this Wine process sees it
    SYSTEMTIME Stored = {};  // local time, whole seconds
};

std::vector<TPayloadEntry> PayloadEntries();
std::optional<TPayloadEntry> FindPayloadEntry(const std::string& Name);

}  // namespace e2e
