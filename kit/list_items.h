#pragma once
// What the pages' drop-down lists hold, and how a page fills and selects them. A list's
// positions are what the profile stores, so every page offers the same texts in the
// same order.

#include <cstddef>

#include "platform/controls.h"

inline const char* const kTxRateTexts[] = {"Auto",    "1 Mbps",  "2 Mbps",  "5.5 Mbps", "6 Mbps",
                                           "9 Mbps",  "11 Mbps", "12 Mbps", "18 Mbps",  "24 Mbps",
                                           "36 Mbps", "48 Mbps", "54 Mbps"};
inline const char* const kPreambleTexts[] = {"Long Preamble", "Short Preamble"};
inline const char* const kPowerModeTexts[] = {"Continuous Access Mode", "Maximum Power Save", "Fast Power Save"};
inline const char* const kAuthenticationModeTexts[] = {"Open Authentication", "Shared Authentication", "Auto"};

template <size_t N>
void fillList(Controls& controls, int id, const char* const (&items)[N]) {
    controls.clearItems(id);
    for (const char* item : items) controls.addItem(id, item);
}

// Selects position `n`; a position the list does not have leaves it with no selection,
// as the real list does.
inline void selectOrClear(Controls& controls, int id, int n) {
    if (!controls.setSelectionIndex(id, n)) controls.setSelectionIndex(id, -1);
}
