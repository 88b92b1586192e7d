// Builds small archive images in memory, entry by entry, and their zlib streams, whole,
// cut short or damaged. Bytes are held in std::string so that results compare directly.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>

// The header of one entry: name length, name, stored time, size. Size may be any value,
// so that a test can make an entry claim more data than follows.
inline std::string ArchiveEntryHeader(const std::string& Name, double Time, int32_t Size) {
    if (Name.size() > 255) throw std::invalid_argument("entry names hold at most 255 bytes");
    std::string Header(1, char(uint8_t(Name.size())));
    Header += Name;
    char Fields[12];
    std::memcpy(Fields, &Time, 8);
    std::memcpy(Fields + 8, &Size, 4);
    return Header + std::string(Fields, sizeof Fields);
}

inline std::string ZlibCompress(const std::string& Image, int Level = Z_BEST_COMPRESSION) {
    uLongf Size = compressBound(uLong(Image.size()));
    std::string Stream(Size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(&Stream[0]), &Size,
                  reinterpret_cast<const Bytef*>(Image.data()), uLong(Image.size()), Level) != Z_OK)
        throw std::runtime_error("zlib compression failed");
    Stream.resize(Size);
    return Stream;
}

// The first Keep bytes of a stream: input that ends before the stream does.
inline std::string TruncatedStream(const std::string& Stream, size_t Keep) {
    return Stream.substr(0, Keep);
}

// A stream with the byte at At inverted.
inline std::string DamagedStream(std::string Stream, size_t At) {
    Stream.at(At) = char(~Stream.at(At));
    return Stream;
}

class TArchiveBuilder {
public:
    TArchiveBuilder& Add(const std::string& Name, double Time, const std::string& Data) {
        FImage += ArchiveEntryHeader(Name, Time, int32_t(Data.size())) + Data;
        return *this;
    }
    // Bytes appended as they are: a hand-made header, a piece of an entry.
    TArchiveBuilder& AddRaw(const std::string& Bytes) {
        FImage += Bytes;
        return *this;
    }

    const std::string& Image() const { return FImage; }
    std::string Stream(int Level = Z_BEST_COMPRESSION) const { return ZlibCompress(FImage, Level); }

private:
    std::string FImage;
};
