// Replaces the global operator new and delete of the test program with counting ones; each
// block carries its size in a header of one alignment unit.
#include "AllocationMeter.h"

#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t Header = alignof(std::max_align_t);
std::size_t Held = 0;
std::size_t Peak = 0;

void* Allocate(std::size_t Size) {
    auto* Block = static_cast<unsigned char*>(std::malloc(Size + Header));
    if (!Block) throw std::bad_alloc();
    *reinterpret_cast<std::size_t*>(Block) = Size;
    Held += Size;
    if (Held > Peak) Peak = Held;
    return Block + Header;
}

void Free(void* Pointer) {
    if (!Pointer) return;
    unsigned char* Block = static_cast<unsigned char*>(Pointer) - Header;
    Held -= *reinterpret_cast<std::size_t*>(Block);
    std::free(Block);
}

}  // namespace

void* operator new(std::size_t Size) { return Allocate(Size); }
void* operator new[](std::size_t Size) { return Allocate(Size); }
void operator delete(void* Pointer) noexcept { Free(Pointer); }
void operator delete[](void* Pointer) noexcept { Free(Pointer); }
void operator delete(void* Pointer, std::size_t) noexcept { Free(Pointer); }
void operator delete[](void* Pointer, std::size_t) noexcept { Free(Pointer); }

TAllocationMeter::TAllocationMeter() : FStart(Held) { Peak = Held; }

std::size_t TAllocationMeter::PeakGrowth() const { return Peak - FStart; }
