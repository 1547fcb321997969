#include "monitor/channel_map_control.h"

#include <string>

namespace {

constexpr int kLabelWidth = 22;
constexpr int kCountWidth = 18;
constexpr int kGap = 2;
// Signal that fills the bar when no channel is busier: one strong network.
constexpr int kFullScale = 100;

}  // namespace

void ChannelMapControl::SetMap(const ChannelMap& map) {
    map_ = map;
    if (hasWindow()) window()->invalidate();
}

void ChannelMapControl::paint(int width, int height, PaintList& out) {
    out.fill(Rect{0, 0, width, height}, kBackground);
    const int rowHeight = height / ChannelMap::kChannels;
    if (rowHeight <= kGap) return;
    int scale = kFullScale;
    for (int s : map_.signal) scale = s > scale ? s : scale;
    const int room = width - kLabelWidth - kCountWidth;
    for (int c = 1; c <= ChannelMap::kChannels; ++c) {
        const int top = (c - 1) * rowHeight;
        const bool suggested = c == map_.suggestion;
        const Rect row = Rect::fromSize(0, top, width, rowHeight);
        const std::string label = std::to_string(c) + (suggested ? "*" : "");
        out.text(label, Rect::fromSize(0, top, kLabelWidth, rowHeight), row, suggested ? kSuggested : kText);
        const int length = room > 0 ? room * map_.signal[size_t(c)] / scale : 0;
        if (length > 0) out.fill(Rect::fromSize(kLabelWidth, top + kGap / 2, length, rowHeight - kGap), suggested ? kSuggested : kBar);
        if (suggested && length == 0) out.fill(Rect::fromSize(kLabelWidth, top + rowHeight / 2, room, 1), kSuggested);
        const int count = map_.networks[size_t(c)];
        if (count > 0)
            out.text(std::to_string(count), Rect::fromSize(kLabelWidth + length, top, kCountWidth, rowHeight), row, kText);
    }
}
