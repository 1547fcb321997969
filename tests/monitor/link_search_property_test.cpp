// The link monitor's search on a hand-edited store, no network in range: random walks of
// ticks, search restarts, store operations and hand edits (links to missing profiles,
// to the store's own sections in any letter case, loops, profiles deleted by another
// tool). After every step ActiveSetting is unchanged or a copy of a stored user profile
// the search could reach, and no own section is listed (chain_checker.h).
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "monitor/link_info_page.h"
#include "profiles/chain_checker.h"
#include "sim/sim_scenario.h"
#include "support/sim_bench.h"

namespace {

const char kNobodyInRange[] =
    "[Driver]\nAssociationDelay=0\nRssiJitter=0\n"
    "[Adapter product]\nDescription=Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter\n"
    "DeviceName=\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}\nRegion=0x10\n";

const std::vector<std::string> kNames = {"Home",          "HOME",     "Office",   "Lab",          "Ghost",
                                         "end",           "Settings", "sETTINGS", "FactoryDefault", "FACTORYdefault",
                                         "ActiveSetting", "activesetting", "",    "Work\\"};

TEST(LinkSearchProperty, TheSettingsInForceAreNeverEmptiedOrTakenFromTheStoresOwnKeys) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        SimBench env(ParseScenario(kNobodyInRange));
        ASSERT_NE(env.adapter, nullptr);
        ChainChecker& chain = env.chain;
        for (int id : {IDC_LINK_STATUS, IDC_LINK_SSID, IDC_LINK_TX_RATE, IDC_LINK_CHANNEL}) env.controls.addEdit(id);
        auto pick = [&]() -> const std::string& { return kNames[rng() % kNames.size()]; };

        for (const char* p : {"Home", "Office", "Lab"}) {
            chain.store.writeValue(p, "SSID", std::string(p) + "Net");
            chain.store.writeValue(p, "WepEnabled", "0");
            chain.store.linkNewProfile(p);
        }
        for (const char* v : {"SSID", "Authentication", "WepEnabled", "KeyIndex", "Key1"})
            chain.settings.writeValue("ActiveSetting", v, "1");
        chain.settings.writeValue("ActiveSetting", "OperationMode", "0");
        chain.settings.writeValue("ActiveSetting", "AutoSearch", "0");

        LinkInfoPage page{env.services};
        env.create(page);
        for (int step = 0; step < 200; ++step) {
            const ChainChecker::Active before = chain.active();
            const unsigned roll = rng() % 16;
            if (roll < 3) {
                chain.handEdit(static_cast<ChainChecker::Edit>(rng() % ChainChecker::kEdits), pick(), pick());
                continue;   // hand edits may change anything; they are not the program's
            }
            if (roll == 3) {
                const std::string& name = pick();
                const std::string broke = chain.operate(static_cast<ChainChecker::Op>(rng() % 4), name);
                ASSERT_EQ(broke, "") << "seed " << seed << " step " << step;
                continue;
            }
            const std::vector<std::string> allowed = chain.reachable(page.searchProfile());
            if (roll == 4) page.restartSearch();
            else page.OnTimer(LinkInfoPage::kTimer);
            const std::string seen = env.adapter->mediaState == NdisMediaStateConnected ? env.adapter->GetSsidText() : "";
            ASSERT_EQ(chain.activeSettingCheck(before, allowed, seen.empty() ? nullptr : &seen), "")
                << "seed " << seed << " step " << step;
            ASSERT_EQ(chain.listCheck(), "") << "seed " << seed << " step " << step;
        }
    }
}

}  // namespace
