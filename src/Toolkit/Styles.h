// The style column of a layout row: options of the control kinds, one bit each. A kind
// reads only its own bits.
#pragma once

enum TStyleFlag : unsigned {
    stAutoSize = 1u << 0,   // label: sized to its text, no wrapping
    stWordWrap = 1u << 1,   // label: fixed size, text wrapped at the right edge
    stDefault = 1u << 2,    // push button: pressed by Enter
    stCancel = 1u << 3,     // push button: pressed by Esc
    stChecked = 1u << 4,    // check box: ticked at first
    stEtched = 1u << 5,     // panel: outer bevel lowered, inner bevel raised
    stWhite = 1u << 6,      // panel: opaque white background of its own
    stBoxLine = 1u << 7,    // bevel: lowered box (a 2-pixel box reads as an etched line)
    stLeftLine = 1u << 8,   // bevel: lowered line on its left side
};
