#pragma once
// The channel map under the site survey's network list: one column per channel 1 to 14,
// a bar as tall as the signal heard on it (scaled to the busiest channel) with the number
// of networks above it and the channel under it; the suggested channel is drawn in green
// and its number starred.

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
