// libFuzzer target for the archive loader: the bytes of the setup archive are the one
// input of the setup that arrives from outside its code, so inflating and listing must end
// with a valid image or an EArchiveError, never with a crash, a hang or unbounded memory.
//
// The first input byte selects the mode: bit 0 clear treats the rest as a zlib stream
// (inflated with one of three estimates, bits 1-2), bit 0 set as an inflated image.
#include <cstdio>
#include <cstdlib>
#include <new>

#include "AttachFiles/ArchiveImage.h"
#include "InstUtils/DateTime.h"

namespace {

void Require(bool Condition, const char* What) {
    if (!Condition) {
        std::fprintf(stderr, "archive invariant broken: %s\n", What);
        std::abort();
    }
}

// The entries tile the image exactly, in increasing order, and every data byte is
// readable (the sanitizer checks the reads).
void CheckEntries(const std::vector<TAttachedFile>& Entries, const uint8_t* Data, int32_t Size) {
    int64_t End = 0;
    volatile uint8_t Sink = 0;
    for (const TAttachedFile& E : Entries) {
        Require(E.Size >= 0, "negative size");
        Require(int64_t(E.Offset) == End + 1 + int64_t(E.Name.size()) + 12, "entries do not tile");
        End = int64_t(E.Offset) + E.Size;
        Require(End <= Size, "entry beyond the image");
        if (E.Size > 0) Sink = Sink + Data[E.Offset] + Data[End - 1];
        uint16_t DosDate, DosTime;  // the stored time later goes through this conversion
        DateTimeToDos(E.Time, DosDate, DosTime);
    }
    Require(End == Size, "image does not end with the last entry");
}

int32_t EstimateFor(uint8_t Selector, int32_t InputSize) {
    switch ((Selector >> 1) % 3) {
        case 0: return 0;                 // one growth step at a time
        case 1: return 1;                 // far too small
        default: return InputSize * 5;    // as the program loads its archive
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Input, size_t Length) {
    if (Length < 1) return 0;
    const uint8_t Selector = Input[0];
    const uint8_t* Body = Input + 1;
    const int32_t BodySize = int32_t(Length - 1);
    try {
        if (Selector & 1) {
            CheckEntries(ParseArchiveImage(Body, BodySize), Body, BodySize);
        } else {
            TInflatedBlock Image = InflateBuffer(Body, BodySize, EstimateFor(Selector, BodySize));
            Require(Image.Data != nullptr && Image.Size >= 0, "no image block");
            CheckEntries(ParseArchiveImage(Image.Data.get(), Image.Size), Image.Data.get(), Image.Size);
        }
    } catch (const EArchiveError&) {
    } catch (const std::bad_alloc&) {
    }
    return 0;
}
