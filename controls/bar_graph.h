#pragma once
// The throughput history under the Transmit and Receive figures: up to 40 thin white
// bars on a blue background with white guide lines. It takes over a static rectangle
// of the template and draws itself completely whenever its background is erased.

#include <array>
#include <cstdint>

#include "platform/custom_control.h"

class BarGraph : public CustomControl {
public:
    static constexpr int kCapacity = 40;
    static constexpr Colour kBackground = rgb(51, 103, 153);
    static constexpr Colour kWhite = rgb(255, 255, 255);

    BarGraph();

    // n bars from now on, and a repaint; -1 (nothing changes) when n is wider than the
    // control in pixels or more than the 40 bars it has room for.
    int SetBarCount(unsigned n);
    // Stores scale x height for bar 'index' and repaints when that changed it; ignored
    // for an index outside the bars in use or a negative height.
    void SetBarHeight(int index, int height);
    // Rescales the stored heights to the new scale, stores it and repaints.
    void SetScale(int scale);

    int GetScale() const { return scale_; }
    int GetBaseOffset() const { return baseOffset_; }
    unsigned GetBarCount() const { return barCount_; }
    // Stored height of a bar in pixels (0 outside the arrays).
    int GetStoredHeight(int index) const;

    // Bar i's rectangle in a client area of width w (its height is the stored height);
    // empty for an index outside the 40 bars.
    Rect GetBarRect(int index, int width, int height) const;

    PaintMode paintMode() const override { return PaintMode::OnErase; }
    void paint(int width, int height, PaintList& out) override;

private:
    void repaint();

    int scale_ = 28;
    int baseOffset_ = 0;
    std::array<int32_t, kCapacity> heights_{};
    std::array<Colour, kCapacity> colours_{};
    Colour background_ = kBackground;
    unsigned barCount_ = kCapacity;
};
