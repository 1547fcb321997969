#include "monitor/channel_map_control.h"

#include <string>

namespace {

constexpr int kLineHeight = 14;   // a line of text: the channel under a bar, the count above
constexpr int kGap = 2;
// Signal that fills a column when no channel is busier: one strong network.
constexpr int kFullScale = 100;

}  // namespace

void ChannelMapControl::SetMap(const ChannelMap& map) {
    map_ = map;
    if (hasWindow()) window()->invalidate();
}

void ChannelMapControl::paint(int width, int height, PaintList& out) {
    const Rect all{0, 0, width, height};
    out.fill(all, kBackground);
    const int column = width / ChannelMap::kChannels;
    const int room = height - 2 * kLineHeight;
    if (column <= kGap || room <= 0) return;
    int scale = kFullScale;
    for (int s : map_.signal) scale = s > scale ? s : scale;
    for (int c = 1; c <= ChannelMap::kChannels; ++c) {
        const int left = (c - 1) * column;
        const bool suggested = c == map_.suggestion;
        const Colour colour = suggested ? kSuggested : kBar;
        const std::string label = std::to_string(c) + (suggested ? "*" : "");
        out.text(label, Rect::fromSize(left, height - kLineHeight, column, kLineHeight), all, suggested ? kSuggested : kText);
        const int bar = room * map_.signal[size_t(c)] / scale;
        const int baseline = height - kLineHeight;
        if (bar > 0) out.fill(Rect::fromSize(left + kGap, baseline - bar, column - 2 * kGap, bar), colour);
        // A quiet suggested channel still shows where it is.
        if (suggested && bar == 0) out.fill(Rect::fromSize(left + kGap, baseline - kGap, column - 2 * kGap, kGap), colour);
        if (const int count = map_.networks[size_t(c)])
            out.text(std::to_string(count), Rect::fromSize(left, baseline - bar - kLineHeight, column, kLineHeight), all, kText);
    }
}
