// Replies the driver calls successful but does not fill: each typed query treats an
// answer shorter than its value as a failed query and leaves the caller's value alone,
// and the link snapshot falls back as it does for any failed query. The simulated
// driver's ShortReply switch makes the answers.
#include "adapter/ndis_queries.h"
#include "adapter_fixture.h"
#include "scripted_library.h"

namespace {

class ReplyLengthTest : public ProductTest {
protected:

    // The product's driver answers `oid` with only `bytes` bytes from now on.
    void AnswerShort(std::initializer_list<std::pair<uint32_t, uint32_t>> replies) {
        SimScenario s = DefaultScenario();
        for (auto& a : s.adapters)
            if (a.deviceName == ProductName())
                for (const auto& r : replies) a.shortReplies[r.first] = r.second;
        sim.SetScenario(s);
    }
    // Usable, associated with HomeNet, one full snapshot taken.
    void Associated() {
        ASSERT_TRUE(product().IsUsable());
        Join(product(), "HomeNet");
        ASSERT_TRUE(product().RefreshStatus());
        ASSERT_EQ(product().mediaState, NdisMediaStateConnected);
        ASSERT_EQ(product().GetSsidText(), "HomeNet");
    }
};

TEST_F(ReplyLengthTest, AThirtyTwoBitValueNeedsFourBytes) {
    Associated();
    for (uint32_t bytes : {0u, 3u}) {
        SCOPED_TRACE(bytes);
        product().xmitOk = 11;
        product().rcvOk = 12;
        product().rssi = -57;
        AnswerShort({{OID_GEN_XMIT_OK, bytes}, {OID_GEN_RCV_OK, bytes},
                     {OID_GEN_MEDIA_CONNECT_STATUS, bytes}, {OID_802_11_RSSI, bytes},
                     {OID_GEN_LINK_SPEED, bytes}});
        desktop.now += 1000;
        uint32_t speed = kUntouched;
        EXPECT_FALSE(QueryU32(product(), OID_GEN_LINK_SPEED, speed));
        EXPECT_EQ(speed, kUntouched);
        int32_t signal = -1;
        EXPECT_FALSE(QueryI32(product(), OID_802_11_RSSI, signal));
        EXPECT_EQ(signal, -1);

        ASSERT_TRUE(product().RefreshStatus());
        EXPECT_EQ(product().xmitOk, 11u);
        EXPECT_EQ(product().rcvOk, 12u);
        // The radio is associated, but an empty answer is no evidence of a link.
        EXPECT_EQ(product().mediaState, NdisMediaStateDisconnected);
        EXPECT_EQ(product().rssi, -57);
        for (const auto& e : sim.RequestLog()) {  // the driver did say success
            if (e.oid == OID_GEN_MEDIA_CONNECT_STATUS) {
                EXPECT_EQ(e.status, NDIS_STATUS_SUCCESS);
            }
        }
    }
    // Four bytes are a whole answer.
    AnswerShort({{OID_GEN_MEDIA_CONNECT_STATUS, 4}, {OID_802_11_RSSI, 4}});
    ASSERT_TRUE(product().RefreshStatus());
    EXPECT_EQ(product().mediaState, NdisMediaStateConnected);
    EXPECT_NEAR(product().rssi, -48, 2);
}

TEST_F(ReplyLengthTest, AnAddressNeedsSixBytes) {
    Associated();
    const std::string bssid = product().GetBssidText();
    ASSERT_EQ(bssid, "00-14-BF-3A-60-01");

    AnswerShort({{OID_802_11_BSSID, 5}, {OID_802_3_CURRENT_ADDRESS, 5}});
    uint8_t address[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_FALSE(QueryAddress(product(), OID_802_11_BSSID, address));
    EXPECT_EQ(address[0], 1);
    EXPECT_EQ(address[5], 6);
    // In the snapshot a failed BSSID query clears the address, as a refused one does.
    ASSERT_TRUE(product().RefreshStatus());
    EXPECT_EQ(product().GetBssidText(), "00-00-00-00-00-00");

    // A record that never read its MAC address does not take five bytes for one.
    QAdapterList fresh(context);
    QAdapterInfo& other = *fresh.FindByDeviceName(ProductName());
    EXPECT_TRUE(other.ReadMacAddress());
    EXPECT_FALSE(other.macValid);
    EXPECT_EQ(other.GetMacText(), "Unknown");

    AnswerShort({{OID_802_11_BSSID, 6}, {OID_802_3_CURRENT_ADDRESS, 6}});
    ASSERT_TRUE(product().RefreshStatus());
    EXPECT_EQ(product().GetBssidText(), bssid);
    EXPECT_TRUE(other.ReadMacAddress());
    EXPECT_EQ(other.GetMacText(), "00.A0.C5.4E.21.7B");
}

TEST_F(ReplyLengthTest, SsidAndConfigurationNeedTheirWholeRecord) {
    Associated();
    AnswerShort({{OID_802_11_SSID, sizeof(NDIS_802_11_SSID) - 1},
                 {OID_802_11_CONFIGURATION, sizeof(NDIS_802_11_CONFIGURATION) - 1}});
    NDIS_802_11_CONFIGURATION config{};
    config.DSConfig = kUntouched;
    EXPECT_FALSE(QueryConfiguration(product(), config));
    EXPECT_EQ(config.DSConfig, kUntouched);
    ASSERT_TRUE(product().RefreshStatus());
    EXPECT_EQ(product().GetSsidText(), "HomeNet");
    EXPECT_EQ(product().ssid.SsidLength, 7u);

    // A probe whose SSID answer is short has not heard the adapter answer.
    QAdapterList fresh(context);
    QAdapterInfo& other = *fresh.FindByDeviceName(ProductName());
    EXPECT_FALSE(other.IsUsable());
    EXPECT_EQ(other.GetSsidText(), "Unknown");

    sim.SetScenario(DefaultScenario());
    ASSERT_TRUE(QueryConfiguration(product(), config));
    EXPECT_EQ(config.DSConfig, ChannelToFrequency(6));
    EXPECT_TRUE(other.IsUsable());
}

TEST_F(ReplyLengthTest, ABssidListIsReadInTwoStepsAndMustHoldItsHeader) {
    std::vector<uint8_t> networks;
    ASSERT_TRUE(QueryBssidList(product(), networks));
    // The two queries: the 4-byte probe, then the size the driver asked for.
    ASSERT_GE(sim.RequestLog().size(), 2u);
    const SimRequestLogEntry& second = sim.RequestLog().back();
    EXPECT_EQ(sim.RequestLog()[sim.RequestLog().size() - 2].length, 4u);
    EXPECT_EQ(second.length, networks.size());
    uint32_t count = 0;
    std::memcpy(&count, networks.data(), 4);
    EXPECT_EQ(count, 8u);

    std::vector<uint8_t> kept{9, 9};
    for (uint32_t bytes : {0u, 3u}) {
        SCOPED_TRACE(bytes);
        AnswerShort({{OID_802_11_BSSID_LIST, bytes}});
        EXPECT_FALSE(QueryBssidList(product(), kept));
        EXPECT_EQ(kept, (std::vector<uint8_t>{9, 9}));
    }

    // No network in range: the header alone fits the probe and is the whole list.
    SimScenario empty = DefaultScenario();
    empty.networks.clear();
    sim.SetScenario(empty);
    ASSERT_TRUE(QueryBssidList(product(), kept));
    EXPECT_EQ(kept, (std::vector<uint8_t>{0, 0, 0, 0}));
}

TEST_F(ReplyLengthTest, ABssidListSizeBeyondReasonIsNotAllocated) {
    ScriptedLibrary lib(sim);
    lib.answer = [](NdisRequest& r, uint32_t& status) {
        if (r.oid != OID_802_11_BSSID_LIST) return false;
        r.bytesNeeded = kMaxBssidListBytes + 1;
        status = NDIS_STATUS_BUFFER_TOO_SHORT;
        return true;
    };
    AdapterContext ctx(lib, desktop);
    QAdapterList l(ctx);
    std::vector<uint8_t> out{1};
    EXPECT_FALSE(QueryBssidList(*l.FindByDeviceName(ProductName()), out));
    EXPECT_EQ(out, std::vector<uint8_t>{1});
    EXPECT_EQ(lib.seen.size(), 1u);  // no second query
}

}  // namespace
