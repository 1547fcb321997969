#pragma once
// The channels a regulatory region allows, by the region code the adapter reports: the
// Configuration page's channel list and the profile editor's offer these.

#include <cstdint>

// First to last, both included.
struct ChannelRange {
    int first;
    int last;
};

// A region code the table does not know gets 1 to 11, the channels every region allows.
ChannelRange RegionChannels(uint32_t regionCode);
