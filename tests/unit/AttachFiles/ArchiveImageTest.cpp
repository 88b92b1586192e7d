// Inflating the archive stream and listing the entries of the image.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ArchiveBuilder.h"
#include "AttachFiles/ArchiveImage.h"
#include "InstUtils/DateTime.h"

namespace {

std::vector<TAttachedFile> Parse(const std::string& Image) {
    return ParseArchiveImage(reinterpret_cast<const uint8_t*>(Image.data()), int32_t(Image.size()));
}

TInflatedBlock Inflate(const std::string& Stream, int32_t Estimate) {
    return InflateBuffer(Stream.data(), int32_t(Stream.size()), Estimate);
}

std::string Bytes(const TInflatedBlock& Block) {
    return std::string(reinterpret_cast<const char*>(Block.Data.get()), size_t(Block.Size));
}

std::string ArchiveErrorOf(void (*Action)(const std::string&), const std::string& Input) {
    try {
        Action(Input);
    } catch (const EArchiveError& E) {
        return E.what();
    }
    return "(no error)";
}

const double T1 = EncodeDateTime(2013, 4, 6, 21, 31, 14);
const double T2 = EncodeDateTime(2013, 4, 4, 22, 4, 42);

}  // namespace

TEST(ArchiveImage, EmptyImageHasNoEntries) {
    EXPECT_TRUE(Parse("").empty());
    TInflatedBlock Block = Inflate(ZlibCompress(""), 0);
    EXPECT_EQ(Block.Size, 0);
    EXPECT_NE(Block.Data, nullptr);
}

TEST(ArchiveImage, EntriesTileTheImageInOrder) {
    // Size-0 entries in the middle and at the end, an empty name, a repeated name.
    TArchiveBuilder Archive;
    Archive.Add("License.txt", T1, "licence")
        .Add("userdicru.tlx", T2, "")
        .Add("", T1, "xy")
        .Add("LICENSE.TXT", T2, "second")
        .Add("Sub\\last.dat", T1, "");
    const std::vector<TAttachedFile> E = Parse(Archive.Image());
    const int32_t Size = int32_t(Archive.Image().size());

    ASSERT_EQ(E.size(), 5u);
    const char* Names[] = {"License.txt", "userdicru.tlx", "", "LICENSE.TXT", "Sub\\last.dat"};
    const int32_t Sizes[] = {7, 0, 2, 6, 0};
    const double Times[] = {T1, T2, T1, T2, T1};
    int32_t Start = 0;
    for (size_t I = 0; I < E.size(); ++I) {
        SCOPED_TRACE(I);
        EXPECT_EQ(E[I].Name, Names[I]);
        EXPECT_EQ(E[I].Size, Sizes[I]);
        EXPECT_EQ(E[I].Time, Times[I]);
        EXPECT_EQ(E[I].Offset, Start + 13 + int32_t(E[I].Name.size()));
        Start = E[I].Offset + E[I].Size;
    }
    EXPECT_EQ(E[2].Offset, E[1].Offset + 13);  // size 0 ends where the next entry's header starts
    EXPECT_EQ(E[4].Offset, Size);              // a last entry of size 0 ends the image
    EXPECT_EQ(Archive.Image().substr(size_t(E[3].Offset), 6), "second");
}

TEST(ArchiveImage, InflatesExactlyWhateverTheEstimate) {
    // Zeros compress about a thousand to one, so a small estimate needs many growth steps.
    std::string Image = TArchiveBuilder()
                            .Add("ru_RU.dic", T1, std::string(300000, '\0'))
                            .Add("Russian.asc", T2, "[General]\r\nLanguage=1049")
                            .Image();
    const std::string Stream = ZlibCompress(Image);
    const int32_t Exact = int32_t(Image.size());
    for (int32_t Estimate : {0, 1, 255, Exact - 1, Exact, Exact + 1, Exact * 5}) {
        SCOPED_TRACE(Estimate);
        TInflatedBlock Block = Inflate(Stream, Estimate);
        EXPECT_EQ(Block.Size, Exact);
        EXPECT_TRUE(Bytes(Block) == Image);
    }
}

TEST(ArchiveImage, BytesAfterTheStreamEndAreIgnored) {
    std::string Image = TArchiveBuilder().Add("a", T1, "data").Image();
    EXPECT_TRUE(Bytes(Inflate(ZlibCompress(Image) + "trailing", 0)) == Image);
}

TEST(ArchiveImage, DamagedOrTruncatedStreamRaises) {
    // Random-looking data, so that the deflate body is long enough to cut and damage.
    std::string Data;
    for (uint32_t X = 1; Data.size() < 20000; X = X * 1103515245u + 12345u) Data += char(X >> 16);
    const std::string Stream = TArchiveBuilder().Add("hunspell.dll", T1, Data).Stream();
    const size_t N = Stream.size();

    struct TCase {
        const char* What;
        std::string Input;
        const char* Message;
    } Cases[] = {
        {"nothing", "", "the setup archive is truncated"},
        {"header only", TruncatedStream(Stream, 2), "the setup archive is truncated"},
        {"half", TruncatedStream(Stream, N / 2), "the setup archive is truncated"},
        {"no checksum", TruncatedStream(Stream, N - 4), "the setup archive is truncated"},
        {"one byte short", TruncatedStream(Stream, N - 1), "the setup archive is truncated"},
        {"bad header", DamagedStream(Stream, 0), "the setup archive is damaged"},
        {"bad body", DamagedStream(Stream, N / 2), "the setup archive is damaged"},
        {"bad checksum", DamagedStream(Stream, N - 1), "the setup archive is damaged"},
        {"not zlib", "plain text, not a zlib stream", "the setup archive is damaged"},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.What);
        for (int32_t Estimate : {0, 1 << 20}) {
            try {
                Inflate(C.Input, Estimate);
                ADD_FAILURE() << "no error raised";
            } catch (const EArchiveError& E) {
                EXPECT_STREQ(E.what(), C.Message);
            }
        }
    }
}

TEST(ArchiveImage, EntriesThatOverrunTheImageRaise) {
    const std::string Good = TArchiveBuilder().Add("a", T1, "1234").Image();
    struct TCase {
        const char* What;
        std::string Image;
        const char* Message;
    } Cases[] = {
        {"name beyond the end", Good + "\x05" "ab", "entry 1 overruns the image"},
        {"header cut short", Good + ArchiveEntryHeader("b", T1, 0).substr(0, 10),
         "entry 1 overruns the image"},
        {"data beyond the end", Good + ArchiveEntryHeader("b", T1, 5) + "1234",
         "entry 1 overruns the image"},
        {"size near the limit", ArchiveEntryHeader("b", T1, INT32_MAX) + "x",
         "entry 0 overruns the image"},
        {"negative size", Good + ArchiveEntryHeader("b", T1, -1) + "xyz",
         "entry 1 has a negative size"},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.What);
        EXPECT_EQ(ArchiveErrorOf([](const std::string& I) { Parse(I); }, C.Image),
                  std::string("the setup archive is damaged: ") + C.Message);
    }
}
