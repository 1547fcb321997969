#include "controls/text_progress_bar.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/win32_numbers.h"

void TextProgressBar::repaint() {
    if (hasWindow()) window()->invalidate();
}

void TextProgressBar::SetShowText(bool show) {
    if (show == showText_) return;
    showText_ = show;
    repaint();
}

Colour TextProgressBar::SetBarColour(Colour colour) {
    Colour old = barColour_;
    barColour_ = colour;
    repaint();
    return old;
}

Colour TextProgressBar::SetBkColour(Colour colour) {
    Colour old = bkColour_;
    bkColour_ = colour;
    repaint();
    return old;
}

Colour TextProgressBar::SetTextColour(Colour colour) {
    Colour old = textColour_;
    textColour_ = colour;
    repaint();
    return old;
}

void TextProgressBar::SetRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
}

int TextProgressBar::SetStep(int step) {
    int old = step_;
    step_ = step;
    return old;
}

namespace {
// (position - minimum) / (maximum - minimum) x length, truncated toward zero. Worked out
// in exact integers: in floating point the x87 unit of a 32-bit build keeps extra bits
// and makes 37 % of 100 pixels come out as 36.
int scaled(int position, int minimum, int maximum, int length) {
    const int64_t span = static_cast<int64_t>(maximum) - minimum;
    if (span == 0) return 0;
    const int64_t value = (static_cast<int64_t>(position) - minimum) * length / span;
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int>(value);
}
}  // namespace

int TextProgressBar::widthAt(int position) const {
    // An empty range has no bar: 0 pixels, not a division by zero.
    if (maximum_ == minimum_ || !hasWindow()) return 0;
    return scaled(position, minimum_, maximum_, window()->clientSize().width);
}

int TextProgressBar::SetPos(int position) {
    if (!hasWindow()) return -1;
    const int old = position_;
    position_ = position;  // not clamped to the range
    const int width = widthAt(position);
    if (width == barWidth_) return old;
    barWidth_ = width;
    window()->redrawNow();
    return old;
}

std::string TextProgressBar::GetDisplayText() const {
    if (!showText_) return {};
    if (!text_.empty()) return text_;
    if (!(minimum_ < maximum_)) return {};
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%d%%", scaled(position_, minimum_, maximum_, 100));
    return buffer;
}

void TextProgressBar::paint(int width, int height, PaintList& out) {
    if (!(minimum_ < maximum_) || !hasWindow()) return;
    const Colour bar = barColour_ == kClrDefault ? window()->systemColour(kColorHighlight) : barColour_;
    const Colour back = bkColour_ == kClrDefault ? window()->systemColour(kColorWindow) : bkColour_;
    const Rect client{0, 0, width, height};
    const bool vertical = (window()->style() & kPbsVertical) != 0;

    Rect filled = client;
    Rect empty = client;
    if (vertical) {
        // Beyond the range the bar simply covers the whole control (or none of it).
        const int length = std::clamp(scaled(position_, minimum_, maximum_, height), 0, height);
        filled.top = height - length;
        empty.bottom = filled.top;
    } else {
        const int length = std::clamp(scaled(position_, minimum_, maximum_, width), 0, width);
        filled.right = length;
        empty.left = length;
    }
    out.fill(filled, bar);
    out.fill(empty, back);

    if (vertical) return;  // a vertical bar never shows text
    const std::string text = GetDisplayText();
    if (text.empty()) return;
    out.text(text, client, filled, textColour_ == kClrDefault ? back : textColour_);
    out.text(text, client, empty, textColour_ == kClrDefault ? bar : textColour_);
}

intptr_t TextProgressBar::onSetText(uintptr_t wParam, intptr_t lParam) {
    const intptr_t result = hasWindow() ? window()->defaultHandling(kWmSetText, wParam, lParam) : 1;
    const char* given = reinterpret_cast<const char*>(lParam);
    const std::string text = given != nullptr ? std::string(given) : std::string();
    if (text != text_) {
        text_ = text;
        repaint();
    }
    return result;
}

intptr_t TextProgressBar::onGetText(uintptr_t wParam, intptr_t lParam) const {
    char* buffer = reinterpret_cast<char*>(lParam);
    if (buffer == nullptr || wParam == 0) return 0;
    // Leave room for the terminating zero: callers read the buffer as a C string.
    const size_t count = std::min(static_cast<size_t>(wParam) - 1, text_.size());
    std::memcpy(buffer, text_.data(), count);
    buffer[count] = '\0';
    return static_cast<intptr_t>(count);
}

bool TextProgressBar::handleMessage(unsigned message, uintptr_t wParam, intptr_t lParam, intptr_t& result) {
    switch (message) {
    case kPbmSetRange:
        SetRange(static_cast<int>(lParam & 0xFFFF), static_cast<int>((lParam >> 16) & 0xFFFF));
        result = 0;
        return true;
    case kPbmSetRange32:
        SetRange(static_cast<int>(wParam), static_cast<int>(lParam));
        result = 0;
        return true;
    case kPbmGetRange:
        if (lParam != 0) {
            auto* range = reinterpret_cast<ProgressRange*>(lParam);
            range->low = minimum_;
            range->high = maximum_;
        }
        result = wParam != 0 ? minimum_ : maximum_;
        return true;
    case kPbmSetPos:
        result = SetPos(static_cast<int>(wParam));
        return true;
    case kPbmGetPos:
        result = position_;
        return true;
    case kPbmDeltaPos:
        result = OffsetPos(static_cast<int>(wParam));
        return true;
    case kPbmSetStep:
        result = SetStep(static_cast<int>(wParam));
        return true;
    case kPbmStepIt:
        result = StepIt();
        return true;
    case kPbmSetBarColor:
        result = static_cast<intptr_t>(SetBarColour(static_cast<Colour>(lParam)));
        return true;
    case kPbmSetBkColor:
        result = static_cast<intptr_t>(SetBkColour(static_cast<Colour>(lParam)));
        return true;
    case kPbmSetTextColour:
        result = static_cast<intptr_t>(SetTextColour(static_cast<Colour>(lParam)));
        return true;
    case kPbmSetShowText:
        SetShowText(wParam != 0);
        result = 0;
        return true;
    case kWmSetText:
        result = onSetText(wParam, lParam);
        return true;
    case kWmGetText:
        result = onGetText(wParam, lParam);
        return true;
    case kWmSize:
        result = hasWindow() ? window()->defaultHandling(message, wParam, lParam) : 0;
        barWidth_ = -1;
        return true;
    case kWmEraseBkgnd:
        result = 1;  // the paint covers everything
        return true;
    default:
        return false;
    }
}
