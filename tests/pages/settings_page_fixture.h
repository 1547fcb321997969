#pragma once
// A settings page on the bench (support/sim_bench.h), with what its tests ask of the
// driver and the store.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "profiles/profile_names.h"
#include "support/sim_bench.h"

class SettingsPageTest : public ::testing::Test, public SimBench {
protected:
    SettingsPageTest() { dialogs.result = -1; }
    void SetUp() override {
        ASSERT_NE(adapter, nullptr);
        ASSERT_TRUE(polled);
    }

    // Changes the simulated product adapter (region, refused requests) while it stays
    // plugged in, so its driver keeps its state.
    template <typename Change>
    void changeAdapter(Change change) {
        SimScenario s = sim.Driver().Scenario();
        for (SimAdapterConfig& a : s.adapters)
            if (a.description == kSimProductDescription) change(a);
        sim.SetScenario(s);
    }

    // Joins an open network in range, as a profile would, and lets the link come up.
    void associate(const std::string& ssid) {
        NDIS_802_11_SSID record{};
        record.SsidLength = static_cast<uint32_t>(ssid.size());
        for (size_t i = 0; i < ssid.size(); ++i) record.Ssid[i] = static_cast<uint8_t>(ssid[i]);
        uint32_t mode = Ndis802_11Infrastructure, needed = 0;
        adapter->SetInformation(OID_802_11_INFRASTRUCTURE_MODE, &mode, 4, &needed);
        adapter->SetInformation(OID_802_11_SSID, &record, sizeof record, &needed);
        desktop.now += 5000;
        adapter->RefreshStatus();
        ASSERT_EQ(adapter->mediaState, NdisMediaStateConnected);
    }

    static uint32_t u32At(const SimRequestLogEntry& e, size_t offset) {
        uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = (v << 8) | (offset + i < e.bytes.size() ? e.bytes[offset + i] : 0);
        return v;
    }
    static std::string ssidOf(const SimRequestLogEntry& e) {
        const uint32_t n = u32At(e, 0);
        return std::string(e.bytes.begin() + 4, e.bytes.begin() + 4 + (n > 32 ? 32 : n));
    }

    std::string active(const char* name) const { return store.readValue(ProfileName::ActiveSetting, name, "<missing>"); }
    void setActive(const char* name, const std::string& value) {
        store.writeValue(ProfileName::ActiveSetting, name, value);
    }
    bool sentLinkInfo() const {
        for (const auto& c : window.parentCommands)
            if (c.first == IDC_HEADER_LINK_INFO) return true;
        return false;
    }
};
