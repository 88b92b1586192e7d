// Walks the setup's wizard from the welcome page to the end for the screenshots.
//
//   Walker.exe --screenshots DIR
//
// Once a page is shown and painted, the walker writes DIR\pageN.rect holding the wizard's
// screen rectangle ("left top width height"; run inside a Wine desktop window, the screen
// is that desktop) and waits until the capturing script
// (scripts/screenshots.sh) has saved DIR\pageN.png. The installing page lasts only while
// files are written, so the walker holds the first add-on file open: the setup's file error
// box then keeps that page up; the box is moved out of the picture, the file let go, and
// Retry lets the installation finish. The home folder is a scratch folder with a stand-in
// "vmr.exe", removed at the end.
#include <cstdio>
#include <string>

#include "TestState.h"
#include "Wizard.h"

namespace {

using namespace e2e;

const DWORD CaptureTimeoutMs = 60000;
const DWORD PaintSettleMs = 700;

const char* const WalkerRoot = "C:\\VelmoranWalker";
const std::string WalkerHome = Join(WalkerRoot, "Home");

bool Fail(const char* What) {
    std::fprintf(stderr, "Walker: %s\n", What);
    return false;
}

// The first job of the installation is Russian.asc in the first spellchecker folder that
// will receive files.
std::string FirstInstalledFile() {
    const bool SpellcheckFirst =
        FolderExists(PublicFolder("Spellcheck")) || !FolderExists(PublicFolder("Orthographe"));
    return Join(PublicFolder(SpellcheckFirst ? "Spellcheck" : "Orthographe"), "Russian.asc");
}

bool Capture(const TSetupRun& Setup, const std::string& Folder, int Page) {
    SetForegroundWindow(Setup.Wizard());  // an active title bar
    Sync(Setup.Wizard());
    Sleep(PaintSettleMs);
    const RECT R = ScreenRect(Setup.Wizard());
    const std::string Base = Join(Folder, "page" + std::to_string(Page));
    const std::string Rect = std::to_string(R.left) + " " + std::to_string(R.top) + " " +
                             std::to_string(R.right - R.left) + " " +
                             std::to_string(R.bottom - R.top) + "\n";
    if (!WriteWholeFile(Base + ".part", Rect) ||
        !MoveFileExA((Base + ".part").c_str(), (Base + ".rect").c_str(), MOVEFILE_REPLACE_EXISTING))
        return Fail("cannot write the rectangle file");
    if (!WaitUntil([&] { return FileExists(Base + ".png"); }, CaptureTimeoutMs))
        return Fail("the picture was not taken");
    std::printf("page %d captured\n", Page);
    return true;
}

bool NextTo(TSetupRun& Setup, int Page) {
    if (!Click(Setup.Button(TButtonRole::Next))) return Fail("Next cannot be pressed");
    if (!WaitUntil([&] { return Setup.Page() == Page && !Setup.MessageBox(); }))
        return Fail("the next page did not come");
    return true;
}

bool CaptureInstallingPage(TSetupRun& Setup, const std::string& Folder, THeldFile& Held) {
    if (!Click(Setup.Button(TButtonRole::Next))) return Fail("Next cannot be pressed");
    HWND Box = nullptr;
    if (!WaitUntil([&] { return (Box = Setup.MessageBox()) != nullptr; }))
        return Fail("the installation did not stop at the held file");
    // Out of the picture: moved away from the screen.
    const RECT Shown = ScreenRect(Box);
    SetWindowPos(Box, nullptr, -4000, -4000, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    WaitUntil([&] { return ScreenRect(Box).left != Shown.left; });
    const bool Captured = Capture(Setup, Folder, 4);
    Held.Release();
    if (!AnswerMessageBox(Box, IDRETRY)) return Fail("the file error box does not answer");
    return Captured;
}

bool Walk(const std::string& Folder) {
    if (!PlaceStandIn(WalkerHome)) return Fail("cannot make the home folder");
    const std::string First = FirstInstalledFile();
    MakeFolders(First.substr(0, First.find_last_of('\\')));
    THeldFile Held(First);
    if (!Held.Held()) return Fail("cannot hold the first add-on file");

    TSetupRun Setup("-d" + WalkerHome);
    if (!Setup.WaitForWizard() || !WaitUntil([&] { return Setup.Page() == 0; }))
        return Fail("no wizard window");
    for (int Page = 0; Page < 3; ++Page)
        if (!Capture(Setup, Folder, Page) || !NextTo(Setup, Page + 1)) return false;
    if (!Capture(Setup, Folder, 3) || !CaptureInstallingPage(Setup, Folder, Held)) return false;
    if (!WaitUntil([&] { return Setup.Page() == FinishPage && !Setup.MessageBox(); },
                   CaptureTimeoutMs))
        return Fail("the installation did not finish");
    if (!Capture(Setup, Folder, FinishPage)) return false;
    if (!Click(Setup.Button(TButtonRole::Next))) return Fail("Finish cannot be pressed");
    DWORD ExitCode = 0;
    if (!Setup.WaitForExit(DefaultTimeoutMs, ExitCode) || ExitCode != 0)
        return Fail("the setup did not end with exit code 0");
    return true;
}

}  // namespace

int main(int Argc, char** Argv) {
    if (Argc != 3 || std::string(Argv[1]) != "--screenshots") {
        std::fprintf(stderr, "usage: Walker.exe --screenshots DIR\n");
        return 2;
    }
    std::string Folder = Argv[2];
    if (!Folder.empty() && Folder[0] == '/') Folder = WindowsPath(Folder);
    const bool Done = Walk(Folder);
    CloseStandIns();
    DeleteTree(WalkerRoot);
    return Done ? 0 : 1;
}
