#include "platform/paint_list_win32.h"

#include <utility>

namespace {

void fillSolid(HDC dc, int x, int y, int cx, int cy, Colour colour) {
    RECT r{x, y, x + cx, y + cy};
    if (r.right < r.left) std::swap(r.left, r.right);
    if (r.bottom < r.top) std::swap(r.top, r.bottom);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

void frame3d(HDC dc, const Rect& r, Colour topLeft, Colour bottomRight) {
    int x = r.left, y = r.top, cx = r.width(), cy = r.height();
    fillSolid(dc, x, y, cx - 1, 1, topLeft);
    fillSolid(dc, x, y, 1, cy - 1, topLeft);
    fillSolid(dc, x + cx, y, -1, cy, bottomRight);
    fillSolid(dc, x, y + cy, cx, -1, bottomRight);
}

void text(HDC dc, const PaintOp& op, HFONT font) {
    int saved = SaveDC(dc);
    if (font != nullptr) SelectObject(dc, font);
    IntersectClipRect(dc, op.clip.left, op.clip.top, op.clip.right, op.clip.bottom);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, op.colour);
    RECT r{op.rect.left, op.rect.top, op.rect.right, op.rect.bottom};
    DrawTextA(dc, op.text.c_str(), static_cast<int>(op.text.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    RestoreDC(dc, saved);
}

}  // namespace

void replayPaintList(HDC dc, const PaintList& list, HFONT font) {
    for (const PaintOp& op : list.ops) {
        switch (op.kind) {
        case PaintOp::Kind::Fill:
            fillSolid(dc, op.rect.left, op.rect.top, op.rect.width(), op.rect.height(), op.colour);
            break;
        case PaintOp::Kind::Frame3D:
            frame3d(dc, op.rect, op.colour, op.colour2);
            break;
        case PaintOp::Kind::Text:
            text(dc, op, font);
            break;
        }
    }
}
