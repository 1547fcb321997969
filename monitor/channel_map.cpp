#include "monitor/channel_map.h"

#include <cstdlib>

#include "adapter/current_adapter.h"
#include "adapter/ndis.h"
#include "adapter/q_adapter_info.h"
#include "adapter/region.h"
#include "kit/link_display.h"

constexpr int ChannelMap::kCandidates[];

int ChannelMap::busy(int channel) const {
    int sum = 0;
    for (int c = 1; c <= kChannels; ++c)
        if (std::abs(c - channel) <= kOverlap) sum += signal[size_t(c)];
    return sum;
}

ChannelMap BuildChannelMap(const std::vector<BssidEntry>& entries, int first, int last) {
    ChannelMap map;
    for (const BssidEntry& e : entries) {
        const int channel = FrequencyToChannel(e.dsConfig);
        if (channel < 1 || channel > ChannelMap::kChannels) continue;
        ++map.networks[size_t(channel)];
        map.signal[size_t(channel)] += LinkDisplay::signalStrength(e.rssi);
    }
    for (int candidate : ChannelMap::kCandidates) {
        if (candidate < first || candidate > last) continue;
        if (map.suggestion == 0 || map.busy(candidate) < map.busy(map.suggestion)) map.suggestion = candidate;
    }
    return map;
}

int SuggestChannelNow() {
    QAdapterInfo* adapter = GetCurrentAdapter();
    if (!adapter) return 0;
    std::vector<uint8_t> list;
    if (!QueryBssidList(*adapter, list)) return 0;
    const ChannelRange range = RegionChannels(adapter->regionCode);
    return BuildChannelMap(WalkBssidList(list.data(), list.size()), range.first, range.last).suggestion;
}
