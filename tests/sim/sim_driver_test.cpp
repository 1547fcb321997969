// The simulated driver: OID answers and refusals, the BSSID list, association rules,
// counters, and the private channel.
#include "sim_fixture.h"

#include "sim/sim_scenario.h"

namespace {

uint32_t Le32(const uint8_t* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

// ---- Enumeration and adapters ---------------------------------------------------------

TEST(SimEnumeration, TheDefaultMachineHasAWiredCardAndTheProduct) {
    SimAdapterLibrary sim;
    const LibHandle e = sim.OpenEnumerationNt();
    ASSERT_NE(e, kNoHandle);
    std::vector<std::string> descriptions, names;
    for (LibHandle entry = sim.FirstEntry(e); entry != kNoHandle; entry = sim.NextEntry(e)) {
        char buffer[256];
        uint32_t length = sizeof buffer;
        ASSERT_EQ(sim.EntryDescription(entry, buffer, &length), 0u);
        EXPECT_EQ(length, std::strlen(buffer));
        descriptions.push_back(buffer);
        length = sizeof buffer;
        ASSERT_EQ(sim.EntryDeviceName(entry, buffer, &length), 0u);
        names.push_back(buffer);
        sim.ReleaseEntry(entry);
    }
    sim.CloseEnumeration(e);
    ASSERT_EQ(descriptions.size(), 2u);
    EXPECT_EQ(descriptions[1], "Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter");
    for (const auto& n : names) EXPECT_EQ(n.size(), 8u + 38u) << n;
    EXPECT_EQ(sim.FirstEntry(e), kNoHandle);  // closed
}

TEST(SimEnumeration, ATooSmallBufferIsRefusedWithTheLengthNeeded) {
    SimAdapterLibrary sim;
    const LibHandle e = sim.OpenEnumerationNt();
    const LibHandle entry = sim.FirstEntry(e);
    char buffer[8] = "xxxxxxx";
    uint32_t length = sizeof buffer;
    EXPECT_NE(sim.EntryDescription(entry, buffer, &length), 0u);
    EXPECT_GT(length, 8u);
    EXPECT_STREQ(buffer, "xxxxxxx");
    EXPECT_NE(sim.EntryDescription(entry, nullptr, &length), 0u);
    EXPECT_NE(sim.EntryDescription(0x12345, buffer, &length), 0u);
}

TEST(SimEnumeration, UnpluggedAdaptersAreNotListedAndCannotBeOpened) {
    SimScenario s = DefaultScenario();
    s.adapters[0].present = false;
    SimAdapterLibrary sim(s);
    const LibHandle e = sim.OpenEnumeration9x(0x10000);
    int count = 0;
    for (LibHandle entry = sim.FirstEntry(e); entry != kNoHandle; entry = sim.NextEntry(e)) ++count;
    EXPECT_EQ(count, 1);
    EXPECT_EQ(sim.OpenAdapter(s.adapters[0].deviceName), kNoHandle);
    EXPECT_EQ(sim.OpenAdapter("\\DEVICE\\{nothing}"), kNoHandle);
    EXPECT_FALSE(sim.GetNetCardRegistryPath().empty());
}

// ---- Answers and refusals ---------------------------------------------------------------

using SimOidTest = SimTest;

TEST_F(SimOidTest, GeneralOidsOfTheWirelessAdapter) {
    EXPECT_EQ(QueryU32(OID_GEN_PHYSICAL_MEDIUM), NdisPhysicalMediumWirelessLan);
    EXPECT_EQ(QueryU32(OID_GEN_MEDIA_CONNECT_STATUS), NdisMediaStateDisconnected);
    Reply mac = Query(OID_802_3_CURRENT_ADDRESS, 8);
    ASSERT_EQ(mac.status, NDIS_STATUS_SUCCESS);
    EXPECT_EQ(mac.written, 6u);
    EXPECT_EQ(std::vector<uint8_t>(mac.bytes.begin(), mac.bytes.begin() + 6),
              (std::vector<uint8_t>{0x00, 0xA0, 0xC5, 0x4E, 0x21, 0x7B}));
    Reply cfg = Query(OID_802_11_CONFIGURATION, 32);
    ASSERT_EQ(cfg.status, NDIS_STATUS_SUCCESS);
    EXPECT_EQ(Le32(cfg.bytes.data()), 32u);
    EXPECT_TRUE(IsTunableChannel(FrequencyToChannel(Le32(cfg.bytes.data() + 12))));
    // No link: no BSSID, an empty SSID, the noise floor.
    EXPECT_EQ(Query(OID_802_11_BSSID, 8).status, NDIS_STATUS_ADAPTER_NOT_READY);
    EXPECT_EQ(LinkSsid(), "");
    EXPECT_LT(static_cast<int32_t>(QueryU32(OID_802_11_RSSI)), -86);
}

TEST_F(SimOidTest, TheWiredAdapterIsNotAnAirInterface) {
    const LibHandle wired = sim.OpenAdapter(WiredName());
    Reply medium = Query(OID_GEN_PHYSICAL_MEDIUM, 4, wired);
    ASSERT_EQ(medium.status, NDIS_STATUS_SUCCESS);
    EXPECT_NE(Le32(medium.bytes.data()), 1u);
    EXPECT_EQ(Query(OID_802_11_SSID, 36, wired).status, NDIS_STATUS_NOT_SUPPORTED);
    EXPECT_EQ(Query(0xFFA0C90A, 15392, wired).status, NDIS_STATUS_INVALID_OID);
    EXPECT_EQ(Le32(Query(OID_GEN_MEDIA_CONNECT_STATUS, 4, wired).bytes.data()), 0u);
}

TEST_F(SimOidTest, UnknownOidsWrongLengthsAndBadRecordsAreRefused) {
    EXPECT_EQ(Query(0x00FFFF01, 4).status, NDIS_STATUS_INVALID_OID);
    EXPECT_EQ(SetU32(0x0D01FFFF, 1), NDIS_STATUS_INVALID_OID);
    Reply shortSsid = Query(OID_802_11_SSID, 20);
    EXPECT_EQ(shortSsid.status, NDIS_STATUS_INVALID_LENGTH);
    EXPECT_EQ(shortSsid.needed, 36u);
    EXPECT_EQ(shortSsid.bytes, std::vector<uint8_t>(20, 0xCC));  // untouched
    uint32_t needed = 0;
    const uint8_t two[2] = {1, 0};
    EXPECT_EQ(Set(OID_802_11_INFRASTRUCTURE_MODE, two, 2, &needed), NDIS_STATUS_INVALID_LENGTH);
    EXPECT_EQ(needed, 4u);
    EXPECT_EQ(SetU32(OID_802_11_INFRASTRUCTURE_MODE, 3), NDIS_STATUS_INVALID_DATA);
    EXPECT_EQ(SetU32(OID_802_11_AUTHENTICATION_MODE, 3), NDIS_STATUS_INVALID_DATA);
    EXPECT_EQ(SetU32(OID_802_11_WEP_STATUS, 4), NDIS_STATUS_INVALID_DATA);
    EXPECT_EQ(SetU32(OID_802_11_REMOVE_WEP, 4), NDIS_STATUS_INVALID_DATA);
    NDIS_802_11_SSID tooLong{};
    tooLong.SsidLength = 33;
    EXPECT_EQ(Set(OID_802_11_SSID, &tooLong, sizeof tooLong), NDIS_STATUS_INVALID_DATA);
    const uint32_t badWep[4] = {12 + 4, 0x80000000u, 4, 0};  // a 4-byte key does not exist
    EXPECT_EQ(Set(OID_802_11_ADD_WEP, badWep, sizeof badWep), NDIS_STATUS_INVALID_DATA);
    const uint32_t liar[3] = {12 + 13, 0x80000000u, 13};  // promises 13 bytes, brings none
    EXPECT_EQ(Set(OID_802_11_ADD_WEP, liar, sizeof liar), NDIS_STATUS_INVALID_LENGTH);
    // Query-only and set-only OIDs.
    EXPECT_EQ(SetU32(OID_802_11_RSSI, 0), NDIS_STATUS_NOT_SUPPORTED);
    EXPECT_EQ(Query(OID_802_11_DISASSOCIATE, 4).status, NDIS_STATUS_NOT_SUPPORTED);
    // Removing an empty key slot is fine: the program clears all four every time.
    EXPECT_EQ(SetU32(OID_802_11_REMOVE_WEP, 2), NDIS_STATUS_SUCCESS);
}

TEST_F(SimOidTest, ScenarioCanMakeTheDriverRefuseChosenOids) {
    SimScenario s = ParseScenario(
        "[Adapter]\nDescription=X\nDeviceName=\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}\n"
        "Refuse=0x0D010206, 0x00010107\n");
    sim.SetScenario(s);
    EXPECT_EQ(Query(OID_802_11_RSSI, 4).status, NDIS_STATUS_FAILURE);
    EXPECT_EQ(Query(OID_GEN_LINK_SPEED, 4).status, NDIS_STATUS_FAILURE);
    EXPECT_EQ(Query(OID_GEN_RCV_OK, 4).status, NDIS_STATUS_SUCCESS);
}

// ---- BSSID list -------------------------------------------------------------------------

using SimListTest = SimTest;

TEST_F(SimListTest, ShortBufferGetsTheSizeOfTheWholeList) {
    Reply r = Query(OID_802_11_BSSID_LIST, 4);
    EXPECT_EQ(r.status, NDIS_STATUS_BUFFER_TOO_SHORT);
    EXPECT_GT(r.needed, 4u + 7u * 104u - 1u);
    Reply exact = Query(OID_802_11_BSSID_LIST, r.needed);
    EXPECT_EQ(exact.status, NDIS_STATUS_SUCCESS);
    EXPECT_EQ(exact.written, r.needed);
    EXPECT_EQ(Query(OID_802_11_BSSID_LIST, r.needed - 1).status, NDIS_STATUS_BUFFER_TOO_SHORT);
}

TEST_F(SimListTest, EntriesDescribeTheNetworksInRange) {
    const std::vector<uint8_t> list = BssidList();
    ASSERT_GE(list.size(), 4u);
    const uint32_t count = Le32(list.data());
    ASSERT_EQ(count, 8u);
    struct Seen {
        std::string ssid;
        uint32_t privacy, frequency, mode;
        uint8_t firstRate, lastRate;
        int32_t rssi;
    };
    std::vector<Seen> seen;
    size_t at = 4;
    for (uint32_t i = 0; i < count; ++i) {
        ASSERT_LE(at + 104, list.size());
        const uint32_t length = Le32(&list[at]);
        ASSERT_GE(length, 104u);
        ASSERT_LE(at + length, list.size());
        const uint32_t ssidLength = Le32(&list[at + 12]);
        seen.push_back({std::string(reinterpret_cast<const char*>(&list[at + 16]), ssidLength), Le32(&list[at + 48]),
                        Le32(&list[at + 60 + 12]), Le32(&list[at + 92]), list[at + 96], list[at + 103],
                        static_cast<int32_t>(Le32(&list[at + 52]))});
        at += length;
    }
    EXPECT_EQ(at, list.size());
    // HomeNet: open g network on channel 6.
    EXPECT_EQ(seen[0].ssid, "HomeNet");
    EXPECT_EQ(seen[0].privacy, 0u);
    EXPECT_EQ(seen[0].frequency, 2437000u);
    EXPECT_EQ(seen[0].mode, 1u);
    EXPECT_NE(seen[0].lastRate, 0);
    EXPECT_NEAR(seen[0].rssi, -48, 2);
    // VexaLab: WEP, b only (first rate 1 Mbit/s basic, eighth empty).
    EXPECT_EQ(seen[1].privacy, 1u);
    EXPECT_EQ(seen[1].firstRate, 0x82);
    EXPECT_EQ(seen[1].lastRate, 0);
    // PartyNet is ad hoc; Backroom hides its SSID; Campus5G is at 5 GHz.
    EXPECT_EQ(seen[4].ssid, "PartyNet");
    EXPECT_EQ(seen[4].mode, 0u);
    EXPECT_EQ(seen[5].ssid, "");
    EXPECT_EQ(seen[6].frequency, 5180000u);
    // vexa: the open infrastructure network the factory settings join.
    EXPECT_EQ(seen[7].ssid, "vexa");
    EXPECT_EQ(seen[7].privacy, 0u);
    EXPECT_EQ(seen[7].mode, 1u);
    EXPECT_EQ(seen[7].frequency, 2457000u);   // channel 10
}

TEST_F(SimListTest, HiddenNetworksHaveAZeroFirstSsidByteAndTheAlternativeShortStatus) {
    SimScenario s = ParseScenario("[Driver]\nBssidListShortStatus=INVALID_LENGTH\n"
                                  "[Adapter]\nDeviceName=\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}\n"
                                  "Description=P\n[Network]\nSsid=Secret\nHidden=1\n[Network]\nSsid=Gone\nInRange=0\n");
    sim.SetScenario(s);
    Reply r = Query(OID_802_11_BSSID_LIST, 4);
    EXPECT_EQ(r.status, NDIS_STATUS_INVALID_LENGTH);
    const std::vector<uint8_t> list = BssidList();
    ASSERT_EQ(Le32(list.data()), 1u);
    EXPECT_EQ(list[4 + 16], 0);
}

// ---- Association -------------------------------------------------------------------------

using SimLinkTest = SimTest;

TEST_F(SimLinkTest, AnOpenNetworkIsJoinedAfterTheDelay) {
    ASSERT_EQ(SetSsid("HomeNet"), NDIS_STATUS_SUCCESS);
    EXPECT_FALSE(Connected());
    sim.AdvanceClock(799);
    EXPECT_FALSE(Connected());
    sim.AdvanceClock(1);
    EXPECT_TRUE(Connected());
    EXPECT_EQ(LinkSsid(), "HomeNet");
    Reply bssid = Query(OID_802_11_BSSID, 8);
    ASSERT_EQ(bssid.status, NDIS_STATUS_SUCCESS);
    EXPECT_EQ(std::vector<uint8_t>(bssid.bytes.begin(), bssid.bytes.begin() + 6),
              (std::vector<uint8_t>{0x00, 0x14, 0xBF, 0x3A, 0x60, 0x01}));
    EXPECT_EQ(QueryU32(OID_GEN_LINK_SPEED), 540000u);
    for (int i = 0; i < 20; ++i) EXPECT_NEAR(static_cast<int32_t>(QueryU32(OID_802_11_RSSI)), -48, 2);
    Reply cfg = Query(OID_802_11_CONFIGURATION, 32);
    EXPECT_EQ(Le32(cfg.bytes.data() + 12), 2437000u);
}

TEST_F(SimLinkTest, ABOnlyNetworkLinksAt11Mbps) {
    SetSsid("CoffeeShop");
    sim.AdvanceClock(1000);
    ASSERT_TRUE(Connected());
    EXPECT_EQ(QueryU32(OID_GEN_LINK_SPEED), 110000u);
}

TEST_F(SimLinkTest, WepNetworksNeedTheRightKeyAndAuthentication) {
    SetU32(OID_802_11_AUTHENTICATION_MODE, Ndis802_11AuthModeOpen);
    ASSERT_EQ(AddKey(0, {0x12, 0x34, 0x56, 0x78, 0x91}), NDIS_STATUS_SUCCESS);  // wrong key
    SetU32(OID_802_11_WEP_STATUS, Ndis802_11WEPEnabled);
    SetSsid("VexaLab");
    sim.AdvanceClock(2000);
    EXPECT_FALSE(Connected());

    ASSERT_EQ(AddKey(0, {0x12, 0x34, 0x56, 0x78, 0x90}), NDIS_STATUS_SUCCESS);
    SetSsid("VexaLab");
    sim.AdvanceClock(1000);
    EXPECT_TRUE(Connected());

    // Office128 wants shared-key authentication with its 128-bit key.
    const std::vector<uint8_t> key128{0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F, 0x60, 0x71, 0x82, 0x93, 0xA4, 0xB5, 0xC6};
    AddKey(2, key128);
    SetSsid("Office128");
    sim.AdvanceClock(1000);
    EXPECT_FALSE(Connected());
    SetU32(OID_802_11_AUTHENTICATION_MODE, Ndis802_11AuthModeShared);
    SetSsid("Office128");
    sim.AdvanceClock(1000);
    EXPECT_TRUE(Connected());

    // WEP switched on is no way into an open network.
    SetSsid("HomeNet");
    sim.AdvanceClock(1000);
    EXPECT_FALSE(Connected());
}

TEST_F(SimLinkTest, TheNetworkTypeMustMatch) {
    SetU32(OID_802_11_INFRASTRUCTURE_MODE, Ndis802_11Infrastructure);
    SetSsid("PartyNet");
    sim.AdvanceClock(1000);
    EXPECT_FALSE(Connected());
    SetU32(OID_802_11_INFRASTRUCTURE_MODE, Ndis802_11IBSS);
    SetSsid("PartyNet");
    sim.AdvanceClock(1000);
    ASSERT_TRUE(Connected());
    EXPECT_EQ(Query(OID_802_11_BSSID, 8).bytes[5], 0x05);  // joined the peer
}

TEST_F(SimLinkTest, AnAdHocSsidWithNoPeerIsStartedOnTheChosenChannel) {
    SetU32(OID_802_11_INFRASTRUCTURE_MODE, Ndis802_11IBSS);
    Reply cfg = Query(OID_802_11_CONFIGURATION, 32);
    std::vector<uint8_t> c = cfg.bytes;
    const uint32_t channel3 = 2422000;
    std::memcpy(c.data() + 12, &channel3, 4);
    ASSERT_EQ(Set(OID_802_11_CONFIGURATION, c.data(), 32), NDIS_STATUS_SUCCESS);
    SetSsid("MyOwnIbss");
    sim.AdvanceClock(1000);
    ASSERT_TRUE(Connected());
    EXPECT_EQ(LinkSsid(), "MyOwnIbss");
    EXPECT_EQ(Query(OID_802_11_BSSID, 8).bytes[0] & 0x02, 0x02);  // locally administered
    EXPECT_EQ(Le32(Query(OID_802_11_CONFIGURATION, 32).bytes.data() + 12), channel3);
    const uint32_t bad = 2413000;
    std::memcpy(c.data() + 12, &bad, 4);
    EXPECT_EQ(Set(OID_802_11_CONFIGURATION, c.data(), 32), NDIS_STATUS_INVALID_DATA);
}

TEST_F(SimLinkTest, AHiddenNetworkIsReachedByItsName) {
    SetSsid("Backroom");
    sim.AdvanceClock(1000);
    EXPECT_TRUE(Connected());
}

TEST_F(SimLinkTest, TheTwoPointFourGigahertzRadioNeverJoinsAFiveGigahertzNetwork) {
    SetSsid("Campus5G");
    sim.AdvanceClock(3000);
    EXPECT_FALSE(Connected());
    EXPECT_EQ(Query(OID_802_11_BSSID, 8).status, NDIS_STATUS_ADAPTER_NOT_READY);
}

TEST_F(SimLinkTest, DisassociateDropsTheLinkForGood) {
    SetSsid("HomeNet");
    sim.AdvanceClock(1000);
    ASSERT_TRUE(Connected());
    ASSERT_EQ(SetU32(OID_802_11_DISASSOCIATE, 0), NDIS_STATUS_SUCCESS);
    EXPECT_FALSE(Connected());
    sim.AdvanceClock(5000);
    EXPECT_FALSE(Connected());
}

TEST_F(SimLinkTest, ANetworkLeavingTheRangeDropsTheLinkAndItsReturnRestoresIt) {
    SetSsid("HomeNet");
    sim.AdvanceClock(1000);
    ASSERT_TRUE(Connected());
    SimScenario away = DefaultScenario();
    away.networks[0].inRange = false;
    sim.SetScenario(away);
    EXPECT_FALSE(Connected());
    sim.AdvanceClock(3000);
    EXPECT_FALSE(Connected());
    sim.SetScenario(DefaultScenario());
    EXPECT_FALSE(Connected());
    sim.AdvanceClock(800);
    EXPECT_TRUE(Connected());
}

TEST_F(SimLinkTest, AnAdapterPluggedInAgainStartsAfreshWithoutALink) {
    SetSsid("HomeNet");
    sim.AdvanceClock(2000);
    ASSERT_TRUE(Connected());
    ASSERT_GT(QueryU32(OID_GEN_XMIT_OK), 0u);

    SimScenario unplugged = DefaultScenario();
    unplugged.adapters[1].present = false;
    sim.SetScenario(unplugged);
    EXPECT_EQ(Query(OID_GEN_MEDIA_CONNECT_STATUS, 4).status, NDIS_STATUS_ADAPTER_NOT_READY);
    EXPECT_EQ(sim.Driver().AdapterState(ProductName()), nullptr);

    // Back in: the driver starts from nothing. No link until the program asks for one
    // again, and the counters begin at zero.
    sim.SetScenario(DefaultScenario());
    adapter = sim.OpenAdapter(ProductName());
    ASSERT_NE(adapter, kNoHandle);
    sim.AdvanceClock(2000);
    EXPECT_FALSE(Connected());
    EXPECT_EQ(LinkSsid(), "");
    EXPECT_EQ(QueryU32(OID_GEN_XMIT_OK), 0u);
    EXPECT_EQ(QueryU32(OID_GEN_RCV_OK), 0u);
    SetSsid("HomeNet");
    sim.AdvanceClock(800);
    EXPECT_TRUE(Connected());
}

TEST_F(SimLinkTest, FramesAndBytesAreCountedOnlyWhileTheLinkIsUp) {
    sim.AdvanceClock(5000);
    EXPECT_EQ(QueryU32(OID_GEN_XMIT_OK), 0u);
    SetSsid("HomeNet");
    sim.AdvanceClock(800 + 10000);
    const uint32_t xmit = QueryU32(OID_GEN_XMIT_OK), rcv = QueryU32(OID_GEN_RCV_OK);
    // 100 steps of 100 ms: at least 2 frames out and 3 in per step.
    EXPECT_GE(xmit, 200u);
    EXPECT_GE(rcv, 300u);
    SetU32(OID_802_11_DISASSOCIATE, 0);
    sim.AdvanceClock(10000);
    EXPECT_EQ(QueryU32(OID_GEN_XMIT_OK), xmit);
}

// ---- Private channel ------------------------------------------------------------------

class SimPrivateTest : public SimTest {
protected:
    std::vector<uint8_t> packet;
    void Build(uint32_t command) {
        packet.assign(15392, 0);
        std::memcpy(packet.data(), "YA6I", 4);
        packet[4] = 0x10;
        packet[5] = 0x3C;
        const uint32_t magic = 0x55AA55EE, trailer = 0xAA55AA11, status = 4;
        std::memcpy(packet.data() + 8, &magic, 4);
        std::memcpy(packet.data() + 12, &command, 4);
        std::memcpy(packet.data() + 16, &status, 4);
        std::memcpy(packet.data() + 15388, &trailer, 4);
    }
    uint32_t Send() {
        NdisRequest q;
        q.oid = 0xFFA0C90A;
        q.buffer = packet.data();
        q.bufferLength = static_cast<uint32_t>(packet.size());
        return sim.MakeNdisRequest(adapter, q, 0);
    }
    uint32_t Word(int i) const { return Le32(packet.data() + 12 + 4 * i); }
};

TEST_F(SimPrivateTest, KnownCommandsAreAnsweredWithStatusTwo) {
    SetSsid("HomeNet");
    sim.AdvanceClock(3000);
    Build(353);
    ASSERT_EQ(Send(), NDIS_STATUS_SUCCESS);
    EXPECT_EQ(Word(1), 2u);
    EXPECT_GE(Word(2), 20u);  // -48 dBm is a strong signal
    EXPECT_LE(Word(2), 25u);
    Build(880);
    ASSERT_EQ(Send(), NDIS_STATUS_SUCCESS);
    EXPECT_EQ(Word(1), 2u);
    EXPECT_GT(Word(7), 0u);
    EXPECT_GT(Word(13), 0u);
    Build(2193);
    ASSERT_EQ(Send(), NDIS_STATUS_SUCCESS);
    EXPECT_EQ(Word(2), 0x10u);
    Build(16);
    ASSERT_EQ(Send(), NDIS_STATUS_SUCCESS);
    EXPECT_EQ(Word(4), 1u);
    EXPECT_EQ(Word(7), 12u);
    Build(0x4242);
    ASSERT_EQ(Send(), NDIS_STATUS_SUCCESS);
    EXPECT_EQ(Word(1), 3u);
}

TEST_F(SimPrivateTest, MalformedPacketsAreRefusedAndLeftAlone) {
    const size_t spots[] = {0, 3, 4, 6, 8, 11, 15388, 15391};
    for (size_t spot : spots) {
        Build(16);
        packet[spot] ^= 0x40;
        const std::vector<uint8_t> before = packet;
        EXPECT_EQ(Send(), NDIS_STATUS_INVALID_DATA) << spot;
        EXPECT_EQ(packet, before) << spot;
    }
    Build(16);
    packet.resize(15391);
    EXPECT_EQ(Send(), NDIS_STATUS_INVALID_LENGTH);
}

}  // namespace
