#include "Toolkit/BusyCursor.h"

namespace {
int BusyCount = 0;
}

TBusyCursor::TBusyCursor() : FPrevious(SetCursor(WaitCursor())) { ++BusyCount; }

TBusyCursor::~TBusyCursor() {
    --BusyCount;
    SetCursor(FPrevious);
}

bool TBusyCursor::Active() { return BusyCount > 0; }

HCURSOR TBusyCursor::WaitCursor() { return LoadCursor(nullptr, IDC_WAIT); }
