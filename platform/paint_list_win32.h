#pragma once
// Replays a PaintList with GDI onto a device context.

#include <windows.h>

#include "platform/paint_list.h"

// Draws every operation in order. 'font' (may be null) is selected for text.
void replayPaintList(HDC dc, const PaintList& list, HFONT font);
