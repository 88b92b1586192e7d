// The program's main routine: start-up, the one modal run of the wizard, the orderly end.
#include <windows.h>

#include <commctrl.h>

#include <exception>
#include <memory>

#include "AttachFiles/AttachFiles.h"
#include "InstUtils/SetupMessageBox.h"
#include "InstUtils/SystemServices.h"
#include "MainDlg/Installation.h"
#include "MainDlg/MainDlgForm.h"
#include "Toolkit/Application.h"
#include "Toolkit/Failures.h"

namespace {

// Publishes an object through a program-wide pointer for the scope of its owner.
template <typename T>
class TPublished {
public:
    TPublished(T*& Global, T* Object) : FGlobal(Global) { FGlobal = Object; }
    ~TPublished() { FGlobal = nullptr; }
    TPublished(const TPublished&) = delete;
    TPublished& operator=(const TPublished&) = delete;

private:
    T*& FGlobal;
};

void RegisterControlClasses() {
    INITCOMMONCONTROLSEX Classes{sizeof(Classes), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&Classes);
}

void SetApplicationIcon(HINSTANCE Instance) {
    HICON Icon = LoadIconA(Instance, MAKEINTRESOURCEA(1));
    auto SmallIcon = static_cast<HICON>(LoadImageA(Instance, MAKEINTRESOURCEA(1), IMAGE_ICON,
                                                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                                   LR_SHARED));
    Application().SetIcon(Icon, SmallIcon);
}

void RunSetup(HINSTANCE Instance) {
    RegisterControlClasses();
    SetApplicationIcon(Instance);
    Application().SetTitle(SetupCaption);
    SetMessageBoxOwner(Application().WindowHandle());

    // Freed in reverse order: the window, then the archive, whose destructor deletes the
    // setup's temporary files.
    auto Files = std::make_unique<TAttachedFiles>();
    TPublished<TAttachedFiles> FilesLink(AttachedFiles, Files.get());
    auto Form = std::make_unique<TMainDlgForm>();
    TPublished<TMainDlgForm> FormLink(MainDlgForm, Form.get());
    // The wizard's questions are modal to it: the window is disabled while a box is open.
    SetMessageBoxOwner(Form->Handle());
    Form->ShowModal();
    if (FilesQueued) Form->SaveSettings();
    SetMessageBoxOwner(Application().WindowHandle());
}

void ShowFatalFailure(const std::string& Text) {
    MessageBoxA(nullptr, Text.c_str(), nullptr, MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace

int WINAPI WinMain(HINSTANCE Instance, HINSTANCE, LPSTR, int) {
    HardenDllSearch();
    InitSystemServices();
    int ExitCode = 0;
    try {
        RunSetup(Instance);
    } catch (const std::exception& Failure) {
        ShowFatalFailure(ExceptionText(Failure));
        ExitCode = 1;
    } catch (...) {
        ShowFatalFailure("Exception of an unknown kind");
        ExitCode = 1;
    }
    DoneSystemServices();
    return ExitCode;
}
