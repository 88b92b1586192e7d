// Counts the bytes the program holds through operator new, so that a test can tell how
// much memory an operation needed at its peak.
#pragma once

#include <cstddef>

class TAllocationMeter {
public:
    TAllocationMeter();  // starts measuring from what is held now
    // The most bytes held at once since the start, beyond what was held then.
    std::size_t PeakGrowth() const;

private:
    std::size_t FStart;
};
