// Inflates the archive with the setup's InflateBuffer and with zlib's one-shot uncompress
// into a buffer of the known size, alternately in one process, and prints the median
// milliseconds of each and the median ratio of the two runs of a repetition. Both results
// must be the same bytes.
// Usage: InflateBench ARCHIVE REPETITIONS
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "AttachFiles/ArchiveImage.h"
#include "common/Stopwatch.h"

namespace {

std::vector<uint8_t> ReadArchive(const char* Path) {
    std::ifstream File(Path, std::ios::binary);
    if (!File) throw std::runtime_error(std::string("cannot open ") + Path);
    std::vector<uint8_t> Bytes((std::istreambuf_iterator<char>(File)),
                               std::istreambuf_iterator<char>());
    if (Bytes.empty()) throw std::runtime_error(std::string("cannot read ") + Path);
    return Bytes;
}

// As the setup's start-up calls it: an estimate of five times the compressed size.
TInflatedBlock RunInflateBuffer(const std::vector<uint8_t>& Archive) {
    const auto Size = static_cast<int32_t>(Archive.size());
    return InflateBuffer(Archive.data(), Size, 5 * Size);
}

TMemoryBlock RunUncompress(const std::vector<uint8_t>& Archive, int32_t InflatedSize) {
    TMemoryBlock Block(static_cast<uint8_t*>(std::malloc(InflatedSize)));
    uLongf Size = static_cast<uLongf>(InflatedSize);
    if (!Block ||
        uncompress(Block.get(), &Size, Archive.data(), static_cast<uLong>(Archive.size())) !=
            Z_OK ||
        Size != static_cast<uLongf>(InflatedSize))
        throw std::runtime_error("uncompress failed");
    return Block;
}

template <typename TRun>
double TimeOf(TRun Run) {
    const double Start = NowMs();
    Run();
    return NowMs() - Start;
}

double Median(std::vector<double> Samples) {
    std::sort(Samples.begin(), Samples.end());
    const size_t Middle = Samples.size() / 2;
    return Samples.size() % 2 ? Samples[Middle] : (Samples[Middle - 1] + Samples[Middle]) / 2;
}

}  // namespace

int main(int Argc, char** Argv) {
    if (Argc != 3 || std::atoi(Argv[2]) < 1) {
        std::fprintf(stderr, "usage: InflateBench ARCHIVE REPETITIONS\n");
        return 2;
    }
    try {
        const std::vector<uint8_t> Archive = ReadArchive(Argv[1]);
        const TInflatedBlock Reference = RunInflateBuffer(Archive);
        if (std::memcmp(Reference.Data.get(), RunUncompress(Archive, Reference.Size).get(),
                        Reference.Size))
            throw std::runtime_error("InflateBuffer and uncompress disagree");

        std::vector<double> Buffer, Uncompress;
        const auto TimeBuffer = [&] {
            Buffer.push_back(TimeOf([&] { RunInflateBuffer(Archive); }));
        };
        for (int i = 0; i < std::atoi(Argv[2]); ++i) {
            const bool BufferFirst = i % 2 == 1;  // the order swaps, so that drift cancels
            if (BufferFirst) TimeBuffer();
            Uncompress.push_back(TimeOf([&] { RunUncompress(Archive, Reference.Size); }));
            if (!BufferFirst) TimeBuffer();
        }
        std::vector<double> Ratios;
        for (size_t i = 0; i < Buffer.size(); ++i) Ratios.push_back(Buffer[i] / Uncompress[i]);
        std::printf("buffer_ms %.3f\nuncompress_ms %.3f\nratio %.4f\ninflated %d\ncompressed %zu\n",
                    Median(Buffer), Median(Uncompress), Median(Ratios), Reference.Size,
                    Archive.size());
        return 0;
    } catch (const std::exception& Failure) {
        std::fprintf(stderr, "InflateBench: %s\n", Failure.what());
        return 1;
    }
}
