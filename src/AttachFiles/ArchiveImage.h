// The archive image: entries back to back, each a name length byte, the name, the stored
// time (double), the size (int32) and the data. Portable code with no platform calls, so
// that it also builds natively for the fuzzer.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

struct TAttachedFile {
    std::string Name;
    int32_t Size = 0;
    double Time = 0;
    int32_t Offset = 0;  // of the first data byte within the inflated image
};

// A missing, truncated or damaged archive. The main routine shows it as "Exception %s".
class EArchiveError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TFreeDeleter {
    void operator()(void* Block) const { std::free(Block); }
};
using TMemoryBlock = std::unique_ptr<uint8_t[], TFreeDeleter>;

struct TInflatedBlock {
    TMemoryBlock Data;
    int32_t Size = 0;
};

// Inflates a whole zlib stream into a newly allocated block of exactly the inflated size.
TInflatedBlock InflateBuffer(const void* Input, int32_t InputSize, int32_t Estimate);

// Lists the entries of an inflated image; every entry lies wholly inside it.
std::vector<TAttachedFile> ParseArchiveImage(const uint8_t* Data, int32_t DataSize);
