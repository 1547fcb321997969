#pragma once
// What a custom control wants drawn, as a short list of plain operations. The control
// decides every rectangle and colour; the Win32 binding only replays the list with GDI,
// so the arithmetic stays testable without a screen.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/geometry.h"

using Colour = uint32_t;  // 0x00BBGGRR

constexpr Colour rgb(unsigned r, unsigned g, unsigned b) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}

struct PaintOp {
    enum class Kind {
        Fill,     // rect filled with colour
        Frame3D,  // 1-pixel frame on rect: colour on top and left, colour2 on bottom and right
        Text      // text centred in rect on one line, transparent, clipped to clip, in colour
    };
    Kind kind = Kind::Fill;
    Rect rect;
    Rect clip;
    Colour colour = 0;
    Colour colour2 = 0;
    std::string text;
};

struct PaintList {
    std::vector<PaintOp> ops;

    void fill(const Rect& r, Colour c) { ops.push_back({PaintOp::Kind::Fill, r, r, c, 0, {}}); }
    void frame3d(const Rect& r, Colour topLeft, Colour bottomRight) {
        ops.push_back({PaintOp::Kind::Frame3D, r, r, topLeft, bottomRight, {}});
    }
    void text(const std::string& t, const Rect& r, const Rect& clip, Colour c) {
        ops.push_back({PaintOp::Kind::Text, r, clip, c, 0, t});
    }
};
