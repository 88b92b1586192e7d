#include "ArchiveImage.h"

#include <zlib.h>

#include <algorithm>
#include <new>

namespace {

constexpr int64_t MaxImageSize = INT32_MAX;

// Closes the inflate stream on every way out of InflateBuffer.
class TInflateStream {
public:
    TInflateStream(const void* Input, int32_t InputSize) {
        FStream.next_in = static_cast<Bytef*>(const_cast<void*>(Input));
        FStream.avail_in = uInt(InputSize);
        int Rc = inflateInit(&FStream);
        if (Rc == Z_MEM_ERROR) throw std::bad_alloc();
        if (Rc != Z_OK) throw EArchiveError("the setup archive cannot be unpacked");
    }
    ~TInflateStream() { inflateEnd(&FStream); }
    TInflateStream(const TInflateStream&) = delete;
    TInflateStream& operator=(const TInflateStream&) = delete;
    z_stream& operator*() { return FStream; }

private:
    z_stream FStream{};
};

TMemoryBlock Allocate(int64_t Size) {
    TMemoryBlock Block(static_cast<uint8_t*>(std::malloc(size_t(Size))));
    if (!Block) throw std::bad_alloc();
    return Block;
}

// Grows the block to NewSize, keeping its content; on failure the old block stays owned.
void Resize(TMemoryBlock& Block, int64_t NewSize) {
    void* Grown = std::realloc(Block.get(), size_t(NewSize));
    if (!Grown) throw std::bad_alloc();
    Block.release();
    Block.reset(static_cast<uint8_t*>(Grown));
}

// Gives the spare room back; a block of 0 bytes keeps one byte so that it stays a block.
void Trim(TMemoryBlock& Block, int64_t Size) {
    if (void* Trimmed = std::realloc(Block.get(), size_t(std::max<int64_t>(Size, 1)))) {
        Block.release();
        Block.reset(static_cast<uint8_t*>(Trimmed));
    }
}

// Inflate stopped with room left in the output: either the stream is damaged, or the
// input ended before the stream did.
[[noreturn]] void RaiseStreamFault(int Rc, const z_stream& Stream) {
    if (Rc == Z_MEM_ERROR) throw std::bad_alloc();
    if (Rc == Z_DATA_ERROR || Rc == Z_NEED_DICT || Stream.avail_in > 0)
        throw EArchiveError("the setup archive is damaged");
    throw EArchiveError("the setup archive is truncated");
}

}  // namespace

TInflatedBlock InflateBuffer(const void* Input, int32_t InputSize, int32_t Estimate) {
    if (InputSize < 0) throw EArchiveError("the setup archive is damaged");
    // The compressed size rounded up to 256 bytes; never 0, so that growing always gains room.
    const int64_t Step = std::max<int64_t>((int64_t(InputSize) + 255) & ~int64_t(255), 256);
    int64_t Capacity = Estimate > 0 ? Estimate : Step;
    TMemoryBlock Block = Allocate(Capacity);

    TInflateStream Stream(Input, InputSize);
    (*Stream).next_out = Block.get();
    (*Stream).avail_out = uInt(Capacity);
    for (;;) {
        int Rc = inflate(&*Stream, Z_NO_FLUSH);
        if (Rc == Z_STREAM_END) break;
        if ((*Stream).avail_out > 0) RaiseStreamFault(Rc, *Stream);
        // The output room is used up: grow by one step, but never past what an image may hold.
        if (Capacity >= MaxImageSize) throw EArchiveError("the setup archive is too large");
        int64_t Total = Capacity;
        Capacity = std::min(Capacity + Step, MaxImageSize);
        Resize(Block, Capacity);
        (*Stream).next_out = Block.get() + Total;
        (*Stream).avail_out = uInt(Capacity - Total);
    }
    // Bytes after the end of the stream are ignored: the stream's own checksum has vouched
    // for the image, and resource tools may pad the data to an alignment.
    int64_t Total = Capacity - (*Stream).avail_out;
    Trim(Block, Total);
    return TInflatedBlock{std::move(Block), int32_t(Total)};
}
