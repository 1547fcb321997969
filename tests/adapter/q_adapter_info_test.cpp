// The adapter record: probe rules, the link snapshot and its fall-backs, copying.
#include "adapter_fixture.h"
#include "scripted_library.h"

namespace {

class RecordTest : public ProductTest {
protected:
    QAdapterInfo& wired() { return *list.FindByDeviceName(WiredName()); }

    // Puts `key=value` lines into the product adapter's section of the default machine.
    void ProductRefuses(std::initializer_list<uint32_t> oids) {
        SimScenario s = DefaultScenario();
        for (auto& a : s.adapters)
            if (a.deviceName == ProductName()) a.refusedOids.insert(oids.begin(), oids.end());
        sim.SetScenario(s);
    }
};

TEST_F(RecordTest, ProbeFindsTheWirelessAdapterAndReadsItsMacAndSsid) {
    EXPECT_TRUE(product().IsUsable());
    EXPECT_TRUE(product().isWireless);
    EXPECT_TRUE(product().ssidAnswered);
    EXPECT_TRUE(product().macValid);
    EXPECT_EQ(product().GetMacText(), "00.A0.C5.4E.21.7B");
    EXPECT_EQ(product().GetSsidText(), "");  // not associated: an empty SSID
    EXPECT_EQ(LoggedOids(), (std::vector<uint32_t>{OID_GEN_PHYSICAL_MEDIUM, OID_802_3_CURRENT_ADDRESS,
                                                   OID_802_11_SSID}));
    // The probe leaves nothing open.
    EXPECT_EQ(product().adapterHandle, kNoHandle);
    EXPECT_EQ(product().requestEvent, 0u);
    EXPECT_EQ(sim.AdaptersOpen(), 0);
    EXPECT_EQ(sim.EventsOpen(), 0);
}

TEST_F(RecordTest, EveryProbeOpensAndClosesTheAdapterOnce) {
    product().IsUsable();
    product().IsUsable();
    product().IsUsable();
    EXPECT_EQ(sim.OpenAdapterCalls(), 3);
    EXPECT_EQ(sim.EventsCreated(), 3);
    EXPECT_EQ(sim.EventsClosed(), 3);
}

TEST_F(RecordTest, AWiredAdapterIsNeverUsable) {
    EXPECT_FALSE(wired().IsUsable());
    EXPECT_FALSE(wired().isWireless);
    EXPECT_FALSE(wired().ssidAnswered);
    EXPECT_FALSE(wired().macValid);
    // The medium answer (802.3) ends the probe.
    EXPECT_EQ(LoggedOids(), (std::vector<uint32_t>{OID_GEN_PHYSICAL_MEDIUM}));
}

TEST_F(RecordTest, AWirelessAdapterWhoseSsidQueryFailsIsNotUsable) {
    ProductRefuses({OID_802_11_SSID});
    EXPECT_FALSE(product().IsUsable());
    EXPECT_TRUE(product().isWireless);
    EXPECT_EQ(product().GetSsidText(), "Unknown");
}

TEST_F(RecordTest, AnAdapterThatDoesNotKnowItsMediumIsNotWireless) {
    ProductRefuses({OID_GEN_PHYSICAL_MEDIUM});
    EXPECT_FALSE(product().IsUsable());
    EXPECT_FALSE(product().isWireless);
}

TEST_F(RecordTest, OnThe9xFamilyTheProbeWaitsFiveSecondsWithoutTouchingTheAdapter) {
    desktop.version = OsVersionInfo{4, 0, 950, 1, ""};
    AdapterContext ctx9x(sim, desktop);
    desktop.now = 20000;
    QAdapterList list9x(ctx9x);
    QAdapterInfo* a = list9x.FindByDeviceName(ProductName());
    ASSERT_NE(a, nullptr);
    sim.ClearRequestLog();
    const int opens = sim.OpenAdapterCalls();

    desktop.now = 24999;
    EXPECT_FALSE(a->IsUsable());
    EXPECT_EQ(sim.OpenAdapterCalls(), opens);
    EXPECT_TRUE(sim.RequestLog().empty());
    desktop.now = 25000;
    EXPECT_TRUE(a->IsUsable());
}

TEST_F(RecordTest, TheProbeDelayHoldsAcrossTheTickCounterWrap) {
    desktop.version = OsVersionInfo{4, 10, 1998, 1, ""};
    AdapterContext ctx9x(sim, desktop);
    desktop.now = 0xFFFFF000u;  // 4096 ms before the wrap
    QAdapterList list9x(ctx9x);
    QAdapterInfo* a = list9x.FindByDeviceName(ProductName());
    desktop.now = 0xFFFFF800u;
    EXPECT_FALSE(a->IsUsable());
    desktop.now = 100;  // wrapped; 4196 ms have passed
    EXPECT_FALSE(a->IsUsable());
    desktop.now = 0xFFFFF000u + 5000u;
    EXPECT_TRUE(a->IsUsable());
}

TEST_F(RecordTest, SnapshotOfAnAdapterThatNeverAnsweredItsSsidReadsOnlyCounters) {
    ASSERT_TRUE(wired().RefreshStatus());
    EXPECT_EQ(LoggedOids(), (std::vector<uint32_t>{OID_GEN_RCV_OK, OID_GEN_XMIT_OK, OID_GEN_MEDIA_CONNECT_STATUS}));
    EXPECT_EQ(wired().mediaState, 0u);
    // It stays open for the next requests.
    EXPECT_NE(wired().adapterHandle, kNoHandle);
}

TEST_F(RecordTest, SnapshotOfAnAssociatedAdapter) {
    ASSERT_TRUE(product().IsUsable());
    Join(product(), "HomeNet");
    desktop.now += 5000;  // some traffic
    sim.ClearRequestLog();
    ASSERT_TRUE(product().RefreshStatus());

    EXPECT_EQ(product().mediaState, 0u);
    EXPECT_EQ(product().GetSsidText(), "HomeNet");
    EXPECT_EQ(product().GetBssidText(), "00-14-BF-3A-60-01");
    EXPECT_GE(product().rssi, -50);
    EXPECT_LE(product().rssi, -46);
    EXPECT_GT(product().linkQuality, 0);
    EXPECT_LE(product().linkQuality, 25);
    EXPECT_EQ(product().regionCode, 0x10u);
    EXPECT_EQ(product().versionText, "1.0.3.12");
    EXPECT_GT(product().xmitOk, 0u);
    EXPECT_GT(product().rcvOk, 0u);
    EXPECT_GT(product().txBytes, 0u);
    EXPECT_GT(product().rxBytes, 0u);

    // Order of the requests, and the five private commands each sent with word 1 = 4.
    const std::vector<uint32_t> expected{OID_GEN_RCV_OK, OID_GEN_XMIT_OK, OID_GEN_MEDIA_CONNECT_STATUS,
                                         OID_802_11_SSID, OID_802_11_BSSID, OID_802_11_RSSI,
                                         OID_PRIVATE_COMMAND, OID_PRIVATE_COMMAND, OID_PRIVATE_COMMAND,
                                         OID_PRIVATE_COMMAND, OID_PRIVATE_COMMAND};
    ASSERT_EQ(LoggedOids(), expected);
    const uint32_t commands[5] = {353, 880, 880, 2193, 16};
    for (int i = 0; i < 5; ++i) {
        const auto& bytes = sim.RequestLog()[6 + i].bytes;
        ASSERT_GE(bytes.size(), 20u);
        uint32_t word0, word1;
        std::memcpy(&word0, bytes.data() + 12, 4);
        std::memcpy(&word1, bytes.data() + 16, 4);
        EXPECT_EQ(word0, commands[i]);
        EXPECT_EQ(word1, 4u);
    }

    // Counters run on while the link is up.
    const uint32_t tx = product().txBytes, rcv = product().rcvOk;
    desktop.now += 3000;
    ASSERT_TRUE(product().RefreshStatus());
    EXPECT_GT(product().txBytes, tx);
    EXPECT_GT(product().rcvOk, rcv);
}

TEST_F(RecordTest, FailedSnapshotQueriesFallBackAsDocumented) {
    ASSERT_TRUE(product().IsUsable());
    Join(product(), "HomeNet");
    ASSERT_TRUE(product().RefreshStatus());
    const uint32_t xmit = product().xmitOk;
    const int32_t quality = product().linkQuality;
    const int32_t rssi = product().rssi;
    ASSERT_LT(rssi, -40);

    ProductRefuses({OID_GEN_XMIT_OK, OID_GEN_MEDIA_CONNECT_STATUS, OID_802_11_SSID, OID_802_11_BSSID,
                    OID_802_11_RSSI, OID_PRIVATE_COMMAND});
    desktop.now += 2000;
    ASSERT_TRUE(product().RefreshStatus());
    EXPECT_EQ(product().xmitOk, xmit);            // kept
    // No answer is no link: the search must go on rather than trust a dead link.
    EXPECT_EQ(product().mediaState, NdisMediaStateDisconnected);
    EXPECT_EQ(product().GetSsidText(), "HomeNet");  // kept
    EXPECT_EQ(product().GetBssidText(), "00-00-00-00-00-00");
    EXPECT_EQ(product().rssi, rssi);              // kept: 0 dBm would read as full signal
    // Private command values keep their last answer.
    EXPECT_EQ(product().linkQuality, quality);
    EXPECT_EQ(product().versionText, "1.0.3.12");
    EXPECT_EQ(product().regionCode, 0x10u);
}

TEST_F(RecordTest, SnapshotOfAnAdapterThatCannotBeOpenedChangesNothing) {
    ASSERT_TRUE(product().IsUsable());
    SimScenario s = DefaultScenario();
    s.adapters[1].openFails = true;
    sim.SetScenario(s);
    product().xmitOk = 77;
    product().mediaState = 1;
    EXPECT_FALSE(product().RefreshStatus());
    EXPECT_FALSE(product().ReadMacAddress());
    EXPECT_EQ(product().xmitOk, 77u);
    EXPECT_EQ(product().mediaState, 1u);
    EXPECT_TRUE(sim.RequestLog().size() == 3u);  // only the probe's requests
}

// A card plugged in again is probed by one poll and may not open for the link monitor's
// next tick: a record the driver has not yet told about its link has none.
TEST_F(RecordTest, ARecordWhoseLinkWasNeverReadHasNone) {
    ASSERT_TRUE(product().IsUsable());
    EXPECT_EQ(product().mediaState, NdisMediaStateDisconnected);
    SimScenario s = DefaultScenario();
    s.adapters[1].openFails = true;
    sim.SetScenario(s);
    EXPECT_FALSE(product().RefreshStatus());
    EXPECT_EQ(product().mediaState, NdisMediaStateDisconnected);
}

TEST_F(RecordTest, ReadMacAddressSucceedsEvenWhenTheDriverRefusesTheAddress) {
    ProductRefuses({OID_802_3_CURRENT_ADDRESS});
    EXPECT_TRUE(product().ReadMacAddress());
    EXPECT_FALSE(product().macValid);
    EXPECT_EQ(product().GetMacText(), "Unknown");
}

TEST_F(RecordTest, BssidTextBeforeTheSsidWasAnswered) {
    EXPECT_EQ(product().GetBssidText(), "Not Available");
    EXPECT_EQ(product().bssidText, "Not Available");
}

TEST_F(RecordTest, CopyFromTakesTheDescriptionAndSnapshotButNothingOpen) {
    ASSERT_TRUE(product().IsUsable());
    Join(product(), "HomeNet");
    ASSERT_TRUE(product().RefreshStatus());
    product().GetBssidText();

    QAdapterInfo copy(context);
    EXPECT_EQ(copy.GetDescription(), "Unknown");
    EXPECT_FALSE(copy.valid);
    copy.CopyFrom(product());
    EXPECT_EQ(copy.GetDescription(), product().GetDescription());
    EXPECT_EQ(copy.GetDeviceName(), ProductName());
    EXPECT_TRUE(copy.valid && copy.isWireless && copy.ssidAnswered && copy.macValid);
    EXPECT_EQ(copy.GetMacText(), "00.A0.C5.4E.21.7B");
    EXPECT_EQ(copy.GetSsidText(), "HomeNet");
    EXPECT_EQ(std::memcmp(copy.bssid, product().bssid, 8), 0);
    EXPECT_EQ(copy.rssi, product().rssi);
    EXPECT_EQ(copy.xmitOk, product().xmitOk);
    EXPECT_EQ(copy.mediaState, 0u);
    // Not copied:
    EXPECT_EQ(copy.linkQuality, 0);
    EXPECT_EQ(copy.versionText, "");
    EXPECT_EQ(copy.regionCode, 0u);
    EXPECT_EQ(copy.txBytes, 0u);
    EXPECT_EQ(copy.bssidText, "");
    EXPECT_EQ(copy.adapterHandle, kNoHandle);
    EXPECT_EQ(copy.requestEvent, 0u);
}

TEST_F(RecordTest, InterfaceGuidNeedsAWholeBracedGuidAtTheEnd) {
    EXPECT_EQ(product().GetInterfaceGuid(), "{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}");
    QAdapterInfo r(context);
    r.deviceName = "\\DEVICE\\{6B1D}";
    EXPECT_EQ(r.GetInterfaceGuid(), "");
    r.deviceName = "";
    EXPECT_EQ(r.GetInterfaceGuid(), "");
    r.deviceName = "\\DEVICE\\6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14XX";
    EXPECT_EQ(r.GetInterfaceGuid(), "");
}

}  // namespace
