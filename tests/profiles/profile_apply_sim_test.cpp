// Applying profiles to the simulated adapter: the driver sees the documented sequence
// and associates when the profile fits a network in range.
#include <gtest/gtest.h>

#include "profiles/profile_apply.h"
#include "support/sim_bench.h"

namespace {

class ApplySimTest : public ::testing::Test, public SimBench {
protected:
    void SetUp() override {
        ASSERT_NE(adapter, nullptr);
        ASSERT_TRUE(polled);
    }
    // Lets the simulated association delay pass, then reads the link.
    bool linkUp() {
        desktop.now += 5000;
        adapter->RefreshStatus();
        return adapter->mediaState == NdisMediaStateConnected;
    }
    std::vector<uint32_t> sentOids() const {
        std::vector<uint32_t> out;
        for (const auto& e : sim.RequestLog())
            if (e.oid != OID_PRIVATE_COMMAND) out.push_back(e.oid);
        return out;
    }
};

TEST_F(ApplySimTest, OpenNetworkAssociates) {
    profile("Home", {{"SSID", "HomeNet"}, {"OperationMode", "0"}, {"Authentication", "0"}, {"WepEnabled", "0"}});
    ApplyContext context{store, adapter, desktop};
    applyProfile(context, "Home");
    EXPECT_EQ(sentOids(), (std::vector<uint32_t>{OID_802_11_INFRASTRUCTURE_MODE, OID_802_11_DISASSOCIATE,
                                                 OID_802_11_AUTHENTICATION_MODE, OID_802_11_WEP_STATUS,
                                                 OID_802_11_SSID}));
    for (const auto& e : sim.RequestLog()) EXPECT_EQ(e.status, 0u) << std::hex << e.oid;
    EXPECT_TRUE(linkUp());
    EXPECT_EQ(adapter->GetSsidText(), "HomeNet");
}

TEST_F(ApplySimTest, WepNetworkAssociatesOnlyWithItsKey) {
    profile("Lab", {{"SSID", "VexaLab"}, {"OperationMode", "0"}, {"Authentication", "2"}, {"WepEnabled", "1"},
                    {"KeyIndex", "2"}, {"Key2Length", "0"}, {"KeyFormat", "0"}, {"Key2", "1234567890"}});
    ApplyContext context{store, adapter, desktop};
    applyProfile(context, "Lab");
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_TRUE(linkUp());

    profile("Lab", {{"Key2", "1234567891"}});
    applyProfile(context, "Lab");
    EXPECT_FALSE(linkUp());
}

TEST_F(ApplySimTest, AsciiKeyReachesTheDriverAsItsCharacterCodes) {
    // Office128's key is 0A1B2C3D4E5F60718293A4B5C6; no ASCII text spells it, so the
    // ASCII key must fail to associate while its hex spelling succeeds.
    profile("Office", {{"SSID", "Office128"}, {"Authentication", "1"}, {"WepEnabled", "1"}, {"KeyIndex", "1"},
                       {"Key1Length", "1"}, {"KeyFormat", "0"}, {"Key1", "0a1b2c3d4e5f60718293a4b5c6"}});
    ApplyContext context{store, adapter, desktop};
    applyProfile(context, "Office");
    EXPECT_TRUE(linkUp());
    profile("Office", {{"KeyFormat", "1"}, {"Key1", "0a1b2c3d4e5f6"}});
    applyProfile(context, "Office");
    EXPECT_FALSE(linkUp());
}

}  // namespace
