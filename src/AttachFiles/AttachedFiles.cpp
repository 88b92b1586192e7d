#include "AttachFiles.h"

#include <algorithm>

#include "InstUtils/TempFiles.h"

TAttachedFiles* AttachedFiles = nullptr;
bool RecordUpdates = false;

TResourceData LoadResourceData(const char* Name, const char* Type) {
    HMODULE Module = GetModuleHandleA(nullptr);
    HRSRC Resource = FindResourceA(Module, Name, Type);
    HGLOBAL Loaded = Resource ? LoadResource(Module, Resource) : nullptr;
    const void* Data = Loaded ? LockResource(Loaded) : nullptr;
    if (!Data) throw EArchiveError("the setup archive is missing");
    return TResourceData{Data, SizeofResource(Module, Resource)};
}

TAttachedFiles::TAttachedFiles() {
    TResourceData Resource = LoadResourceData("FILES", "FILES");
    if (Resource.Size > DWORD(INT32_MAX)) throw EArchiveError("the setup archive is too large");
    Load(Resource.Data, int32_t(Resource.Size));
}

TAttachedFiles::TAttachedFiles(const void* Compressed, int32_t Size) { Load(Compressed, Size); }

void TAttachedFiles::Load(const void* Compressed, int32_t Size) {
    // Five times the compressed size holds most archives in one pass.
    const int32_t Estimate = int32_t(std::min<int64_t>(int64_t(Size) * 5, INT32_MAX));
    TInflatedBlock Image = InflateBuffer(Compressed, Size, Estimate);
    Entries = ParseArchiveImage(Image.Data.get(), Image.Size);
    Data = std::move(Image.Data);
    DataSize = Image.Size;
}

TAttachedFiles::~TAttachedFiles() {
    // Jobs point at entries, so they go first; the temporary files of the run go last,
    // when nothing that used them is left.
    UpdatedFiles.clear();
    InstallLists[0].clear();
    Data.reset();
    Entries.clear();
    CleanTempFiles();
}
