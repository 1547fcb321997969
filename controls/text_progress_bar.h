#pragma once
// The signal and link-quality bar: takes over a standard progress bar of the template,
// answers the progress-bar messages itself and paints a two-colour bar with an
// optional centred text (its own text, or the percentage) in inverted colours over the
// edge of the bar. Painting goes through an off-screen bitmap, so it never flickers.

#include <cstdint>
#include <string>

#include "platform/custom_control.h"

constexpr Colour kClrDefault = 0xFF000000u;  // "use the system's colour"

class TextProgressBar : public CustomControl {
public:
    TextProgressBar() = default;

    // Direct calls with the same effect as the messages.
    void SetShowText(bool show);
    Colour SetBarColour(Colour colour);
    Colour SetBkColour(Colour colour);
    Colour SetTextColour(Colour colour);
    void SetRange(int minimum, int maximum);
    // Previous position, or -1 (and no change at all) without a window.
    int SetPos(int position);
    int GetPos() const { return position_; }
    int OffsetPos(int increment) { return SetPos(position_ + increment); }
    int SetStep(int step);
    int StepIt() { return SetPos(position_ + step_); }

    int GetMinimum() const { return minimum_; }
    int GetMaximum() const { return maximum_; }
    int GetStep() const { return step_; }
    bool GetShowText() const { return showText_; }
    const std::string& GetText() const { return text_; }
    // Bar length in pixels at the last position change; -1 forces the next one to repaint.
    int GetBarWidth() const { return barWidth_; }

    // The text painted over the bar ("" when none): the own text, else the percentage.
    std::string GetDisplayText() const;

    bool handleMessage(unsigned message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    PaintMode paintMode() const override { return PaintMode::OnPaint; }
    void paint(int width, int height, PaintList& out) override;

private:
    void repaint();
    int widthAt(int position) const;
    intptr_t onSetText(uintptr_t wParam, intptr_t lParam);
    intptr_t onGetText(uintptr_t wParam, intptr_t lParam) const;

    Colour textColour_ = kClrDefault;
    int position_ = 0;
    int step_ = 1;
    int maximum_ = 100;
    int minimum_ = 0;
    std::string text_;
    bool showText_ = true;
    int barWidth_ = -1;
    Colour barColour_ = kClrDefault;
    Colour bkColour_ = kClrDefault;
};
