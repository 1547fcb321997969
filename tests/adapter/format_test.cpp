// Text forms of the snapshot: SSID padding, MAC and BSSID texts.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "adapter/ndis.h"
#include "adapter/q_adapter_info.h"

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

TEST(ChannelPlan, ChannelsMapToCentreFrequenciesAndBack) {
    EXPECT_EQ(ChannelToFrequency(1), 2412000u);
    EXPECT_EQ(ChannelToFrequency(6), 2437000u);
    EXPECT_EQ(ChannelToFrequency(13), 2472000u);
    EXPECT_EQ(ChannelToFrequency(14), 2484000u);
    EXPECT_EQ(ChannelToFrequency(0), 0u);
    EXPECT_EQ(ChannelToFrequency(15), 0u);
    EXPECT_EQ(FrequencyToChannel(2437000), 6);
    EXPECT_EQ(FrequencyToChannel(2484000), 14);
    EXPECT_EQ(FrequencyToChannel(2438000), 0);
    EXPECT_EQ(FrequencyToChannel(0), 0);
}

}  // namespace
