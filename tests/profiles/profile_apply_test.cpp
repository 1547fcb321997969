// The request sequences that apply a stored profile to the adapter: OIDs, order,
// lengths and bytes, as the driver receives them.
#include <gtest/gtest.h>

#include <cstring>

#include "adapter/adapter_context.h"
#include "adapter/q_adapter_info.h"
#include "profiles/memory_settings_store.h"
#include "profiles/profile_apply.h"
#include "profiles/profile_store.h"
#include "profiles/wep_key_fields.h"
#include "support/fake_controls.h"
#include "support/fake_desktop.h"
#include "support/recording_adapter_library.h"

namespace {

using Oids = std::vector<uint32_t>;
using Bytes = std::vector<uint8_t>;

class ApplyTest : public ::testing::Test {
protected:
    void SetUp() override {
        // An infrastructure profile with WEP off, as the editor stores one.
        profile({{"SSID", "homenet"}, {"OperationMode", "0"}, {"Channel", "11"}, {"Authentication", "1"},
                 {"WepEnabled", "0"}, {"1X", "0"}, {"KeyIndex", "1"}, {"Key1Length", "0"},
                 {"Key2Length", "0"}, {"Key3Length", "0"}, {"Key4Length", "0"}, {"KeyFormat", "0"},
                 {"Key1", ""}, {"Key2", ""}, {"Key3", ""}, {"Key4", ""}});
    }
    void profile(const std::vector<std::pair<std::string, std::string>>& values, const std::string& name = "P") {
        for (const auto& v : values) settings.writeValue(name, v.first, v.second);
    }
    const RecordingAdapterLibrary::Request& req(size_t i) const { return lib.log.at(i); }
    // Checks a 4-byte set request.
    void expectSet(size_t i, uint32_t oid, uint32_t value) const {
        ASSERT_LT(i, lib.log.size());
        EXPECT_EQ(req(i).type, NdisRequestSetInformation) << i;
        EXPECT_EQ(req(i).oid, oid) << std::hex << i;
        EXPECT_EQ(req(i).length, 4u) << i;
        EXPECT_EQ(req(i).u32(), value) << i;
    }
    void expectSsid(size_t i, const std::string& ssid) const {
        ASSERT_LT(i, lib.log.size());
        EXPECT_EQ(req(i).oid, OID_802_11_SSID);
        EXPECT_EQ(req(i).type, NdisRequestSetInformation);
        ASSERT_EQ(req(i).length, 36u);
        Bytes expected(36, 0);
        expected[0] = static_cast<uint8_t>(ssid.size());
        std::memcpy(expected.data() + 4, ssid.data(), ssid.size());
        EXPECT_EQ(req(i).bytes, expected);
    }
    void expectAddWep(size_t i, uint32_t keyIndex, const Bytes& key) const {
        ASSERT_LT(i, lib.log.size());
        EXPECT_EQ(req(i).oid, OID_802_11_ADD_WEP);
        EXPECT_EQ(req(i).type, NdisRequestSetInformation);
        const uint32_t length = 12 + static_cast<uint32_t>(key.size());
        ASSERT_EQ(req(i).length, length);
        Bytes expected(length, 0);
        const uint32_t header[3] = {length, keyIndex, static_cast<uint32_t>(key.size())};
        std::memcpy(expected.data(), header, 12);
        std::memcpy(expected.data() + 12, key.data(), key.size());
        EXPECT_EQ(req(i).bytes, expected);
    }
    void expectRemovals(size_t first, int count) const {
        for (int s = 0; s < count; ++s) expectSet(first + s, OID_802_11_REMOVE_WEP, static_cast<uint32_t>(s));
    }

    MemorySettingsStore settings;
    ProfileStore store{settings};
    FakeDesktop desktop;
    RecordingAdapterLibrary lib;
    AdapterContext adapterContext{lib, desktop};
    QAdapterInfo adapter{adapterContext};
    ApplyContext context{store, &adapter, desktop};
};

TEST_F(ApplyTest, InfrastructureWithoutWep) {
    applyProfile(context, "P");
    EXPECT_EQ(lib.oids(), (Oids{OID_802_11_INFRASTRUCTURE_MODE, OID_802_11_DISASSOCIATE,
                                OID_802_11_AUTHENTICATION_MODE, OID_802_11_WEP_STATUS, OID_802_11_SSID}));
    expectSet(0, OID_802_11_INFRASTRUCTURE_MODE, Ndis802_11Infrastructure);
    EXPECT_EQ(req(1).length, 4u);
    expectSet(2, OID_802_11_AUTHENTICATION_MODE, Ndis802_11AuthModeShared);
    expectSet(3, OID_802_11_WEP_STATUS, Ndis802_11WEPDisabled);
    expectSsid(4, "homenet");
    EXPECT_EQ(settings.readValue("ActiveSetting", "Channel", ""), "11");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(ApplyTest, AdHocSetsTheChannelInTheDriversConfiguration) {
    profile({{"OperationMode", "1"}, {"Channel", "6"}});
    lib.configuration = {32, 100, 5, 2412000, {32, 1, 2, 3}};
    applyProfile(context, "P");
    ASSERT_EQ(lib.oids(), (Oids{OID_802_11_INFRASTRUCTURE_MODE, OID_802_11_CONFIGURATION,
                                OID_802_11_CONFIGURATION, OID_802_11_DISASSOCIATE, OID_802_11_AUTHENTICATION_MODE,
                                OID_802_11_WEP_STATUS, OID_802_11_SSID}));
    expectSet(0, OID_802_11_INFRASTRUCTURE_MODE, Ndis802_11IBSS);
    EXPECT_EQ(req(1).type, NdisRequestQueryInformation);
    EXPECT_EQ(req(1).length, 32u);
    EXPECT_EQ(req(2).type, NdisRequestSetInformation);
    ASSERT_EQ(req(2).length, 32u);
    NDIS_802_11_CONFIGURATION expected{32, 100, 5, 2437000, {32, 1, 2, 3}};
    EXPECT_EQ(std::memcmp(req(2).bytes.data(), &expected, 32), 0) << "only DSConfig changes";
    EXPECT_EQ(settings.readValue("ActiveSetting", "Channel", ""), "6");
}

TEST_F(ApplyTest, AdHocConfigurationQueryFailingSkipsOnlyTheSet) {
    profile({{"OperationMode", "1"}, {"Channel", "14"}});
    lib.statusForOid[OID_802_11_CONFIGURATION] = NDIS_STATUS_NOT_SUPPORTED;
    applyProfile(context, "P");
    EXPECT_EQ(lib.oids(), (Oids{OID_802_11_INFRASTRUCTURE_MODE, OID_802_11_CONFIGURATION, OID_802_11_DISASSOCIATE,
                                OID_802_11_AUTHENTICATION_MODE, OID_802_11_WEP_STATUS, OID_802_11_SSID}));
}

TEST_F(ApplyTest, AdHocChannelOutsideThePlanKeepsTheDriversFrequency) {
    profile({{"OperationMode", "1"}, {"Channel", "15"}});
    applyProfile(context, "P");
    ASSERT_EQ(req(2).oid, OID_802_11_CONFIGURATION);
    NDIS_802_11_CONFIGURATION sent{};
    std::memcpy(&sent, req(2).bytes.data(), 32);
    EXPECT_EQ(sent.DSConfig, 2412000u);
}

TEST_F(ApplyTest, Wep64HexDefaultKey2) {
    profile({{"WepEnabled", "1"}, {"KeyIndex", "2"}, {"Key2", "0a1B2c3D4e"}, {"Key1", "ffffffffff"}});
    EXPECT_EQ(applyProfile(context, "P"), KeyOutcome::Sent);
    ASSERT_EQ(lib.log.size(), 3u + 4 + 1 + 2);
    expectRemovals(3, 4);
    expectAddWep(7, 0x80000001u, {0x0A, 0x1B, 0x2C, 0x3D, 0x4E});
    expectSet(8, OID_802_11_WEP_STATUS, Ndis802_11WEPEnabled);
    expectSsid(9, "homenet");
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(ApplyTest, Wep128AsciiKey1IsSentAsItsCharacterCodes) {
    profile({{"WepEnabled", "1"}, {"KeyIndex", "1"}, {"KeyFormat", "1"}, {"Key1Length", "1"},
             {"Key1", "Secret-Key13!"}});
    applyProfile(context, "P");
    ASSERT_EQ(lib.log.size(), 10u);
    const std::string k = "Secret-Key13!";
    expectAddWep(7, 0x80000000u, Bytes(k.begin(), k.end()));
}

TEST_F(ApplyTest, AsciiCharactersAbove127BecomeTheirByteValues) {
    profile({{"WepEnabled", "1"}, {"KeyFormat", "1"}, {"Key1", "\xE9\xFF" "abc"}});
    applyProfile(context, "P");
    ASSERT_EQ(lib.log.size(), 10u);
    expectAddWep(7, 0x80000000u, {0xE9, 0xFF, 'a', 'b', 'c'});
}

TEST_F(ApplyTest, MissingWepEnabledCountsAsOn) {
    settings.deleteSection("P");
    profile({{"SSID", "x"}, {"KeyIndex", "1"}, {"Key1", "1122334455"}});
    applyProfile(context, "P");
    EXPECT_EQ(lib.oids(), (Oids{OID_802_11_INFRASTRUCTURE_MODE, OID_802_11_DISASSOCIATE,
                                OID_802_11_AUTHENTICATION_MODE, OID_802_11_REMOVE_WEP, OID_802_11_REMOVE_WEP,
                                OID_802_11_REMOVE_WEP, OID_802_11_REMOVE_WEP, OID_802_11_ADD_WEP,
                                OID_802_11_WEP_STATUS, OID_802_11_SSID}));
    expectSet(8, OID_802_11_WEP_STATUS, Ndis802_11WEPEnabled);
}

TEST_F(ApplyTest, RejectedKeyRemovalStopsTheKeyAndTellsTheUser) {
    profile({{"WepEnabled", "1"}, {"Key1", "1122334455"}});
    lib.removeWepStatus[2] = NDIS_STATUS_FAILURE;
    EXPECT_EQ(applyProfile(context, "P"), KeyOutcome::Refused);
    ASSERT_EQ(lib.log.size(), 3u + 3 + 2);
    expectRemovals(3, 3);
    expectSet(6, OID_802_11_WEP_STATUS, Ndis802_11WEPEnabled);
    expectSsid(7, "homenet");
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text,
              "Can't access WLAN driver. Please check\ndriver loaded success or check Key Length\nis correct !");
    EXPECT_EQ(desktop.messages[0].title, "Error");
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Stop);
}

TEST_F(ApplyTest, RejectedKeyAdditionTellsTheUser) {
    profile({{"WepEnabled", "1"}, {"Key1", "1122334455"}});
    lib.statusForOid[OID_802_11_ADD_WEP] = NDIS_STATUS_INVALID_DATA;
    EXPECT_EQ(applyProfile(context, "P"), KeyOutcome::Refused);
    EXPECT_EQ(lib.log.size(), 10u);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, "Error");
}

TEST_F(ApplyTest, EmptyDefaultKeyIsReplacedByTheDefaultOfItsSize) {
    profile({{"WepEnabled", "1"}, {"KeyIndex", "4"}, {"Key4Length", "0"}, {"KeyFormat", "1"}});
    applyProfile(context, "P");
    expectAddWep(7, 0x80000003u, {0x5A, 0x17, 0xC3, 0xE9, 0x0B});
    lib.log.clear();
    profile({{"Key4Length", "1"}});
    applyProfile(context, "P");
    expectAddWep(7, 0x80000003u, {0x3D, 0x8F, 0x02, 0xB6, 0xE4, 0xA1, 0x97, 0x5C, 0x0D, 0x2E, 0x8B, 0x4F, 0x61});
}

TEST_F(ApplyTest, KeyOfTheWrongLengthOrSizeIsDroppedQuietly) {
    profile({{"WepEnabled", "1"}, {"Key1", "11223344"}});  // 8 digits for a 64-bit key
    EXPECT_EQ(applyProfile(context, "P"), KeyOutcome::NotSent);
    EXPECT_EQ(lib.oids(), (Oids{OID_802_11_INFRASTRUCTURE_MODE, OID_802_11_DISASSOCIATE,
                                OID_802_11_AUTHENTICATION_MODE, OID_802_11_WEP_STATUS, OID_802_11_SSID}));
    expectSet(3, OID_802_11_WEP_STATUS, Ndis802_11WEPEnabled);
    lib.log.clear();
    profile({{"Key1", "1122334455"}, {"Key1Length", "2"}});  // a size the lists do not have
    applyProfile(context, "P");
    EXPECT_EQ(lib.log.size(), 5u);
    lib.log.clear();
    profile({{"Key1Length", "0"}, {"KeyIndex", "5"}});  // no such key
    applyProfile(context, "P");
    EXPECT_EQ(lib.log.size(), 5u);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(ApplyTest, SecuritySequenceEndsWithThePrivacyFilter) {
    settings.deleteSection("P");
    profile({{"SSID", "corp"}, {"OperationMode", "1"}, {"Authentication", "0"}, {"WepEnabled", "0"}, {"Channel", "3"}});
    applySecurity(context, "P");
    ASSERT_EQ(lib.oids(), (Oids{OID_802_11_DISASSOCIATE, OID_802_11_INFRASTRUCTURE_MODE,
                                OID_802_11_AUTHENTICATION_MODE, OID_802_11_WEP_STATUS, OID_802_11_SSID,
                                OID_802_11_PRIVACY_FILTER}));
    expectSet(1, OID_802_11_INFRASTRUCTURE_MODE, Ndis802_11IBSS);
    expectSet(2, OID_802_11_AUTHENTICATION_MODE, Ndis802_11AuthModeOpen);
    expectSsid(4, "corp");
    expectSet(5, OID_802_11_PRIVACY_FILTER, Ndis802_11PrivFilter8021xWEP);  // 1X missing
    EXPECT_FALSE(settings.hasValue("ActiveSetting", "Channel"));
    lib.log.clear();
    profile({{"1X", "0"}});
    applySecurity(context, "P");
    expectSet(5, OID_802_11_PRIVACY_FILTER, Ndis802_11PrivFilterAcceptAll);
}

TEST_F(ApplyTest, SecurityWithWepSendsTheKeyBeforeTheFilter) {
    profile({{"WepEnabled", "1"}, {"Key1", "AABBCCDDEE"}, {"1X", "1"}});
    applySecurity(context, "P");
    ASSERT_EQ(lib.log.size(), 3u + 4 + 1 + 2 + 1);
    expectAddWep(7, 0x80000000u, {0xAA, 0xBB, 0xCC, 0xDD, 0xEE});
    expectSet(8, OID_802_11_WEP_STATUS, Ndis802_11WEPEnabled);
    expectSsid(9, "homenet");
    expectSet(10, OID_802_11_PRIVACY_FILTER, Ndis802_11PrivFilter8021xWEP);
}

TEST_F(ApplyTest, SsidFillsAtMostTheRecordsThirtyTwoBytes) {
    const std::string full(32, 'S');
    profile({{"SSID", full}});
    applyProfile(context, "P");
    expectSsid(4, full);
    lib.log.clear();
    profile({{"SSID", std::string(40, 'L')}});  // edited by hand past the limit
    applyProfile(context, "P");
    expectSsid(4, std::string(32, 'L'));
    lib.log.clear();
    profile({{"SSID", ""}});
    applyProfile(context, "P");
    expectSsid(4, "");
}

TEST_F(ApplyTest, StoredTextsMapToRequestValues) {
    EXPECT_EQ(infrastructureModeFor("0"), Ndis802_11Infrastructure);
    EXPECT_EQ(infrastructureModeFor("1"), Ndis802_11IBSS);
    EXPECT_EQ(infrastructureModeFor(""), Ndis802_11Infrastructure);
    EXPECT_EQ(infrastructureModeFor("7"), Ndis802_11Infrastructure);
    EXPECT_EQ(authenticationModeFor("0"), Ndis802_11AuthModeOpen);
    EXPECT_EQ(authenticationModeFor("1"), Ndis802_11AuthModeShared);
    EXPECT_EQ(authenticationModeFor("2"), Ndis802_11AuthModeAutoSwitch);
    EXPECT_EQ(authenticationModeFor(""), Ndis802_11AuthModeOpen);
    EXPECT_EQ(authenticationModeFor("9"), Ndis802_11AuthModeAutoSwitch);
}

TEST_F(ApplyTest, NoAdapterSendsNothingButStillStoresTheChannel) {
    profile({{"WepEnabled", "1"}, {"Key1", "1122334455"}, {"OperationMode", "1"}});
    ApplyContext none{store, nullptr, desktop};
    applyProfile(none, "P");
    applySecurity(none, "P");
    EXPECT_FALSE(addWepKey(none, 0, "1122334455", 1));
    EXPECT_TRUE(lib.log.empty());
    EXPECT_EQ(lib.opens, 0);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(settings.readValue("ActiveSetting", "Channel", ""), "11");
}

TEST_F(ApplyTest, AdapterThatCannotBeOpenedFailsTheKeyButNotTheSequence) {
    profile({{"WepEnabled", "1"}, {"Key1", "1122334455"}});
    lib.openFails = true;
    applyProfile(context, "P");
    EXPECT_TRUE(lib.log.empty());
    EXPECT_EQ(desktop.messages.size(), 1u);  // the driver could not be reached for the key
    EXPECT_EQ(settings.readValue("ActiveSetting", "Channel", ""), "11");
}

TEST_F(ApplyTest, AddWepKeyWithAnUnknownSizeOnlyRemoves) {
    EXPECT_TRUE(addWepKey(context, 2, "1122334455", 1));
    EXPECT_EQ(lib.oids(), (Oids(4, OID_802_11_REMOVE_WEP)));
    EXPECT_TRUE(removeWepKey(context, 3));
    expectSet(4, OID_802_11_REMOVE_WEP, 3);
}

}  // namespace
