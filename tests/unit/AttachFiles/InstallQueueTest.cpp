// Queueing entries for installation: patterns, replace rules and the update records.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <memory>

#include "ArchiveBuilder.h"
#include "AttachFiles/AttachFiles.h"
#include "FakeSystemServices.h"
#include "InstUtils/DateTime.h"
#include "ScratchFolder.h"

namespace {

const double T1 = EncodeDateTime(2013, 4, 4, 22, 4, 42);
const double T2 = EncodeDateTime(2013, 4, 7, 1, 52, 28);
const double TwoSeconds = 2.0 / 86400;

std::unique_ptr<TAttachedFiles> MakeArchive(const TArchiveBuilder& Builder) {
    const std::string Stream = Builder.Stream();
    return std::make_unique<TAttachedFiles>(Stream.data(), int32_t(Stream.size()));
}

// The common application data folder is a folder of the test's own, so that the shared
// public folder lies in the scratch folder.
class InstallQueueTest : public ::testing::Test {
protected:
    InstallQueueTest() {
        Fake.SpecialFolders[CSIDL_COMMON_APPDATA] = Folder.Path + "ProgramData";
        Public = Folder.Path + "ProgramData\\Velmoran\\Public\\";
        ForceDirs(Public);
        Archive = MakeArchive(TArchiveBuilder()
                                  .Add("userdicru.tlx", T1, "")
                                  .Add("Russian.asc", T2, "[General]")
                                  .Add("Sub\\a.txt", T1, "a")
                                  .Add("Sub\\b.txt", T1, "b")
                                  .Add("Subway.txt", T1, "not under Sub\\")
                                  .Add("russian.ASC", T1, "a later entry of the name"));
    }
    ~InstallQueueTest() override { RecordUpdates = false; }

    const std::vector<TFileToInstall>& Jobs() const { return Archive->InstallLists[0]; }

    TScratchFolder Folder{"AttachFilesQueue"};
    TFakeSystem Fake;
    std::string Public;
    std::unique_ptr<TAttachedFiles> Archive;
};

}  // namespace

TEST_F(InstallQueueTest, ReplaceRulesAgainstWhatIsOnDisk) {
    enum TTargetState { tsMissing, tsFolder, tsSameTime, tsOtherTime };
    // An entry's twin two seconds older writes the file whose time differs by one step.
    auto Older = MakeArchive(TArchiveBuilder().Add("Russian.asc", T2 - TwoSeconds, "old"));
    struct TCase {
        TTargetState State;
        TInstallMode Mode;
        bool Queued;
    } Cases[] = {
        {tsMissing, imKeepExisting, true},    {tsMissing, imReplaceChanged, true},
        {tsMissing, imReplaceAlways, true},   {tsFolder, imKeepExisting, true},
        {tsFolder, imReplaceChanged, true},   {tsFolder, imReplaceAlways, true},
        {tsSameTime, imKeepExisting, false},  {tsSameTime, imReplaceChanged, false},
        {tsSameTime, imReplaceAlways, true},  {tsOtherTime, imKeepExisting, false},
        {tsOtherTime, imReplaceChanged, true}, {tsOtherTime, imReplaceAlways, true},
    };
    int N = 0;
    for (const TCase& C : Cases) {
        SCOPED_TRACE(testing::Message() << "state " << C.State << ", mode " << int(C.Mode));
        const std::string Dest = Folder.Path + "Dest" + std::to_string(N++);
        const std::string Target = Dest + "\\Russian.asc";
        if (C.State == tsFolder) ForceDirs(Target);
        if (C.State == tsSameTime) Archive->ExtractFile(&Archive->Entries[1], "", Target);
        if (C.State == tsOtherTime) Older->ExtractFile(nullptr, "Russian.asc", Target);
        const size_t Before = Jobs().size();

        EXPECT_EQ(Archive->AddFiles("Russian.asc", Dest, 0, C.Mode), C.Queued);

        ASSERT_EQ(Jobs().size(), Before + (C.Queued ? 1 : 0));
        if (C.Queued) {
            EXPECT_EQ(Jobs().back().Target, Target);
            EXPECT_EQ(Jobs().back().Entry, &Archive->Entries[1]);  // the first bearing the name
        }
    }
}

TEST_F(InstallQueueTest, NamePatternsIgnoreCaseAndUnknownNamesQueueNothing) {
    RecordUpdates = true;
    EXPECT_FALSE(Archive->AddFiles("Missing.txt", Public, 0, imReplaceAlways));
    EXPECT_FALSE(Archive->AddFiles("Sub", Public, 0, imReplaceAlways));  // no folder form without "\"
    EXPECT_TRUE(Jobs().empty());
    EXPECT_TRUE(Archive->UpdatedFiles.empty());

    EXPECT_TRUE(Archive->AddFiles("USERDICRU.TLX", Folder.Path + "Dest\\", 0, imKeepExisting));
    ASSERT_EQ(Jobs().size(), 1u);
    EXPECT_EQ(Jobs()[0].Target, Folder.Path + "Dest\\userdicru.tlx");  // the entry's own spelling
}

TEST_F(InstallQueueTest, FolderPatternQueuesEveryEntryUnderIt) {
    const std::string Dest = Folder.Path + "Dest";
    EXPECT_TRUE(Archive->AddFiles("sub\\", Dest, 0, imKeepExisting));
    ASSERT_EQ(Jobs().size(), 2u);
    EXPECT_EQ(Jobs()[0].Target, Dest + "\\Sub\\a.txt");
    EXPECT_EQ(Jobs()[1].Target, Dest + "\\Sub\\b.txt");
    EXPECT_EQ(Jobs()[1].Entry, &Archive->Entries[3]);

    // One of them on disk: the other is still queued and the call is still a success.
    Archive->ExtractFile(nullptr, "Sub\\a.txt", Dest + "\\Sub\\a.txt");
    EXPECT_TRUE(Archive->AddFiles("Sub\\", Dest, 0, imKeepExisting));
    EXPECT_EQ(Jobs().size(), 3u);
    Archive->ExtractFile(nullptr, "Sub\\b.txt", Dest + "\\Sub\\b.txt");
    EXPECT_FALSE(Archive->AddFiles("Sub\\", Dest, 0, imKeepExisting));
    EXPECT_EQ(Jobs().size(), 3u);
}

TEST_F(InstallQueueTest, ForceReplaceQueuesOverAnythingAndKeepsTheMark) {
    RecordUpdates = true;
    Archive->ForceReplace = true;
    const std::string Dest = Public + "Spellcheck";
    Archive->ExtractFile(nullptr, "userdicru.tlx", Dest + "\\userdicru.tlx");
    Archive->ExtractFile(nullptr, "Russian.asc", Dest + "\\Russian.asc");

    EXPECT_TRUE(Archive->AddFiles("userdicru.tlx", Dest, 0, imKeepExisting));
    EXPECT_TRUE(Archive->AddFiles("Russian.asc", Dest, 0, imReplaceChanged));

    ASSERT_EQ(Jobs().size(), 2u);
    EXPECT_EQ(Jobs()[0].Target, Dest + "\\userdicru.tlx");  // the job never carries the mark
    const std::vector<std::string> Expected = {Dest + "\\userdicru.tlx\t!", Dest + "\\Russian.asc"};
    EXPECT_EQ(Archive->UpdatedFiles, Expected);
}

TEST_F(InstallQueueTest, RecordsOnlyTargetsUnderTheSharedPublicFolder) {
    std::string OtherCase = Public;
    for (char& C : OtherCase) C = char(toupper(static_cast<unsigned char>(C)));
    const std::string Portable = Folder.Path + "Home\\Spellcheck";

    RecordUpdates = true;
    Archive->AddFiles("Russian.asc", OtherCase + "Orthographe", 0, imReplaceAlways);
    Archive->AddFiles("Russian.asc", Portable, 0, imReplaceAlways);
    Archive->AddFiles("Russian.asc", Folder.Path + "ProgramData\\Velmoran\\PublicX", 0, imReplaceAlways);
    RecordUpdates = false;
    Archive->AddFiles("Russian.asc", Public + "Spellcheck", 0, imReplaceAlways);

    EXPECT_EQ(Jobs().size(), 4u);
    const std::vector<std::string> Expected = {OtherCase + "Orthographe\\Russian.asc"};
    EXPECT_EQ(Archive->UpdatedFiles, Expected);
}

TEST_F(InstallQueueTest, NothingRecordedWhenTheCommonDataFolderIsUnknown) {
    Fake.SpecialFolders[CSIDL_COMMON_APPDATA] = "";
    RecordUpdates = true;
    EXPECT_TRUE(Archive->AddFiles("Russian.asc", Public + "Spellcheck", 0, imKeepExisting));
    EXPECT_EQ(Jobs().size(), 1u);
    EXPECT_TRUE(Archive->UpdatedFiles.empty());
}

TEST_F(InstallQueueTest, TheSameRequestTwiceQueuesTwice) {
    RecordUpdates = true;
    const std::string Dest = Public + "Spellcheck\\";
    EXPECT_TRUE(Archive->AddFiles("userdicru.tlx", Dest, 0, imKeepExisting));
    EXPECT_TRUE(Archive->AddFiles("userdicru.tlx", Dest, 0, imKeepExisting));
    ASSERT_EQ(Jobs().size(), 2u);
    EXPECT_EQ(Jobs()[0].Target, Jobs()[1].Target);
    const std::vector<std::string> Expected(2, Dest + "userdicru.tlx\t!");
    EXPECT_EQ(Archive->UpdatedFiles, Expected);
}
