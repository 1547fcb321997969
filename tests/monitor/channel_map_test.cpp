// The channel map for hand-made lists: networks and signal per channel, and the least
// busy of 1, 6 and 11 within the channels a region allows.
#include <gtest/gtest.h>

#include <vector>

#include "adapter/ndis.h"
#include "monitor/channel_map.h"

namespace {

// A network on `channel` heard at `rssi` dBm (-86 is 0 %, -56 is 99 %, -55 and up 100 %);
// channel 36 stands for a 5 GHz one.
BssidEntry Heard(int channel, int rssi, const char* ssid = "net") {
    BssidEntry e;
    e.ssid = ssid;
    e.rssi = rssi;
    e.dsConfig = channel == 36 ? 5180000u : ChannelToFrequency(channel);
    return e;
}

TEST(ChannelMap, CountsSignalAndSuggestionForHandMadeLists) {
    const struct {
        const char* what;
        std::vector<BssidEntry> list;
        int first, last;
        std::vector<int> counts;    // channels 1..14
        int signalOn6;
        int suggestion;
    } cases[] = {
        {"nothing heard: the first candidate", {}, 1, 14, std::vector<int>(14, 0), 0, 1},
        {"two strong on 1, one on 6: 11 is quiet",
         {Heard(1, -50), Heard(1, -56), Heard(6, -56)}, 1, 11, {2, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0}, 99, 11},
        {"3 disturbs 1 and 6, 11 hears 11 and 14, 6 the least",
         {Heard(3, -56), Heard(11, -40), Heard(1, -56), Heard(14, -86)}, 1, 14,
         {1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1}, 0, 6},
        {"hidden networks count, 5 GHz ones do not",
         {Heard(6, -50, ""), Heard(36, -40), Heard(11, -60)}, 1, 11, {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0}, 100, 1},
        {"a region of 10 to 11 leaves only 11", {Heard(11, -40)}, 10, 11, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}, 0, 11},
        {"no candidate in 12 to 13", {}, 12, 13, std::vector<int>(14, 0), 0, 0},
    };
    for (const auto& c : cases) {
        const ChannelMap map = BuildChannelMap(c.list, c.first, c.last);
        for (int ch = 1; ch <= ChannelMap::kChannels; ++ch)
            EXPECT_EQ(map.networks[size_t(ch)], c.counts[size_t(ch - 1)]) << c.what << ", channel " << ch;
        EXPECT_EQ(map.signal[6], c.signalOn6) << c.what;
        EXPECT_EQ(map.suggestion, c.suggestion) << c.what;
        // The suggestion is never busier than another candidate the region allows.
        for (int candidate : ChannelMap::kCandidates) {
            if (map.suggestion && candidate >= c.first && candidate <= c.last) {
                EXPECT_LE(map.busy(map.suggestion), map.busy(candidate)) << c.what;
            }
        }
    }
}

}  // namespace
