#include "controls/bar_graph.h"

#include <limits>

namespace {
int32_t clampToInt32(int64_t value) {
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

// a / b truncated toward zero, as C++ integer division does, within the int range.
int truncatedRatio(int64_t a, int64_t b) { return clampToInt32(a / b); }
}  // namespace

BarGraph::BarGraph() { colours_.fill(kWhite); }

void BarGraph::repaint() {
    if (hasWindow()) window()->invalidate();
}

int BarGraph::GetStoredHeight(int index) const {
    return index >= 0 && index < kCapacity ? heights_[static_cast<size_t>(index)] : 0;
}

int BarGraph::SetBarCount(unsigned n) {
    const int width = hasWindow() ? window()->clientSize().width : 0;
    // Beyond 40 the bars would run off the end of the arrays.
    if (static_cast<int64_t>(n) > width || n > static_cast<unsigned>(kCapacity)) return -1;
    barCount_ = n;
    repaint();
    return static_cast<int>(n);
}

void BarGraph::SetBarHeight(int index, int height) {
    if (index < 0 || static_cast<unsigned>(index) >= barCount_ || height < 0) return;
    const int32_t stored = clampToInt32(static_cast<int64_t>(scale_) * height);
    // Forty bars are set every second, most of them to the height they have.
    if (heights_[static_cast<size_t>(index)] == stored) return;
    heights_[static_cast<size_t>(index)] = stored;
    repaint();
}

void BarGraph::SetScale(int scale) {
    // From a scale of 0 every stored height is already 0: nothing to divide.
    if (scale != scale_ && scale_ != 0) {
        for (int32_t& h : heights_) h = clampToInt32(static_cast<int64_t>(scale) * h / scale_);
    }
    scale_ = scale;
    repaint();
}

// x = (1.1 w - base) / n * i + base - 15 and width = (0.6 w - base) / n, truncated toward
// zero. Worked out in exact integers over the common denominator 10 n: the x87 unit of
// the 32-bit build keeps extra bits in floating point and put bars a pixel off (at
// w = 200 they came out 2 pixels wide instead of 3).
Rect BarGraph::GetBarRect(int index, int width, int height) const {
    if (index < 0 || index >= kCapacity) return {};  // no such bar
    const int64_t n = barCount_ == 0 ? 1 : static_cast<int64_t>(barCount_);
    const int64_t w = width;
    const int64_t base = baseOffset_;
    const int left = truncatedRatio((11 * w - 10 * base) * index + (base - 15) * 10 * n, 10 * n);
    const int barWidth = truncatedRatio(6 * w - 10 * base, 10 * n);
    const int stored = GetStoredHeight(index);
    const int top = clampToInt32(static_cast<int64_t>(height) - stored - baseOffset_);
    return Rect::fromSize(left, top, barWidth, stored);
}

void BarGraph::paint(int width, int height, PaintList& out) {
    background_ = kBackground;
    const int room = height - baseOffset_;
    // A control no taller than the bars' base has no room for a bar at all; the modulo
    // below would divide by zero.
    if (room <= 0) return;
    for (unsigned i = 0; i < barCount_; ++i)
        if (heights_[i] > room) heights_[i] %= room;

    out.fill(Rect{0, 0, width, height}, background_);
    out.fill(Rect::fromSize(0, height / 4, width, 1), kWhite);
    out.fill(Rect::fromSize(0, 2 * height / 4, width, 1), kWhite);
    out.fill(Rect::fromSize(0, 3 * height / 4, width, 1), kWhite);
    out.fill(Rect::fromSize(0, height - 1, width, 2), kWhite);
    if (barCount_ < 3) return;
    for (unsigned i = 2; i < barCount_; ++i) {
        const Rect bar = GetBarRect(static_cast<int>(i), width, height);
        out.fill(bar, colours_[i]);
        out.frame3d(bar, kWhite, colours_[i]);
    }
}
