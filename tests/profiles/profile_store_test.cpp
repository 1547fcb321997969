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
    settings.writeValue("FactoryDefault", "NextProfile", "Ghost");  // names a missing profile
    EXPECT_EQ(store.listProfiles(), (Chain{"Ghost"}));
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

TEST_F(ProfileStoreTest, ProfileNamedSettingsSharesTheSettingsSection) {
    settings.writeValue("Settings", "Language", "English");
    save("Settings", "s");
    EXPECT_EQ(settings.readValue("Settings", "Language", ""), "English");
    EXPECT_EQ(store.listProfiles(), (Chain{"Settings"}));
}

}  // namespace
