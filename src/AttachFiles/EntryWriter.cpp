#include "EntryWriter.h"

namespace {

TWriteFileFunction CurrentWriter = nullptr;

}  // namespace

bool WriteEntryBytes(HANDLE File, const void* Bytes, DWORD Size) {
    TWriteFileFunction Writer = CurrentWriter ? CurrentWriter : &WriteFile;
    DWORD Written = 0;
    return Writer(File, Bytes, Size, &Written, nullptr) && Written == Size;
}

void SetEntryWriter(TWriteFileFunction Writer) { CurrentWriter = Writer; }
