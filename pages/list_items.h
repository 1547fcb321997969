#pragma once
// Fills a page's list with the texts of its positions, in order.

#include <cstddef>

#include "platform/controls.h"

template <size_t N>
void fillList(Controls& controls, int id, const char* const (&items)[N]) {
    controls.clearItems(id);
    for (const char* item : items) controls.addItem(id, item);
}
