// The profile store over the in-memory settings store: values, reserved names, the
// chain of user profiles and the copy into ActiveSetting.
#include <gtest/gtest.h>

#include "profiles/memory_settings_store.h"
#include "profiles/profile_store.h"

namespace {

class ProfileStoreTest : public ::testing::Test {
protected:
    // A store as start-up leaves it: FactoryDefault heads an empty chain.
    void SetUp() override { settings.writeValue("FactoryDefault", "NextProfile", "end"); }

    // What the profile editor does on OK for a profile.
    void save(const std::string& name, const std::string& ssid) {
        store.writeValue(name, "SSID", ssid);
        store.linkNewProfile(name);
    }
    std::string next(const std::string& name) { return settings.readValue(name, "NextProfile", "<missing>"); }

    MemorySettingsStore settings;
    ProfileStore store{settings};
};

using Chain = std::vector<std::string>;

TEST(MemorySettingsStore, NamesIgnoreCaseAndMissingGivesDefault) {
    MemorySettingsStore s;
    EXPECT_EQ(s.readValue("Home", "SSID", "dflt"), "dflt");
    s.writeValue("Home", "SSID", "net");
    EXPECT_EQ(s.readValue("HOME", "ssid", "dflt"), "net");
    s.writeValue("home", "Ssid", "other");
    EXPECT_EQ(s.readValue("Home", "SSID", ""), "other");
    EXPECT_EQ(s.sections(), std::vector<std::string>{"Home"});
    s.writeValue("Home", "Empty", "");
    EXPECT_EQ(s.readValue("Home", "Empty", "dflt"), "");  // present but empty is not missing
    EXPECT_TRUE(s.deleteSection("HOME"));
    EXPECT_FALSE(s.hasSection("Home"));
    EXPECT_FALSE(s.deleteSection("Home"));
}

// The double matches names as the registry does, so store tests see what the program sees.
TEST(MemorySettingsStore, NamesAreKeyPathsWithFoldedLetters) {
    MemorySettingsStore s;
    s.writeValue("Caf\xE9", "SSID", "net");
    EXPECT_EQ(s.readValue("CAF\xC9", "ssid", ""), "net");
    EXPECT_EQ(s.readValue("\\Caf\xE9\\", "SSID", ""), "net");  // leading and trailing backslashes
    EXPECT_FALSE(s.writeValue("\\", "SSID", "x"));                // the application key itself
    EXPECT_FALSE(s.writeValue("", "SSID", "x"));

    s.writeValue("Home\\\\Sub", "x", "1");  // a doubled backslash is one
    EXPECT_TRUE(s.hasSection("home"));         // the key it lies in exists too
    EXPECT_EQ(s.readValue("Home\\sub", "x", ""), "1");
    const int changes = s.changeCount();
    EXPECT_FALSE(s.deleteSection("Home"));     // it has a subkey
    EXPECT_FALSE(s.eraseValue("Home", "x"));
    EXPECT_EQ(s.changeCount(), changes) << "what failed changed nothing";
    EXPECT_TRUE(s.deleteSection("Home\\Sub"));
    EXPECT_TRUE(s.deleteSection("Home"));
    EXPECT_TRUE(s.eraseValue("caf\xC9", "SSID"));
    EXPECT_FALSE(s.hasValue("Caf\xE9", "SSID"));
    EXPECT_EQ(s.sections(), std::vector<std::string>{"Caf\xE9"});

    // Every letter of the Western code page with another case folds onto it, nothing else.
    int pairs = 0;
    for (int c = 1; c < 256; ++c) {
        const std::string one(1, static_cast<char>(c));
        const std::string folded = s.foldName(one);
        if (folded != one) ++pairs;
        EXPECT_EQ(s.foldName(folded), folded) << c;
    }
    EXPECT_EQ(pairs, 26 + 30 + 4);
}

TEST(ProfileNumbers, LenientDecimal) {
    EXPECT_EQ(profileNumber(""), 0);
    EXPECT_EQ(profileNumber("abc"), 0);
    EXPECT_EQ(profileNumber("12"), 12);
    EXPECT_EQ(profileNumber(" 7x"), 7);
    EXPECT_EQ(profileNumber("-3"), -3);
    EXPECT_EQ(profileNumber("99999999999999999999"), 2147483647);
}

TEST(ReservedNames, AnyLetterCaseIsRefusedButNotNearMisses) {
    for (const char* n : {"FactoryDefault", "factorydefault", "FACTORYDEFAULT", "ActiveSetting",
                          "activesetting", "aCtIvEsEtTiNg"})
        EXPECT_TRUE(ProfileStore::isReservedName(n)) << n;
    for (const char* n : {"Factory Default", "Active Setting", "ActiveSettings", "", "end"})
        EXPECT_FALSE(ProfileStore::isReservedName(n)) << n;
}

TEST_F(ProfileStoreTest, FreshStoreListsNothing) { EXPECT_TRUE(store.listProfiles().empty()); }

TEST_F(ProfileStoreTest, NewestProfileComesFirst) {
    save("A", "a");
    EXPECT_EQ(next("FactoryDefault"), "A");
    EXPECT_EQ(next("A"), "end");
    save("B", "b");
    EXPECT_EQ(store.listProfiles(), (Chain{"B", "A"}));
    EXPECT_EQ(next("B"), "A");
}

TEST_F(ProfileStoreTest, SavingAgainKeepsPlaceAndChangesValues) {
    save("A", "a");
    save("B", "b");
    save("C", "c");
    save("B", "b2");
    EXPECT_EQ(store.listProfiles(), (Chain{"C", "B", "A"}));
    EXPECT_EQ(store.readValue("B", "SSID"), "b2");
    save("b", "b3");  // the same registry key in other letters
    EXPECT_EQ(store.listProfiles(), (Chain{"C", "B", "A"}));
}

TEST_F(ProfileStoreTest, ReservedProfilesAreNeverLinked) {
    EXPECT_FALSE(store.linkNewProfile("ActiveSetting"));
    EXPECT_FALSE(store.linkNewProfile("activeSETTING"));
    EXPECT_FALSE(store.linkNewProfile("FactoryDefault"));
    EXPECT_EQ(next("FactoryDefault"), "end");
    EXPECT_EQ(next("ActiveSetting"), "<missing>");
}

TEST_F(ProfileStoreTest, LinkingWithoutAChainHeadStartsOne) {
    MemorySettingsStore empty;
    ProfileStore s(empty);
    EXPECT_TRUE(s.linkNewProfile("A"));
    EXPECT_EQ(empty.readValue("A", "NextProfile", ""), "end");
    EXPECT_EQ(s.listProfiles(), (Chain{"A"}));
}

TEST_F(ProfileStoreTest, AnEmptyChainHeadLinksTheNewProfileToEnd) {
    settings.writeValue("FactoryDefault", "NextProfile", "");  // present but empty
    EXPECT_TRUE(store.linkNewProfile("A"));
    EXPECT_EQ(next("A"), "end");
    EXPECT_EQ(next("FactoryDefault"), "A");
    save("A", "again");  // A now counts as linked by its own NextProfile
    EXPECT_EQ(store.listProfiles(), (Chain{"A"}));
    EXPECT_EQ(next("A"), "end");
}

TEST_F(ProfileStoreTest, AProfileNamedLikeTheEndMarkerNeverCutsTheChain) {
    save("A", "a");
    save("B", "b");
    EXPECT_FALSE(store.linkNewProfile("end"));
    EXPECT_EQ(next("FactoryDefault"), "B");
    EXPECT_EQ(store.listProfiles(), (Chain{"B", "A"}));
    save("C", "c");  // later profiles still reach the older ones
    EXPECT_EQ(store.listProfiles(), (Chain{"C", "B", "A"}));
    // Only the exact marker ends a walk; other spellings are ordinary names.
    EXPECT_TRUE(store.linkNewProfile("End"));
    EXPECT_EQ(store.listProfiles(), (Chain{"End", "C", "B", "A"}));
}

TEST_F(ProfileStoreTest, DeleteFirstMiddleLastAndOnly) {
    save("A", "a");
    save("B", "b");
    save("C", "c");
    save("D", "d");  // D C B A
    EXPECT_TRUE(store.deleteProfile("D"));
    EXPECT_EQ(store.listProfiles(), (Chain{"C", "B", "A"}));
    EXPECT_TRUE(store.deleteProfile("B"));
    EXPECT_EQ(store.listProfiles(), (Chain{"C", "A"}));
    EXPECT_EQ(next("C"), "A");
    EXPECT_TRUE(store.deleteProfile("A"));
    EXPECT_EQ(store.listProfiles(), (Chain{"C"}));
    EXPECT_EQ(next("C"), "end");
    EXPECT_TRUE(store.deleteProfile("C"));
    EXPECT_EQ(next("FactoryDefault"), "end");
    EXPECT_TRUE(store.listProfiles().empty());
    EXPECT_FALSE(settings.hasSection("A"));
    EXPECT_FALSE(settings.hasSection("C"));
}

TEST_F(ProfileStoreTest, DeletingAProfileOutsideTheChainLeavesTheChainAlone) {
    save("A", "a");
    save("B", "b");
    settings.writeValue("Loose", "SSID", "x");  // stored but never linked
    EXPECT_TRUE(store.deleteProfile("Loose"));
    EXPECT_FALSE(settings.hasSection("Loose"));
    EXPECT_EQ(store.listProfiles(), (Chain{"B", "A"}));
    EXPECT_EQ(next("A"), "end");
    EXPECT_FALSE(store.deleteProfile("Nowhere"));
    EXPECT_EQ(store.listProfiles(), (Chain{"B", "A"}));
}

TEST_F(ProfileStoreTest, DeletingInOtherLettersUnlinksTheSameKey) {
    save("Home", "h");
    save("Work", "w");
    EXPECT_TRUE(store.deleteProfile("HOME"));
    EXPECT_EQ(store.listProfiles(), (Chain{"Work"}));
    EXPECT_EQ(next("Work"), "end");
}

TEST_F(ProfileStoreTest, ReservedProfilesCannotBeDeleted) {
    save("A", "a");
    EXPECT_FALSE(store.deleteProfile("FactoryDefault"));
    EXPECT_FALSE(store.deleteProfile("activesetting"));
    EXPECT_TRUE(settings.hasSection("FactoryDefault"));
    EXPECT_EQ(store.listProfiles(), (Chain{"A"}));
}

TEST_F(ProfileStoreTest, HandEditedLoopsListEachProfileOnce) {
    save("A", "a");
    save("B", "b");
    save("C", "c");                              // C B A
    settings.writeValue("A", "NextProfile", "B");  // ... A -> B again
    EXPECT_EQ(store.listProfiles(), (Chain{"C", "B", "A"}));
    settings.writeValue("A", "NextProfile", "c");  // back to the first, other letters
    EXPECT_EQ(store.listProfiles(), (Chain{"C", "B", "A"}));
    settings.writeValue("A", "NextProfile", "FactoryDefault");
    EXPECT_EQ(store.listProfiles(), (Chain{"C", "B", "A"}));
    settings.writeValue("C", "NextProfile", "C");  // a profile pointing at itself
    EXPECT_EQ(store.listProfiles(), (Chain{"C"}));
}

TEST_F(ProfileStoreTest, MissingOrEmptyLinkEndsTheWalk) {
    save("A", "a");
    save("B", "b");
    settings.writeValue("B", "NextProfile", "");
    EXPECT_EQ(store.listProfiles(), (Chain{"B"}));
    // A link to a key nobody stored, or to one of the store's own, ends the walk too.
    for (const char* link : {"Ghost", "Settings", "aCTIVEsETTING", "FACTORYDEFAULT"}) {
        settings.writeValue("Settings", "Language", "English");
        settings.writeValue("B", "NextProfile", link);
        EXPECT_EQ(store.listProfiles(), (Chain{"B"})) << link;
        settings.writeValue("FactoryDefault", "NextProfile", link);
        EXPECT_EQ(store.listProfiles(), (Chain{})) << link;
        settings.writeValue("FactoryDefault", "NextProfile", "B");
    }
}

TEST_F(ProfileStoreTest, DeletingFromALoopEndsInAUsableChain) {
    save("A", "a");
    save("B", "b");
    settings.writeValue("A", "NextProfile", "A");  // the last one points at itself
    EXPECT_TRUE(store.deleteProfile("A"));
    EXPECT_EQ(next("B"), "end");
    EXPECT_EQ(store.listProfiles(), (Chain{"B"}));
}

TEST_F(ProfileStoreTest, CopyToActiveSettingCopiesEverySettingAndKeepsItsOwn) {
    const std::vector<std::pair<const char*, const char*>> values = {
        {"SSID", "net"},      {"OperationMode", "1"}, {"Channel", "6"},      {"Authentication", "1"},
        {"WepEnabled", "1"},  {"KeyIndex", "3"},      {"Key1Length", "1"},   {"Key2Length", "0"},
        {"Key3Length", "1"},  {"Key4Length", "0"},    {"KeyFormat", "0"},    {"Key1", "k1"},
        {"Key2", "k2"},       {"Key3", "k3"},         {"Key4", "k4"},        {"PowerSaveMode", "2"},
        {"PreambleType", "1"}, {"MaxRate", "12"}};     // no 1X
    for (const auto& v : values) settings.writeValue("P", v.first, v.second);
    settings.writeValue("P", "NextProfile", "end");
    settings.writeValue("ActiveSetting", "1X", "1");
    settings.writeValue("ActiveSetting", "AutoSearch", "1");
    settings.writeValue("ActiveSetting", "NextProfile", "keep");

    store.copyToActiveSetting("P");

    EXPECT_EQ(settings.readValue("ActiveSetting", "ProfileName", ""), "P");
    for (const auto& v : values) EXPECT_EQ(settings.readValue("ActiveSetting", v.first, "?"), v.second) << v.first;
    EXPECT_TRUE(settings.hasValue("ActiveSetting", "1X"));
    EXPECT_EQ(settings.readValue("ActiveSetting", "1X", "?"), "");  // missing in P: copied as empty
    EXPECT_EQ(settings.readValue("ActiveSetting", "AutoSearch", ""), "1");
    EXPECT_EQ(settings.readValue("ActiveSetting", "NextProfile", ""), "keep");
}

// A profile saved as "Settings" shares the program's own section: its values live beside
// ProfilePath and Language, but it is neither linked nor deleted, in any letter case.
TEST_F(ProfileStoreTest, TheProgramsSettingsSectionIsNeverLinkedOrDeleted) {
    settings.writeValue("Settings", "Language", "English");
    save("A", "a");
    save("Settings", "s");
    save("sETTINGS", "s2");
    EXPECT_EQ(settings.readValue("Settings", "SSID", ""), "s2");
    EXPECT_EQ(store.listProfiles(), (Chain{"A"}));
    EXPECT_FALSE(store.deleteProfile("settings"));
    EXPECT_EQ(settings.readValue("Settings", "Language", ""), "English");

    // A chain stored by an earlier version may hold it: the walk ends there, so it is
    // never listed, and a profile saved now goes in front of it.
    settings.writeValue("FactoryDefault", "NextProfile", "Settings");
    settings.writeValue("Settings", "NextProfile", "A");
    EXPECT_EQ(store.listProfiles(), (Chain{}));
    save("B", "b");
    EXPECT_EQ(store.listProfiles(), (Chain{"B"}));
    EXPECT_TRUE(store.deleteProfile("B"));
    EXPECT_EQ(store.listProfiles(), (Chain{}));
    EXPECT_FALSE(store.deleteProfile("Settings"));
    EXPECT_EQ(settings.readValue("Settings", "Language", ""), "English");
}

// The registry reads "\FactoryDefault", "ActiveSetting\" or "Work\" as those keys; no
// operation may reach a profile by such a name, nor by the empty one.
TEST_F(ProfileStoreTest, NamesWithABackslashOrEmptyReachNothing) {
    save("Home", "h");
    save("Work", "w");
    save("Lab", "l");  // Lab Work Home
    settings.writeValue("ActiveSetting", "SSID", "in force");
    const auto before = settings.snapshot();
    for (const char* name : {"\\FactoryDefault", "ActiveSetting\\", "Work\\", "\\\\Home", "Lab\\Sub", "\\", ""}) {
        EXPECT_FALSE(ProfileStore::isProfileName(name)) << name;
        EXPECT_FALSE(store.deleteProfile(name)) << name;
        EXPECT_FALSE(store.linkNewProfile(name)) << name;
        store.writeValue(name, "SSID", "x");
        store.copyToActiveSetting(name);
        EXPECT_EQ(store.readValue(name, "SSID", "none"), "none") << name;
        EXPECT_EQ(settings.snapshot(), before) << name;
    }
    EXPECT_EQ(store.listProfiles(), (Chain{"Lab", "Work", "Home"}));

    // A hand-edited link of that kind ends the walk: nothing is read through it.
    settings.writeValue("Work", "NextProfile", "Home\\");
    EXPECT_EQ(store.listProfiles(), (Chain{"Lab", "Work"}));
}

// Registry names fold letter case beyond ASCII: "CAFÉ" is the key of "Café".
TEST_F(ProfileStoreTest, LettersBeyondAsciiMatchAsTheRegistryMatchesThem) {
    save("Caf\xE9", "c");
    save("Work", "w");
    save("\xFF" "ne", "y");  // y with diaeresis, upper case 0x9F
    EXPECT_FALSE(store.linkNewProfile("CAF\xC9"));  // already in the chain
    EXPECT_TRUE(store.deleteProfile("\x9F" "NE"));
    EXPECT_EQ(store.listProfiles(), (Chain{"Work", "Caf\xE9"}));
    EXPECT_TRUE(store.deleteProfile("CAF\xC9"));
    EXPECT_FALSE(settings.hasSection("Caf\xE9"));
    EXPECT_EQ(store.listProfiles(), (Chain{"Work"}));
    EXPECT_EQ(next("Work"), "end");
    // The division sign and the sharp s have no other case.
    save("a\xF7", "d");
    save("A\xD7", "m");
    save("\xDF", "s");
    EXPECT_EQ(store.listProfiles(), (Chain{"\xDF", "A\xD7", "a\xF7", "Work"}));
}

TEST_F(ProfileStoreTest, AFailedDeletionLeavesTheChainAsItWas) {
    save("Home", "h");
    save("Work", "w");
    save("Lab", "l");
    settings.writeValue("Work\\Sub", "x", "1");  // a key with a subkey cannot be deleted
    const auto before = settings.snapshot();
    EXPECT_FALSE(store.deleteProfile("Work"));
    EXPECT_EQ(settings.snapshot(), before);
    EXPECT_EQ(store.listProfiles(), (Chain{"Lab", "Work", "Home"}));
    settings.deleteSection("Work\\Sub");
    EXPECT_TRUE(store.deleteProfile("Work"));
    EXPECT_EQ(store.listProfiles(), (Chain{"Lab", "Home"}));
}

// A hand-edited link back to the deleted profile would name a key that is gone.
TEST_F(ProfileStoreTest, EveryLinkToTheDeletedProfileIsMended) {
    save("A", "a");
    save("B", "b");
    save("C", "c");                                // C B A
    settings.writeValue("A", "NextProfile", "c");  // A leads back to the first
    EXPECT_TRUE(store.deleteProfile("C"));
    EXPECT_EQ(next("FactoryDefault"), "B");
    EXPECT_EQ(next("A"), "end");
    EXPECT_EQ(store.listProfiles(), (Chain{"B", "A"}));

    save("D", "d");                                // D B A
    settings.writeValue("A", "NextProfile", "B");  // back into the middle
    EXPECT_TRUE(store.deleteProfile("b"));
    EXPECT_EQ(next("D"), "A");
    EXPECT_EQ(next("A"), "end");

    // The deleted profile's own link leads back: its predecessor ends the chain.
    settings.writeValue("A", "NextProfile", "D");
    EXPECT_TRUE(store.deleteProfile("A"));
    EXPECT_EQ(next("D"), "end");
    EXPECT_EQ(store.listProfiles(), (Chain{"D"}));
}

// A link to a key that is missing altogether ends the chain: nothing is listed, copied
// or deleted under its name.
TEST_F(ProfileStoreTest, ALinkToAMissingKeyEndsTheChainAndReachesNothing) {
    save("A", "a");
    settings.writeValue("A", "NextProfile", "Ghost");  // a key nobody stored
    EXPECT_EQ(store.listProfiles(), (Chain{"A"}));
    EXPECT_FALSE(store.deleteProfile("ghost"));
    EXPECT_FALSE(store.copyToActiveSetting("Ghost"));
    EXPECT_FALSE(settings.hasSection("Ghost"));
    EXPECT_EQ(store.nextInChain("A"), "end");
}

}  // namespace
