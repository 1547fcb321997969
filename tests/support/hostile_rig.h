#pragma once
// What the fuzz targets of the pages stand on: the bench (sim_bench.h) with a lying
// driver (hostile_library.h) in front of the simulated one, and a store filled from the
// input with the values a hand edit could leave, the checker of chain_checker.h over it.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/hostile_library.h"
#include "support/sim_bench.h"

class HostileRig : public SimBench {
public:
    explicit HostileRig(std::function<uint8_t()> nextByte)
        : SimBench(DefaultScenario(),
                   [&nextByte](SimAdapterLibrary& s) { return std::make_unique<HostileLibrary>(s, nextByte); }),
          next(std::move(nextByte)), hostile(static_cast<HostileLibrary&>(library())) {}

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
    HostileLibrary& hostile;
};
