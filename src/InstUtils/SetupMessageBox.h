// Every question and warning of the setup goes through SetupMessageBox.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

extern const char* const SetupCaption;  // "Velmoran Russian Spellchecker - Setup"

enum TMessageKind : uint8_t { mkWarning = 0, mkError = 1, mkInformation = 2, mkConfirmation = 3 };

using TDialogButtons = uint16_t;  // a set of the db* bits
constexpr TDialogButtons dbYes = 1, dbNo = 2, dbOK = 4, dbCancel = 8, dbAbort = 16, dbRetry = 32,
                         dbIgnore = 64;

enum TDialogResult : int {
    drOK = 1, drCancel = 2, drAbort = 3, drRetry = 4, drIgnore = 5, drYes = 6, drNo = 7
};

UINT MessageBoxStyle(TMessageKind Kind, TDialogButtons Buttons);
TDialogResult DialogResultOf(int BoxResult);
TDialogResult SetupMessageBox(const std::string& Text, TMessageKind Kind, TDialogButtons Buttons);

// The application's hidden top-level window owns the boxes once it exists.
void SetMessageBoxOwner(HWND Owner);
