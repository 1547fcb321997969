// Text forms of the snapshot: SSID padding, MAC and BSSID texts.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "adapter/ndis.h"
#include "adapter/q_adapter_info.h"
#include "adapter/region.h"

namespace {

std::unique_ptr<NDIS_802_11_SSID> Record(uint32_t length, const char* bytes, size_t count) {
    // On the heap at its exact size, so a read past the record trips the sanitizer.
    auto r = std::make_unique<NDIS_802_11_SSID>();
    r->SsidLength = length;
    std::memcpy(r->Ssid, bytes, count);
    return r;
}

TEST(SsidText, ZeroBytesEndTheTextAndTheWidthPadsOnTheLeft) {
    EXPECT_EQ(FormatSsidText(*Record(6, "ab\0\0\0\0", 6)), "    ab");
    EXPECT_EQ(FormatSsidText(*Record(0, "abc", 3)), "");
    EXPECT_EQ(FormatSsidText(*Record(3, "abcdef", 6)), "abc");
    EXPECT_EQ(FormatSsidText(*Record(2, "\0b", 2)), "  ");
}

TEST(SsidText, NeverReadsPastTheRecord) {
    const std::string full(32, 'Z');
    EXPECT_EQ(FormatSsidText(*Record(32, full.data(), 32)), full);
    EXPECT_EQ(FormatSsidText(*Record(33, full.data(), 32)), full);
    EXPECT_EQ(FormatSsidText(*Record(0xFFFFFFFFu, full.data(), 32)), full);
}

TEST(MacText, TwoUpperCaseDigitsPerByte) {
    const uint8_t mac[6] = {0x00, 0x0a, 0xC5, 0x4E, 0x01, 0xFF};
    EXPECT_EQ(FormatMacBytes(mac, '.'), "00.0A.C5.4E.01.FF");
    EXPECT_EQ(FormatMacBytes(mac, '-'), "00-0A-C5-4E-01-FF");
}

TEST(ChannelPlan, EveryChannelMapsToItsCentreFrequencyAndBack) {
    for (int channel = 1; channel <= 14; ++channel) {
        const uint32_t kHz = channel == 14 ? 2484000u : 2412000u + 5000u * uint32_t(channel - 1);
        EXPECT_EQ(ChannelToFrequency(channel), kHz) << channel;
        EXPECT_EQ(FrequencyToChannel(kHz), channel) << channel;
        EXPECT_EQ(ChannelOfFrequency(kHz), channel) << channel;
        EXPECT_TRUE(IsTunableChannel(channel)) << channel;
    }
    for (int channel : {-1, 0, 15}) EXPECT_TRUE(ChannelToFrequency(channel) == 0 && !IsTunableChannel(channel)) << channel;
}

// The table's own entry 0, a kHz beside each channel, and what a scan may report.
TEST(ChannelPlan, FrequenciesOffThePlan) {
    struct Odd { uint32_t kHz; int inTable, ofScan; };
    std::vector<Odd> odd = {{0, 0, 0},           {2477000, kNoChannel, kNoChannel}, {5000000, kNoChannel, kNoChannel},
                            {5000001, kNoChannel, 0}, {5180000, kNoChannel, 36},    {5825000, kNoChannel, 165},
                            {4294967295u, kNoChannel, 857993}};
    for (int channel = 1; channel <= 14; ++channel)
        for (uint32_t kHz : {ChannelToFrequency(channel) - 1, ChannelToFrequency(channel) + 1})
            odd.push_back({kHz, kNoChannel, kNoChannel});
    for (const Odd& o : odd) {
        EXPECT_EQ(FrequencyToChannel(o.kHz), o.inTable) << o.kHz;
        EXPECT_EQ(ChannelOfFrequency(o.kHz), o.ofScan) << o.kHz;
    }
}

TEST(Regions, TextAndChannelsByRegionCode) {
    const struct { uint32_t region; const char* text; int first, last; } rows[] = {
        {0x00, "TEST", 1, 14}, {0x10, "FCC(USA) Channel 1-11", 1, 11}, {0x20, "IC(Candada) Channel 1-11", 1, 11},
        {0x30, "ETSI(Europe) Channel 1-13", 1, 13}, {0x31, "SPAIN Channel 10-11", 10, 11},
        {0x32, "France Channel 10-13", 10, 13}, {0x40, "Japan Channel 1-14", 1, 14},
        {0x41, nullptr, 1, 11}, {0xFFFFFFFF, nullptr, 1, 11},
    };
    for (const auto& r : rows) {
        EXPECT_STREQ(RegionText(r.region), r.text) << r.region;
        EXPECT_EQ(RegionChannels(r.region).first, r.first) << r.region;
        EXPECT_EQ(RegionChannels(r.region).last, r.last) << r.region;
    }
}

}  // namespace
