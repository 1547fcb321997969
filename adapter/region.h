#pragma once
// The regulatory regions an adapter reports, by region code: the text the About page
// shows and the channels the Configuration page and the profile editor offer.

#include <cstdint>

// First to last channel, both included.
struct ChannelRange {
    int first;
    int last;
};

// The region text for a region code; null for a code not in the table.
const char* RegionText(uint32_t regionCode);

// A region code the table does not know gets 1 to 11, the channels every region allows.
ChannelRange RegionChannels(uint32_t regionCode);
