// Runs a form's modal loop in a test without letting a failing test hang: after a deadline
// the run is ended by force with the result ForcedResult. Messages posted before the call
// are handled inside the run, as the user's clicks and keys would be.
#pragma once

#include <windows.h>

#include "Toolkit/Form.h"

constexpr int ForcedResult = 0x7F00;

inline TForm*& ModalRunForm() {
    static TForm* Form = nullptr;
    return Form;
}

inline void CALLBACK EndModalRunByForce(HWND, UINT, UINT_PTR, DWORD) {
    if (TForm* Running = ModalRunForm()) {
        Running->OnCloseQuery = nullptr;
        Running->SetModalResult(ForcedResult);
    }
}

inline int RunModalFor(TForm& Form, UINT Milliseconds = 10000) {
    ModalRunForm() = &Form;
    UINT_PTR Deadline = SetTimer(nullptr, 0, Milliseconds, &EndModalRunByForce);
    int Result = Form.ShowModal();
    KillTimer(nullptr, Deadline);
    ModalRunForm() = nullptr;
    return Result;
}

// Handles the messages that are waiting, outside any modal run.
inline void PumpMessages() {
    MSG Message;
    while (PeekMessageA(&Message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&Message);
        DispatchMessageA(&Message);
    }
}
