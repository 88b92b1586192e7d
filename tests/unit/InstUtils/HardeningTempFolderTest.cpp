// Entries planted in the temporary folder under the setup's own names: the wizard's use of a
// temporary file (name, extraction, load, deletion) and the cleaning at exit must neither
// trip over them nor write or delete through them.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>

#include "ArchiveBuilder.h"
#include "AttachFiles/AttachFiles.h"
#include "FakeSystemServices.h"
#include "InstUtils/DateTime.h"
#include "InstUtils/Paths.h"
#include "InstUtils/TempFiles.h"
#include "InstUtils/WinHandles.h"
#include "TestFolders.h"

namespace {

using namespace TestFolders;

const std::string Prefix = "~VelmoranRussianSpellcheckerSetup";

// A link to a file. Wine 8 makes no Windows link (CreateSymbolicLink reports success and
// creates nothing), so a Unix link is made; Windows code sees it as a plain file.
bool MakeFileLink(const std::string& Link, const std::string& Target) {
    CreateSymbolicLinkA(Link.c_str(), Target.c_str(), 2 /* unprivileged */);
    if (Exists(Link)) return true;
    const std::string Folder = UnixName(Link.substr(0, Link.rfind('\\')));
    if (Folder.empty()) return false;
    RunUnix("/bin/ln",
            "ln -s \"" + UnixName(Target) + "\" \"" + Folder + "/" + NamePart(Link) + "\"");
    for (int Try = 0; Try < 50 && !Exists(Link); ++Try) Sleep(100);  // ln may still be running
    return Exists(Link);
}

// Every entry under Folder with the content of its files, links not followed.
void Snapshot(const std::string& Folder, std::map<std::string, std::string>& Seen) {
    WIN32_FIND_DATAA Entry;
    TFindHandle Search(FindFirstFileA((Folder + "\\*").c_str(), &Entry));
    if (!Search) return;
    do {
        const std::string Name = Entry.cFileName, Path = Folder + "\\" + Name;
        if (Name == "." || Name == "..") continue;
        const bool IsFolder = Entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
        Seen[Path] = IsFolder ? "<folder>" : ReadFile(Path);
        if (IsFolder && !(Entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
            Snapshot(Path, Seen);
    } while (FindNextFileA(Search.Get(), &Entry));
}

std::map<std::string, std::string> Snapshot(const std::string& Folder) {
    std::map<std::string, std::string> Seen;
    Snapshot(Folder, Seen);
    return Seen;
}

// The temporary folder (TMP) is Temp of a scratch folder; Outside, beside it, holds what
// the planted entries lead to.
class PlantedTempEntries : public ::testing::Test {
protected:
    TScratchFolder Scratch{"HardeningTemp"};
    const std::string Temp = Scratch / "Temp";
    const std::string Outside = Scratch / "Outside";
    TFakeSystem Fake;  // records every box; none may appear
    std::unique_ptr<TAttachedFiles> Archive;

    void SetUp() override {
        char Old[MAX_PATH] = {};
        FHadTmp = GetEnvironmentVariableA("TMP", Old, MAX_PATH) > 0;
        FOldTmp = Old;
        ForceDirs(Temp);
        ForceDirs(Outside + "\\Full");
        ForceDirs(Outside + "\\Empty");
        MakeFile(Outside + "\\precious.txt", "precious");
        MakeFile(Outside + "\\Full\\inside.txt", "inside");
        SetEnvironmentVariableA("TMP", Temp.c_str());
        Fake.Answers.assign(20, IDABORT);  // a box, were one shown, ends its extraction at once
        const double Time = EncodeDateTime(2020, 1, 2, 3, 4, 6);
        const std::string Stream = TArchiveBuilder()
                                       .Add("License.txt", Time, "licence text")
                                       .Add("Logo.bmp", Time, "big logo")
                                       .Add("LogoSmall.bmp", Time, "small logo")
                                       .Stream();
        Archive = std::make_unique<TAttachedFiles>(Stream.data(), int32_t(Stream.size()));
    }
    void TearDown() override {
        Archive.reset();  // cleans the temporary folder while it is still the scratch one
        SetEnvironmentVariableA("TMP", FHadTmp ? FOldTmp.c_str() : nullptr);
        // Unix links are left to the Unix tools: Windows calls under Wine would follow them.
        const std::string UnixTemp = UnixName(Temp);
        if (!UnixTemp.empty())
            RunUnix("/usr/bin/find", "find \"" + UnixTemp + "\" -maxdepth 1 -type l -delete");
    }

    std::string TempName(int N) const { return Temp + "\\" + Prefix + std::to_string(N) + ".tmp"; }

private:
    bool FHadTmp = false;
    std::string FOldTmp;
};

TEST_F(PlantedTempEntries, AreSkippedAndNeverWrittenOrDeletedThrough) {
    struct TPlant {
        const char* Kind;
        std::function<bool(const std::string&)> Make;
    };
    const std::string Full = Outside + "\\Full", Empty = Outside + "\\Empty";
    const std::string Precious = Outside + "\\precious.txt", Gone = Outside + "\\gone.txt";
    using TName = const std::string&;
    const TPlant Plants[] = {
        {"file", [](TName P) { MakeFile(P, "planted"); return true; }},
        {"folder", [](TName P) { ForceDirs(P); MakeFile(P + "\\in.txt"); return true; }},
        {"link to a folder", [&](TName P) { return MakeFolderLink(P, Full); }},
        {"link to an empty folder", [&](TName P) { return MakeFolderLink(P, Empty); }},
        {"link to a file", [&](TName P) { return MakeFileLink(P, Precious); }},
        // Listed nowhere under Wine, yet writing to its name would create its target.
        {"link to a missing file", [&](TName P) {
             MakeFile(Gone);
             const bool Made = MakeFileLink(P, Gone);
             DeleteFileA(Gone.c_str());
             return Made;
         }},
        {"hard link",
         [&](TName P) { return CreateHardLinkA(P.c_str(), Precious.c_str(), nullptr) != 0; }},
    };
    int Planted = 0;
    for (const TPlant& Plant : Plants) {
        if (Plant.Make(TempName(Planted)))
            ++Planted;
        else
            std::printf("not staged here: a %s\n", Plant.Kind);
    }
    const auto Before = Snapshot(Outside);

    // The licence page: a fresh name, extracted, loaded, deleted.
    const std::string License = MakeTempFileName();
    EXPECT_EQ(License, TempName(Planted));
    EXPECT_TRUE(Archive->ExtractFile(nullptr, "License.txt", License));
    EXPECT_EQ(ReadFile(License), "licence text");
    EXPECT_EQ(Snapshot(Outside), Before);  // before the deletion could hide a write
    DeleteFileW(ToWide(License).c_str());
    // The window: one name for both logos in turn.
    const std::string Logo = MakeTempFileName();
    EXPECT_EQ(Logo, TempName(Planted));
    EXPECT_TRUE(Archive->ExtractFile(nullptr, "Logo.bmp", Logo));
    EXPECT_TRUE(Archive->ExtractFile(nullptr, "LogoSmall.bmp", Logo));
    EXPECT_EQ(ReadFile(Logo), "small logo");
    EXPECT_EQ(Snapshot(Outside), Before);
    DeleteFileW(ToWide(Logo).c_str());
    EXPECT_TRUE(Fake.Boxes.empty());
    EXPECT_EQ(Snapshot(Outside), Before);

    CleanTempFiles();  // at exit
    EXPECT_EQ(Snapshot(Outside), Before);
    EXPECT_FALSE(Exists(TempName(0)));  // the planted file, and the folder below, are gone
    EXPECT_FALSE(Exists(TempName(1)));
}

// Nothing planted: the name is not reserved, and trying it leaves nothing behind.
TEST_F(PlantedTempEntries, TryingANameLeavesNoFile) {
    EXPECT_EQ(MakeTempFileName(), TempName(0));
    EXPECT_EQ(MakeTempFileName(), TempName(0));
    EXPECT_TRUE(Snapshot(Temp).empty());
}

}  // namespace
