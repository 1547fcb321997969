// The WEP group shared by the profile editor and the Security page: what a load shows
// and what a store writes back, including stored numbers no list has.
#include <gtest/gtest.h>

#include "kit/wep_group.h"
#include "profiles/memory_settings_store.h"
#include "profiles/profile_store.h"
#include "profiles/wep_key_fields.h"
#include "support/fake_controls.h"

namespace {

const int kGroup[] = {IDC_EDITOR_WEP,          IDC_EDITOR_AUTH_MODE,    IDC_EDITOR_KEY1,
                      IDC_EDITOR_KEY2,         IDC_EDITOR_KEY3,         IDC_EDITOR_KEY4,
                      IDC_EDITOR_DEFAULT_KEY1, IDC_EDITOR_DEFAULT_KEY2, IDC_EDITOR_DEFAULT_KEY3,
                      IDC_EDITOR_DEFAULT_KEY4, IDC_EDITOR_KEY_FORMAT,   IDC_EDITOR_KEY1_LENGTH,
                      IDC_EDITOR_KEY2_LENGTH,  IDC_EDITOR_KEY3_LENGTH,  IDC_EDITOR_KEY4_LENGTH};
const WepGroupIds kGroupIds{kGroup, sizeof kGroup / sizeof kGroup[0]};

class WepGroupTest : public ::testing::Test {
protected:
    void SetUp() override {
        c.addCheckBox(IDC_EDITOR_WEP);
        c.addCheckBox(IDC_EDITOR_8021X);
        c.addComboBox(IDC_EDITOR_AUTH_MODE, {"Open Authentication", "Shared Authentication", "Auto"});
        c.addComboBox(WepKeyId::Format, {"Hex", "ASCII"});
        c.addStatic(WepKeyId::Remark).visible = false;
        for (int n = 1; n <= 4; ++n) {
            c.addEdit(WepKeyId::edit(n));
            c.addComboBox(WepKeyId::sizeList(n), {"64 bits", "128 bits"});
            c.addRadio(WepKeyId::radio(n), 1);
        }
    }
    void stored(const std::map<std::string, std::string>& values) {
        for (const auto& v : values) store.writeValue("Work", v.first, v.second);
    }

    FakeControls c;
    MemorySettingsStore settings;
    ProfileStore store{settings};
};

TEST_F(WepGroupTest, LoadShowsTheProfileAndStoreWritesItBack) {
    stored({{"WepEnabled", "1"}, {"Authentication", "1"}, {"1X", "1"}, {"KeyIndex", "3"},
            {"Key1Length", "0"}, {"Key2Length", "1"}, {"Key3Length", "1"}, {"Key4Length", "0"},
            {"KeyFormat", "0"}, {"Key1", "0011223344"}, {"Key2", ""}, {"Key3", "00112233445566778899AABBCC"},
            {"Key4", "ABCDEF0123"}});
    loadWepSettings(c, kGroupIds, store, "Work", true);

    EXPECT_TRUE(c.isChecked(IDC_EDITOR_WEP));
    EXPECT_TRUE(c.isEnabled(IDC_EDITOR_KEY3));
    EXPECT_EQ(c.selection(IDC_EDITOR_AUTH_MODE), 1);
    EXPECT_TRUE(c.isChecked(IDC_EDITOR_8021X));
    EXPECT_TRUE(c.isChecked(WepKeyId::radio(3)));
    EXPECT_FALSE(c.isChecked(WepKeyId::radio(1)));
    EXPECT_EQ(c.selection(WepKeyId::sizeList(2)), 1);
    EXPECT_EQ(c.selection(WepKeyId::Format), 0);
    EXPECT_TRUE(c.isVisible(WepKeyId::Remark));   // stored format "0"
    EXPECT_EQ(c.getText(WepKeyId::edit(3)), "00112233445566778899AABBCC");
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(c.passwordChar(WepKeyId::edit(n)), '*') << n;

    // Stored into another profile, the same values come out.
    storeWepSettings(c, store, "Copy");
    for (const char* name : {"WepEnabled", "Authentication", "1X", "KeyIndex", "Key1Length", "Key2Length",
                             "Key3Length", "Key4Length", "KeyFormat", "Key1", "Key2", "Key3", "Key4"})
        EXPECT_EQ(store.readValue("Copy", name, "<missing>"), store.readValue("Work", name)) << name;
}

TEST_F(WepGroupTest, WepOffDisablesTheGroupButNotTheCheckBox) {
    stored({{"WepEnabled", "0"}, {"KeyFormat", "1"}});
    c.at(WepKeyId::Remark).visible = true;
    loadWepSettings(c, kGroupIds, store, "Work", true);
    EXPECT_FALSE(c.isChecked(IDC_EDITOR_WEP));
    EXPECT_TRUE(c.isEnabled(IDC_EDITOR_WEP));
    EXPECT_FALSE(c.isEnabled(IDC_EDITOR_AUTH_MODE));
    EXPECT_FALSE(c.isEnabled(WepKeyId::edit(1)));
    EXPECT_FALSE(c.isVisible(WepKeyId::Remark));   // ASCII

    c.setChecked(IDC_EDITOR_WEP, true);
    onWepCheckBoxClicked(c, kGroupIds);
    EXPECT_TRUE(c.isEnabled(WepKeyId::edit(1)));
    c.setChecked(IDC_EDITOR_WEP, false);
    onWepCheckBoxClicked(c, kGroupIds);
    EXPECT_FALSE(c.isEnabled(WepKeyId::edit(1)));
    EXPECT_TRUE(c.isEnabled(IDC_EDITOR_WEP));
}

TEST_F(WepGroupTest, NumbersNoListHasLeaveNothingChosenAndAreNotWrittenBack) {
    stored({{"WepEnabled", "7"}, {"Authentication", "5"}, {"KeyIndex", "7"}, {"Key1Length", "9"},
            {"KeyFormat", "3"}, {"1X", "4"}});
    c.setChecked(IDC_EDITOR_WEP, true);
    c.setChecked(IDC_EDITOR_8021X, true);
    c.setChecked(WepKeyId::radio(2), true);
    c.selectByUser(IDC_EDITOR_AUTH_MODE, 2);
    loadWepSettings(c, kGroupIds, store, "Work", false);

    EXPECT_TRUE(c.isChecked(IDC_EDITOR_WEP));      // 7 leaves the box as it was
    EXPECT_TRUE(c.isChecked(IDC_EDITOR_8021X));    // so does 4
    EXPECT_EQ(c.selection(IDC_EDITOR_AUTH_MODE), -1);
    EXPECT_EQ(c.selection(WepKeyId::sizeList(1)), -1);
    EXPECT_EQ(c.selection(WepKeyId::Format), -1);
    for (int n = 1; n <= 4; ++n) EXPECT_FALSE(c.isChecked(WepKeyId::radio(n))) << n;

    storeWepSettings(c, store, "Work");
    EXPECT_EQ(store.readValue("Work", "Authentication"), "5");
    EXPECT_EQ(store.readValue("Work", "KeyIndex"), "7");
    EXPECT_EQ(store.readValue("Work", "Key1Length"), "9");
    EXPECT_EQ(store.readValue("Work", "KeyFormat"), "3");
    EXPECT_EQ(store.readValue("Work", "Key2Length"), "0");   // a list with a choice is written
    EXPECT_EQ(store.readValue("Work", "WepEnabled"), "1");
}

}  // namespace
