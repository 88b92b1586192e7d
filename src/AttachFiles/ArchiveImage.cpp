#include "ArchiveImage.h"

#include <cstring>

namespace {

constexpr int64_t FixedHeaderSize = 8 + 4;  // time and size after the name

[[noreturn]] void RaiseEntryFault(size_t Index, const char* What) {
    throw EArchiveError("the setup archive is damaged: entry " + std::to_string(Index) + " " + What);
}

// The fields are little-endian, as the machines the setup and its packer run on.
template <typename T>
T ReadField(const uint8_t* At) {
    T Value;
    std::memcpy(&Value, At, sizeof(T));
    return Value;
}

}  // namespace

std::vector<TAttachedFile> ParseArchiveImage(const uint8_t* Data, int32_t DataSize) {
    if (DataSize < 0) throw EArchiveError("the setup archive is damaged");
    std::vector<TAttachedFile> Entries;
    // 64-bit positions, so that a size near the int32 limit cannot wrap past the end.
    int64_t P = 0;
    while (P < DataSize) {
        TAttachedFile Entry;
        int64_t NameLength = Data[P];
        if (P + 1 + NameLength + FixedHeaderSize > DataSize)
            RaiseEntryFault(Entries.size(), "overruns the image");
        Entry.Name.assign(reinterpret_cast<const char*>(Data + P + 1), size_t(NameLength));
        P += NameLength + 1;
        Entry.Time = ReadField<double>(Data + P);
        Entry.Size = ReadField<int32_t>(Data + P + 8);
        Entry.Offset = int32_t(P + FixedHeaderSize);
        if (Entry.Size < 0) RaiseEntryFault(Entries.size(), "has a negative size");
        if (int64_t(Entry.Offset) + Entry.Size > DataSize)
            RaiseEntryFault(Entries.size(), "overruns the image");
        P = int64_t(Entry.Offset) + Entry.Size;
        Entries.push_back(std::move(Entry));
    }
    return Entries;
}
