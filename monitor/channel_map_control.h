#pragma once
// The channel map beside the site survey's network list: one row per channel 1 to 14,
// a bar as long as the signal heard on it (scaled to the busiest channel) with the
// number of networks after it; the suggested channel's row is marked in green.

#include "monitor/channel_map.h"
#include "platform/custom_control.h"

class ChannelMapControl : public CustomControl {
public:
    static constexpr Colour kBackground = rgb(255, 255, 255);
    static constexpr Colour kBar = rgb(51, 103, 153);
    static constexpr Colour kSuggested = rgb(40, 150, 60);
    static constexpr Colour kText = rgb(0, 0, 0);

    void SetMap(const ChannelMap& map);
    const ChannelMap& Map() const { return map_; }

    PaintMode paintMode() const override { return PaintMode::OnPaint; }
    void paint(int width, int height, PaintList& out) override;

private:
    ChannelMap map_;
};
