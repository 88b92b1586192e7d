// The attached archive: the add-on files, the licence and the logos, inflated into memory
// at start-up; extraction of an entry to a file, and the queue of files to install.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ArchiveImage.h"

enum TInstallMode : uint8_t { imKeepExisting = 0, imReplaceChanged = 1, imReplaceAlways = 2 };

struct TFileToInstall {
    const TAttachedFile* Entry = nullptr;  // belongs to Entries
    std::string Target;
};

// While set, queued targets under the shared public folder are recorded in UpdatedFiles.
extern bool RecordUpdates;

// Read-only bytes of a resource of the program's own module.
struct TResourceData {
    const void* Data = nullptr;
    DWORD Size = 0;
};
TResourceData LoadResourceData(const char* Name, const char* Type);

class TAttachedFiles {
public:
    TAttachedFiles();                                          // from the "FILES" resource
    TAttachedFiles(const void* Compressed, int32_t Size);      // from a zlib stream
    virtual ~TAttachedFiles();                                 // also removes temporary files
    TAttachedFiles(const TAttachedFiles&) = delete;
    TAttachedFiles& operator=(const TAttachedFiles&) = delete;

    // Writes an entry (or, when Entry is null, the last entry named Name) to FileName.
    bool ExtractFile(const TAttachedFile* Entry, const std::string& Name, const std::string& FileName);
    // Queues the entries matching Pattern into DestDir under the replace rule Mode.
    bool AddFiles(const std::string& Pattern, const std::string& DestDir, uint8_t ListIndex,
                  TInstallMode Mode);

    TMemoryBlock Data;
    int32_t DataSize = 0;
    std::vector<TAttachedFile> Entries;
    std::array<std::vector<TFileToInstall>, 1> InstallLists;
    std::vector<std::string> UpdatedFiles;
    bool ForceReplace = false;

private:
    void Load(const void* Compressed, int32_t Size);
    bool AddFile(const TAttachedFile& Entry, const std::string& DestDir, uint8_t ListIndex,
                 TInstallMode Requested, TInstallMode Effective);
};

extern TAttachedFiles* AttachedFiles;
