#pragma once
// What the fuzz targets of the pages stand on: the product's adapter, found through a
// lying driver (hostile_library.h) in front of the simulated one, as the current adapter
// record; a store with the checker of chain_checker.h over it, filled from the input
// with the values a hand edit could leave; and the services a page reaches.
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "adapter/adapter_context.h"
#include "adapter/current_adapter.h"
#include "adapter/q_adapter_list.h"
#include "language/language_texts.h"
#include "kit/page_services.h"
#include "profiles/chain_checker.h"
#include "sim/sim_scenario.h"
#include "support/fake_desktop.h"
#include "support/fake_text_source.h"
#include "support/hostile_library.h"
#include "support/sim_page_services.h"

class HostileRig {
public:
    explicit HostileRig(std::function<uint8_t()> nextByte)
        : next(nextByte), sim(DefaultScenario()), hostile(sim, std::move(nextByte)) {
        sim.SetClock([this] { return desktop.now; });
        adapter = list.FindByDescription(kSimProductDescription);
        SetCurrentAdapter(adapter);
    }
    ~HostileRig() { SetCurrentAdapter(nullptr); }
    HostileRig(const HostileRig&) = delete;
    HostileRig& operator=(const HostileRig&) = delete;

    // A value a hand edit could leave: one of the texts each setting takes, a number out
    // of every range, non-digits, a long key, names of profiles and of the own sections.
    std::string anyText() {
        static const std::vector<std::string> kTexts = {
            "", "0", "1", "2", "3", "4", "5", "13", "14", "-1", "99999999999", "x", " 1", "end", "Home", "Office",
            "Ghost", "Settings", "SETTINGS", "ActiveSetting", "activesetting", "FactoryDefault", "factoryDEFAULT",
            "0123456789", "0123456789ABCDEF0123456789", "12G45", "ABCDE", "zzzzzzzzzzzzz", "VexaNet",
            std::string(40, 'S'), std::string(150, 'q'), "12" + std::string(300, '-')};
        return kTexts[next() % kTexts.size()];
    }
    // Every value of `profile` (and its link) set from the input.
    void fillProfile(const std::string& profile) {
        for (const std::string& v : ProfileStore::settingNames())
            if (next() & 1) chain.settings.writeValue(profile, v, anyText());
        if (next() & 1) chain.settings.writeValue(profile, "NextProfile", anyText());
    }
    // FactoryDefault, ActiveSetting (AutoSearch too) and the user profiles Home, Office.
    void fillStore() {
        for (const char* p : {"ActiveSetting", "Home", "Office"}) fillProfile(p);
        chain.settings.writeValue("FactoryDefault", "NextProfile", anyText());
        if (next() & 1) chain.settings.writeValue("ActiveSetting", "AutoSearch", next() & 1 ? "0" : anyText());
    }

    std::function<uint8_t()> next;
    FakeDesktop desktop;
    SimAdapterLibrary sim;
    HostileLibrary hostile;
    AdapterContext adapterContext{hostile, desktop};
    QAdapterList list{adapterContext};
    QAdapterInfo* adapter = nullptr;
    ChainChecker chain;
    FakeTextSource textSource;
    LanguageTexts texts{textSource};
    RecordingDialogRunner dialogs;
    PageServices services{chain.store, desktop, texts, dialogs};
};
