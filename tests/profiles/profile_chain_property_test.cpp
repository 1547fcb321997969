// Random sequences of saving new profiles, saving existing ones again and deleting keep
// the chain a simple path from FactoryDefault to "end" through every stored user profile.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <set>

#include "chain_checker.h"
#include "profiles/memory_settings_store.h"
#include "profiles/profile_store.h"

namespace {

// Follows the raw NextProfile links (not listProfiles, which guards against loops) and
// fails the test on a loop, a dangling link or a missing end.
std::vector<std::string> walkRawChain(const MemorySettingsStore& s, size_t limit) {
    std::vector<std::string> out;
    std::string p = s.readValue("FactoryDefault", "NextProfile", "");
    while (p != "end") {
        EXPECT_FALSE(p.empty()) << "chain ends without \"end\"";
        if (p.empty() || out.size() > limit) {
            ADD_FAILURE() << "chain longer than the profiles stored: a loop";
            break;
        }
        EXPECT_TRUE(s.hasSection(p)) << "link to a deleted profile " << p;
        out.push_back(p);
        p = s.readValue(p, "NextProfile", "");
    }
    return out;
}

TEST(ProfileChainProperty, RandomAddSaveAgainDeleteKeepsASimplePath) {
    const std::vector<std::string> names = {"Home", "Work", "cafe", "Lab", "Office 2", "x", "Guest", "Z9"};
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::mt19937 rng(seed);
        MemorySettingsStore settings;
        settings.writeValue("FactoryDefault", "NextProfile", "end");
        ProfileStore store(settings);
        std::set<std::string> stored;   // the model: which user profiles exist
        std::vector<std::string> order; // expected list order, newest first

        for (int step = 0; step < 60; ++step) {
            const std::string& name = names[rng() % names.size()];
            const bool isStored = stored.count(name) > 0;
            if (rng() % 3 == 0) {
                store.deleteProfile(name);
                stored.erase(name);
                order.erase(std::remove(order.begin(), order.end(), name), order.end());
            } else {
                // Save (new or again): the editor writes every value, then links.
                store.writeValue(name, "SSID", "net" + std::to_string(step));
                store.writeValue(name, "Channel", std::to_string(step % 14 + 1));
                store.linkNewProfile(name);
                if (!isStored) {
                    stored.insert(name);
                    order.insert(order.begin(), name);
                }
            }
            const auto raw = walkRawChain(settings, names.size());
            ASSERT_EQ(raw, order) << "seed " << seed << " step " << step;
            ASSERT_EQ(store.listProfiles(), order) << "seed " << seed << " step " << step;
        }
    }
}

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The same with names that differ only in letter case (one registry key, so one profile,
// listed under the spelling it was first linked with) and the end marker itself, which
// is stored when saved but never linked.
TEST(ProfileChainProperty, LetterCaseVariantsAndTheEndMarkerKeepASimplePath) {
    const std::vector<std::string> names = {"Home", "HOME", "home", "Work", "wORK", "end", "Cafe"};
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::mt19937 rng(seed);
        MemorySettingsStore settings;
        settings.writeValue("FactoryDefault", "NextProfile", "end");
        ProfileStore store(settings);
        std::vector<std::string> order;  // expected list, newest first, as first spelled

        auto position = [&order](const std::string& name) {
            return std::find_if(order.begin(), order.end(),
                                [&name](const std::string& n) { return lower(n) == lower(name); });
        };
        for (int step = 0; step < 60; ++step) {
            const std::string& name = names[rng() % names.size()];
            if (rng() % 3 == 0) {
                store.deleteProfile(name);
                const auto at = position(name);
                if (at != order.end()) order.erase(at);
                EXPECT_FALSE(settings.hasSection(name)) << "seed " << seed << " step " << step;
            } else {
                store.writeValue(name, "SSID", "net" + std::to_string(step));
                store.linkNewProfile(name);
                if (name != "end" && position(name) == order.end()) order.insert(order.begin(), name);
            }
            const auto raw = walkRawChain(settings, names.size());
            ASSERT_EQ(raw, order) << "seed " << seed << " step " << step;
            ASSERT_EQ(store.listProfiles(), order) << "seed " << seed << " step " << step;
        }
    }
}

// Random store operations on a hand-edited chain (chain_checker.h says what must hold):
// links bent back, removed or emptied, links to missing keys, subkeys that make a
// deletion fail, names in other letters, Latin-1 letters, names with "\", the reserved
// names and the program's own Settings in any letter case, profiles deleted by hand
// while links to them stay.
TEST(ProfileChainProperty, HandEditedChainsNeverStrandOrLoseAProfile) {
    const std::vector<std::string> names = {
        "Home", "HOME", "home", "Work", "Lab", "Office 2", "Caf\xE9", "CAF\xC9", "caf\xC9", "\xFF" "pe", "\x9F" "PE",
        "end", "End", "Settings", "sETTINGS", "FactoryDefault", "FACTORYDEFAULT", "ActiveSetting", "activesetting",
        "\\FactoryDefault", "ActiveSetting\\", "Work\\", "\\\\Home", "Home\\Sub", "", "Ghost"};
    for (unsigned seed = 1; seed <= 200; ++seed) {
        std::mt19937 rng(seed);
        ChainChecker chain;
        auto pick = [&]() -> const std::string& { return names[rng() % names.size()]; };
        for (int step = 0; step < 60; ++step) {
            if (rng() % 3 == 0) chain.handEdit(static_cast<ChainChecker::Edit>(rng() % ChainChecker::kEdits), pick(), pick());
            const auto op = static_cast<ChainChecker::Op>(rng() % 4);
            const std::string& name = pick();
            ASSERT_EQ(chain.operate(op, name), "")
                << "seed " << seed << " step " << step << " op " << static_cast<int>(op) << " name " << name;
        }
    }
}

}  // namespace
