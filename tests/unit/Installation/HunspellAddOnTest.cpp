// The add-on works: the installed spelling engine loads, reads the installed dictionary
// and checks and corrects Russian words.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "AttachFiles/AttachFiles.h"
#include "FakeSystemServices.h"
#include "InstUtils/WinHandles.h"
#include "MainDlg/Installation.h"
#include "ScratchFolder.h"

namespace {

struct Hunhandle;
using TCreate = Hunhandle* (*)(const char* AffPath, const char* DicPath);
using TSpell = int (*)(Hunhandle*, const char* Word);
using TSuggest = int (*)(Hunhandle*, char*** List, const char* Word);
using TFreeList = void (*)(Hunhandle*, char*** List, int Count);
using TDestroy = void (*)(Hunhandle*);

// The dictionary is UTF-8, so the words are passed as their UTF-8 bytes: привет, словарь
// and привт (привет misspelt).
const char* const Privet = "\xD0\xBF\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";
const char* const Slovar = "\xD1\x81\xD0\xBB\xD0\xBE\xD0\xB2\xD0\xB0\xD1\x80\xD1\x8C";
const char* const Privt = "\xD0\xBF\xD1\x80\xD0\xB8\xD0\xB2\xD1\x82";

template <typename TFunction>
TFunction Export(HMODULE Library, const char* Name) {
    return reinterpret_cast<TFunction>(GetProcAddress(Library, Name));
}

}  // namespace

TEST(HunspellAddOn, InstalledEngineChecksAndSuggestsRussianWords) {
    TScratchFolder Scratch("Hunspell");
    TFakeSystem Fake;
    Fake.AddDrive("C:").Type = DRIVE_REMOVABLE;  // portable: the files go beside the home folder
    const std::string HomeDir = Scratch / "Home";
    ForceDirs(HomeDir);
    {
        TAttachedFiles Files;
        ASSERT_EQ(RunInstallation(Files, HomeDir), TInstallOutcome::ioDone);
    }
    const std::string Folder = HomeDir + "\\Spellcheck\\";

    TModuleHandle Library(LoadLibraryExW(ToWide(Folder + "hunspell.dll").c_str(), nullptr,
                                         LOAD_WITH_ALTERED_SEARCH_PATH));
    ASSERT_TRUE(Library) << GetLastError();
    auto Create = Export<TCreate>(Library.Get(), "Hunspell_create");
    auto Spell = Export<TSpell>(Library.Get(), "Hunspell_spell");
    auto Suggest = Export<TSuggest>(Library.Get(), "Hunspell_suggest");
    auto FreeList = Export<TFreeList>(Library.Get(), "Hunspell_free_list");
    auto Destroy = Export<TDestroy>(Library.Get(), "Hunspell_destroy");
    ASSERT_TRUE(Create && Spell && Suggest && FreeList && Destroy);

    Hunhandle* Speller = Create((Folder + "ru_RU.aff").c_str(), (Folder + "ru_RU.dic").c_str());
    ASSERT_NE(Speller, nullptr);
    EXPECT_NE(Spell(Speller, Privet), 0);
    EXPECT_NE(Spell(Speller, Slovar), 0);
    EXPECT_EQ(Spell(Speller, Privt), 0);

    char** List = nullptr;
    const int Count = Suggest(Speller, &List, Privt);
    const std::vector<std::string> Suggestions(List, List + (Count > 0 ? Count : 0));
    FreeList(Speller, &List, Count);
    Destroy(Speller);
    EXPECT_NE(std::find(Suggestions.begin(), Suggestions.end(), Privet), Suggestions.end());
}
