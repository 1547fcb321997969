#pragma once
// The networks heard, by 2.4 GHz channel: how many on each channel and how strongly, and
// which of the channels that do not overlap one another (1, 6, 11) is the least busy,
// the one to suggest for an ad-hoc network of one's own.
//
// A channel's business counts every network within four channels of it (their bands
// overlap), weighted by signal: a strong network next door disturbs more than a faint
// one on the channel itself. Hidden networks take up the air too, and count.

#include <array>
#include <vector>

#include "monitor/bssid_list.h"

struct ChannelMap {
    static constexpr int kChannels = 14;
    static constexpr int kCandidates[] = {1, 6, 11};
    // Networks within this many channels of each other share air.
    static constexpr int kOverlap = 4;

    // Indexed by channel number; index 0 is unused.
    std::array<int, kChannels + 1> networks{};
    std::array<int, kChannels + 1> signal{};   // sum of the networks' signal strengths, %
    // The least busy candidate within [first, last]; 0 when none of them is in it.
    int suggestion = 0;

    // The business of channel c: the signal of every network within kOverlap channels.
    int busy(int channel) const;
};

// From the entries of the walked BSSID list; entries outside channels 1 to 14 (5 GHz,
// unknown frequencies) are left out. The suggestion is taken within the channels the
// region allows, first to last.
ChannelMap BuildChannelMap(const std::vector<BssidEntry>& entries, int first = 1, int last = ChannelMap::kChannels);

// The suggestion for the current adapter from a fresh read of its list, within the
// channels its region allows; 0 without an adapter or a list.
int SuggestChannelNow();
