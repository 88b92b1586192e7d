#include "SetupMessageBox.h"

#include "Paths.h"
#include "SystemServices.h"

const char* const SetupCaption = "Velmoran Russian Spellchecker - Setup";

namespace {

HWND MessageBoxOwner = nullptr;

UINT IconStyle(TMessageKind Kind) {
    switch (Kind) {
        case mkWarning: return MB_ICONWARNING;
        case mkInformation: return MB_ICONINFORMATION;
        case mkConfirmation: return MB_ICONQUESTION;
        default: return MB_ICONERROR;
    }
}

// Only these exact sets choose a combination; any other set shows a single OK button.
UINT ButtonStyle(TDialogButtons Buttons) {
    struct TCombination {
        TDialogButtons Set;
        UINT Style;
    };
    static const TCombination Combinations[] = {
        {dbAbort | dbRetry | dbIgnore, MB_ABORTRETRYIGNORE},
        {dbOK | dbCancel, MB_OKCANCEL},
        {dbCancel | dbRetry, MB_RETRYCANCEL},
        {dbYes | dbNo, MB_YESNO},
        {dbYes | dbNo | dbCancel, MB_YESNOCANCEL},
    };
    for (const TCombination& C : Combinations)
        if (Buttons == C.Set) return C.Style;
    return MB_OK;
}

}  // namespace

void SetMessageBoxOwner(HWND Owner) { MessageBoxOwner = Owner; }

UINT MessageBoxStyle(TMessageKind Kind, TDialogButtons Buttons) {
    return IconStyle(Kind) | ButtonStyle(Buttons) | MB_TASKMODAL;
}

TDialogResult DialogResultOf(int BoxResult) {
    return BoxResult >= drCancel && BoxResult <= drNo ? TDialogResult(BoxResult) : drOK;
}

TDialogResult SetupMessageBox(const std::string& Text, TMessageKind Kind, TDialogButtons Buttons) {
    const WORD EnglishUnitedStates = 1033;  // for the button captions
    int Answer = System().ShowMessageBox(MessageBoxOwner, ToWide(Text), ToWide(SetupCaption),
                                         MessageBoxStyle(Kind, Buttons), EnglishUnitedStates);
    return DialogResultOf(Answer);
}
