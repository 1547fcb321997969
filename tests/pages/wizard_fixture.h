#pragma once
// The wizard's pages on the bench (support/sim_bench.h), over a machine with one open
// network and one WEP network in range.
#include <gtest/gtest.h>

#include <string>

#include "support/sim_bench.h"

inline std::string wizardScenario(const std::string& productExtra = "", const std::string& driver = "") {
    return "[Driver]\nRssiJitter=0\n" + driver +
           "[Adapter product]\nDescription=Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter\n"
           "DeviceName=\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}\n" +
           productExtra +
           "[Network home]\nSsid=HomeNet\nChannel=6\nRssi=-71\n"
           "[Network lab]\nSsid=VexaLab\nChannel=1\nKey=1234567890\n";
}

class WizardFixture : public ::testing::Test, public SimBench {
protected:
    explicit WizardFixture(const std::string& scenario = wizardScenario()) : SimBench(ParseScenario(scenario)) {
        dialogs.result = -1;
    }

    void SetUp() override {
        ASSERT_NE(adapter, nullptr);
        // A driver that refuses SSID requests fails the poll's probe; the page is
        // handed its record all the same, as it would be by an earlier poll.
        if (!refusesSsid) {
            ASSERT_TRUE(polled);
        }
    }

    std::string active(const char* name) const { return store.readValue("ActiveSetting", name, "<missing>"); }

    bool refusesSsid = false;
};
