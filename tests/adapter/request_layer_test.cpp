// Query and set requests: lazy open, the BSSID-list status exception, bytes-needed and
// bytes-written only on success, and replies the driver gets wrong.
#include "adapter/ndis_sets.h"
#include "adapter_fixture.h"
#include "scripted_library.h"

namespace {

using RequestTest = ProductTest;

TEST_F(RequestTest, TheFirstRequestOpensTheAdapterByDeviceNameAndKeepsItOpen) {
    uint32_t mode = 0, needed = kUntouched;
    ASSERT_TRUE(product().QueryInformation(OID_802_11_INFRASTRUCTURE_MODE, &mode, 4, &needed));
    EXPECT_EQ(mode, Ndis802_11Infrastructure);
    EXPECT_EQ(needed, 0u);
    ASSERT_TRUE(product().QueryInformation(OID_802_11_INFRASTRUCTURE_MODE, &mode, 4, &needed));
    EXPECT_EQ(sim.OpenAdapterCalls(), 1);
    EXPECT_EQ(sim.EventsCreated(), 1);
    EXPECT_EQ(sim.EventNames().front(), "");  // the request event is unnamed
    ASSERT_EQ(sim.RequestLog().size(), 2u);
    EXPECT_EQ(sim.RequestLog()[0].deviceName, ProductName());
    EXPECT_EQ(sim.RequestLog()[0].type, 0u);
    EXPECT_EQ(sim.RequestLog()[0].length, 4u);
}

TEST_F(RequestTest, ARequestAfterTheProbeReopensTheAdapter) {
    ASSERT_TRUE(product().IsUsable());
    EXPECT_EQ(sim.AdaptersOpen(), 0);
    uint32_t v = 0;
    EXPECT_TRUE(product().QueryInformation(OID_GEN_MEDIA_CONNECT_STATUS, &v, 4, nullptr));
    EXPECT_EQ(sim.OpenAdapterCalls(), 2);
    EXPECT_EQ(sim.RequestLog().back().deviceName, ProductName());
}

TEST_F(RequestTest, BssidListQueryWithASmallBufferReportsTheSizeNeeded) {
    uint32_t small = 0, needed = 0;
    ASSERT_TRUE(product().QueryInformation(OID_802_11_BSSID_LIST, &small, 4, &needed));
    EXPECT_EQ(sim.RequestLog().back().status, NDIS_STATUS_BUFFER_TOO_SHORT);
    EXPECT_GT(needed, 4u);

    std::vector<uint8_t> list(needed);
    uint32_t again = kUntouched;
    ASSERT_TRUE(product().QueryInformation(OID_802_11_BSSID_LIST, list.data(), needed, &again));
    uint32_t count;
    std::memcpy(&count, list.data(), 4);
    EXPECT_EQ(count, 8u);

    SimScenario s = DefaultScenario();
    s.bssidListShortStatus = NDIS_STATUS_INVALID_LENGTH;
    sim.SetScenario(s);
    needed = 0;
    EXPECT_TRUE(product().QueryInformation(OID_802_11_BSSID_LIST, &small, 4, &needed));
    EXPECT_EQ(sim.RequestLog().back().status, NDIS_STATUS_INVALID_LENGTH);
    EXPECT_EQ(needed, list.size());
}

TEST_F(RequestTest, TooShortAnswersCountAsFailureOnEveryOtherRequest) {
    ScriptedLibrary lib(sim);
    lib.answer = [](NdisRequest& r, uint32_t& status) {
        r.bytesNeeded = 36;
        status = (r.oid == OID_802_11_SSID) ? NDIS_STATUS_BUFFER_TOO_SHORT : NDIS_STATUS_INVALID_LENGTH;
        return true;
    };
    AdapterContext ctx(lib, desktop);
    QAdapterList l(ctx);
    QAdapterInfo* a = l.FindByDeviceName(ProductName());
    uint8_t buffer[36] = {};
    uint32_t needed = kUntouched;
    EXPECT_FALSE(a->QueryInformation(OID_802_11_SSID, buffer, 4, &needed));
    EXPECT_FALSE(a->QueryInformation(OID_GEN_LINK_SPEED, buffer, 2, &needed));
    // A set of the list OID gets no exception either.
    EXPECT_FALSE(a->SetInformation(OID_802_11_BSSID_LIST, buffer, 4, &needed));
    EXPECT_EQ(needed, kUntouched);
}

TEST_F(RequestTest, TheDriversCountersAreHandedBackOnlyOnSuccess) {
    uint32_t v = 0, needed = kUntouched, written = kUntouched;
    EXPECT_FALSE(product().QueryInformation(0x00FFFF01, &v, 4, &needed, &written));  // unknown OID
    EXPECT_EQ(needed, kUntouched);
    EXPECT_EQ(written, kUntouched);
    uint8_t two[2] = {};
    EXPECT_FALSE(product().QueryInformation(OID_GEN_XMIT_OK, two, 2, &needed, &written));
    EXPECT_EQ(sim.RequestLog().back().status, NDIS_STATUS_INVALID_LENGTH);
    EXPECT_EQ(needed, kUntouched);
    EXPECT_EQ(written, kUntouched);

    uint8_t mac[8] = {};
    ASSERT_TRUE(product().QueryInformation(OID_802_3_CURRENT_ADDRESS, mac, 8, &needed, &written));
    EXPECT_EQ(written, 6u);  // the address, not the buffer
    const NDIS_802_11_SSID ssid = Ssid("HomeNet");
    uint32_t read = kUntouched;
    ASSERT_TRUE(product().SetInformation(OID_802_11_SSID, &ssid, sizeof ssid, &needed, &read));
    EXPECT_EQ(read, sizeof ssid);
}

TEST_F(RequestTest, SetsHandOverTheirBytesUnchanged) {
    const NDIS_802_11_SSID ssid = Ssid("HomeNet");
    ASSERT_TRUE(product().SetInformation(OID_802_11_SSID, &ssid, sizeof ssid, nullptr));
    const SimRequestLogEntry& e = sim.RequestLog().back();
    EXPECT_EQ(e.type, 1u);
    EXPECT_EQ(e.oid, OID_802_11_SSID);
    ASSERT_EQ(e.bytes.size(), 36u);
    EXPECT_EQ(std::memcmp(e.bytes.data(), &ssid, 36), 0);

    // The scan request: length 0 with a zeroed 32-bit value as buffer.
    uint32_t zero = 0;
    ASSERT_TRUE(product().SetInformation(OID_802_11_BSSID_LIST_SCAN, &zero, 0, nullptr));
    EXPECT_EQ(sim.RequestLog().back().oid, OID_802_11_BSSID_LIST_SCAN);
    EXPECT_EQ(sim.RequestLog().back().length, 0u);
    EXPECT_TRUE(sim.RequestLog().back().bytes.empty());
}

// The WEP key record goes out only whole: a key of 5 or 13 bytes behind a header whose
// Length is what is sent.
TEST_F(RequestTest, AWepKeyGoesOutOnlyWithAKeyOfFiveOrThirteenBytes) {
    for (uint32_t bytes : {0u, 4u, 5u, 6u, 12u, 13u, 14u, 29u}) {
        sim.ClearRequestLog();
        const bool whole = bytes == kWepKey64Bytes || bytes == kWepKey128Bytes;
        EXPECT_EQ(AddWep(product(), NDIS_802_11_WEP_TRANSMIT_KEY + 2, std::vector<uint8_t>(bytes, 0xA5)), whole);
        if (!whole) {
            EXPECT_TRUE(sim.RequestLog().empty()) << bytes;
            continue;
        }
        const SimRequestLogEntry& e = sim.RequestLog().back();
        EXPECT_EQ(e.oid, OID_802_11_ADD_WEP);
        ASSERT_EQ(e.bytes.size(), NDIS_802_11_WEP_HEADER_SIZE + bytes);
        NDIS_802_11_WEP_HEADER header{};
        std::memcpy(&header, e.bytes.data(), sizeof header);
        EXPECT_EQ(header.Length, NDIS_802_11_WEP_HEADER_SIZE + bytes);
        EXPECT_EQ(header.KeyIndex, NDIS_802_11_WEP_TRANSMIT_KEY + 2);
        EXPECT_EQ(header.KeyLength, bytes);
        EXPECT_EQ(std::vector<uint8_t>(e.bytes.begin() + NDIS_802_11_WEP_HEADER_SIZE, e.bytes.end()),
                  std::vector<uint8_t>(bytes, 0xA5));
    }
}

TEST_F(RequestTest, AFailedOpenOrEventFailsTheRequestAndIsRetriedNextTime) {
    SimScenario s = DefaultScenario();
    s.adapters[1].openFails = true;
    sim.SetScenario(s);
    uint32_t v = 0;
    EXPECT_FALSE(product().QueryInformation(OID_GEN_RCV_OK, &v, 4, nullptr));
    EXPECT_EQ(product().adapterHandle, kNoHandle);
    EXPECT_TRUE(sim.RequestLog().empty());

    sim.SetScenario(DefaultScenario());
    sim.FailNextEvents(1);
    EXPECT_FALSE(product().QueryInformation(OID_GEN_RCV_OK, &v, 4, nullptr));
    EXPECT_EQ(product().requestEvent, 0u);
    EXPECT_TRUE(sim.RequestLog().empty());

    EXPECT_TRUE(product().QueryInformation(OID_GEN_RCV_OK, &v, 4, nullptr));
    EXPECT_NE(product().requestEvent, 0u);
    EXPECT_EQ(sim.OpenAdapterCalls(), 2);  // failed once, then opened and kept
}

TEST_F(RequestTest, AnUnpluggedAdapterFailsItsRequests) {
    uint32_t v = 0;
    ASSERT_TRUE(product().QueryInformation(OID_GEN_RCV_OK, &v, 4, nullptr));
    SimScenario s = DefaultScenario();
    s.adapters[1].present = false;
    sim.SetScenario(s);
    EXPECT_FALSE(product().QueryInformation(OID_GEN_RCV_OK, &v, 4, nullptr));
    EXPECT_EQ(sim.RequestLog().back().status, NDIS_STATUS_ADAPTER_NOT_READY);
}

// ---- Replies that do not keep to the rules ------------------------------------------

TEST_F(RequestTest, AnSsidRecordClaimingMoreThan32BytesIsCutAtTheRecord) {
    ScriptedLibrary lib(sim);
    lib.answer = [](NdisRequest& r, uint32_t& status) {
        if (r.oid != OID_802_11_SSID || r.requestType != 0) return false;
        NDIS_802_11_SSID lie{};
        lie.SsidLength = 0x7FFFFFFF;
        std::memset(lie.Ssid, 'x', 32);
        std::memcpy(r.buffer, &lie, sizeof lie);
        r.bytesWritten = 36;
        status = 0;
        return true;
    };
    AdapterContext ctx(lib, desktop);
    QAdapterList l(ctx);
    QAdapterInfo* a = l.FindByDeviceName(ProductName());
    ASSERT_TRUE(a->IsUsable());
    EXPECT_EQ(a->GetSsidText(), std::string(32, 'x'));
    ASSERT_TRUE(a->RefreshStatus());
    EXPECT_EQ(a->GetSsidText(), std::string(32, 'x'));
}

}  // namespace
