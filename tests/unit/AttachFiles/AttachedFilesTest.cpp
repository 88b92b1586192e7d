// Loading the archive: the program's own "FILES" resource and streams made by a test.
#include <gtest/gtest.h>

#include "ArchiveBuilder.h"
#include "AttachFiles/AttachFiles.h"
#include "InstUtils/DateTime.h"

TEST(AttachedFiles, ShippedArchiveHoldsTheTenEntriesInOrder) {
    TAttachedFiles Archive;
    struct TExpected {
        const char* Name;
        double Time;
    } Expected[] = {
        {"License.txt", EncodeDateTime(2021, 2, 10, 11, 58, 46)},
        {"hunspell.dll", EncodeDateTime(2013, 4, 6, 21, 31, 14)},
        {"Russian.asc", EncodeDateTime(2013, 4, 7, 1, 52, 28)},
        {"userdicru.tlx", EncodeDateTime(2013, 4, 4, 22, 4, 42)},
        {"ru_RU.dic", EncodeDateTime(2013, 4, 5, 5, 20, 2)},
        {"ru_RU.aff", EncodeDateTime(2013, 4, 5, 5, 20, 14)},
        {"Russian.hyph", EncodeDateTime(2023, 10, 28, 6, 10, 28)},
        {"Russian.thes", EncodeDateTime(2023, 12, 27, 17, 2, 18)},
        {"Logo.bmp", EncodeDateTime(2016, 4, 17, 20, 20, 14)},
        {"LogoSmall.bmp", EncodeDateTime(2019, 4, 12, 3, 37, 30)},
    };
    ASSERT_EQ(Archive.Entries.size(), 10u);
    for (size_t I = 0; I < 10; ++I) {
        SCOPED_TRACE(Expected[I].Name);
        EXPECT_EQ(Archive.Entries[I].Name, Expected[I].Name);
        EXPECT_EQ(Archive.Entries[I].Time, Expected[I].Time);
    }
    const TAttachedFile& Last = Archive.Entries.back();
    EXPECT_EQ(Last.Offset + Last.Size, Archive.DataSize);

    const TAttachedFile& Asc = Archive.Entries[2];
    const std::string AscText(reinterpret_cast<const char*>(Archive.Data.get()) + Asc.Offset, size_t(Asc.Size));
    EXPECT_EQ(AscText,
              "[General]\r\nLanguage=1049\r\nEngine=hunspell\r\n\r\n"
              "[Fixed Lexicons]\r\nCount=1\r\nLexicon1=ru_RU.dic\r\n\r\n"
              "[Editable Lexicons]\r\nCount=1\r\nLexicon1=userdicru.tlx");
    EXPECT_EQ(Asc.Size, 146);
    EXPECT_EQ(Archive.Entries[3].Size, 0);
    EXPECT_EQ(Archive.Entries[3].Offset, Archive.Entries[4].Offset - 13 - 9);  // "ru_RU.dic"
}

TEST(AttachedFiles, MissingResourceRaises) {
    try {
        LoadResourceData("NOSUCHARCHIVE", "FILES");
        FAIL() << "no error raised";
    } catch (const EArchiveError& E) {
        EXPECT_STREQ(E.what(), "the setup archive is missing");
    }
}

TEST(AttachedFiles, LoadsAStreamAndRejectsADamagedOne) {
    const std::string Stream = TArchiveBuilder().Add("a", 41000.5, "one").Add("b", 41001.5, "").Stream();
    TAttachedFiles Archive(Stream.data(), int32_t(Stream.size()));
    ASSERT_EQ(Archive.Entries.size(), 2u);
    EXPECT_EQ(Archive.DataSize, 2 * 14 + 3);
    EXPECT_TRUE(Archive.InstallLists[0].empty());
    EXPECT_TRUE(Archive.UpdatedFiles.empty());
    EXPECT_FALSE(Archive.ForceReplace);

    const std::string Cut = TruncatedStream(Stream, Stream.size() - 1);
    EXPECT_THROW(TAttachedFiles(Cut.data(), int32_t(Cut.size())), EArchiveError);
}
