// The profile editor driven as the user drives it: its three modes, what OK refuses and
// in which order, what it stores, links, sends to the simulated adapter and makes the
// settings in force.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/profile_editor_dialog.h"
#include "profiles/wep_key_fields.h"
#include "support/fake_dialog_window.h"
#include "support/profile_editor_controls.h"
#include "support/sim_bench.h"

namespace {

class ProfileEditorTest : public ::testing::Test {
protected:
    void open(EditorMode mode) {
        addProfileEditorControls(controls);
        editor.mode = mode;
        env.create(editor);
        controls.events.clear();
        env.sim.ClearRequestLog();
    }
    void clickOk() { controls.click(IDC_EDITOR_OK); }
    bool closedWithOk() const { return window.endResults == std::vector<int>{ProfileEditorDialog::kOk}; }
    std::string value(const std::string& profile, const std::string& name) const {
        return env.store.readValue(profile, name, "<missing>");
    }
    std::vector<std::string> channelItems() const { return controls.at(IDC_EDITOR_CHANNEL).items; }

    SimBench env;
    FakeControls& controls = env.controls;
    FakeDialogWindow& window = env.window;
    ProfileEditorDialog editor{env.services};
};

TEST_F(ProfileEditorTest, ConnectToAnOpenNetworkStoresAnOpenProfileWhateverTheListsShow) {
    editor.ssid = "HomeNet";
    editor.networkTypeIndex = 0;
    editor.channelNumber = 6;
    editor.networkUsesWep = false;
    open(EditorMode::Connect);

    EXPECT_EQ(window.title, "Connect:HomeNet");
    EXPECT_EQ(controls.getText(IDC_EDITOR_PROFILE_NAME), "HomeNet");
    EXPECT_EQ(controls.getText(IDC_EDITOR_SSID), "HomeNet");
    EXPECT_EQ(controls.getText(IDC_EDITOR_CHANNEL), "6");
    for (int id : {IDC_EDITOR_SSID, IDC_EDITOR_BSS_TYPE, IDC_EDITOR_CHANNEL, IDC_EDITOR_WEP, IDC_EDITOR_KEY1,
                   IDC_EDITOR_AUTH_MODE})
        EXPECT_FALSE(controls.isEnabled(id)) << id;
    EXPECT_TRUE(controls.isEnabled(IDC_EDITOR_PROFILE_NAME));
    EXPECT_EQ(controls.textLimit(IDC_EDITOR_PROFILE_NAME), 32);
    EXPECT_EQ(controls.textLimit(IDC_EDITOR_SSID), 32);
    // WEP cannot be switched on for an open network.
    controls.click(IDC_EDITOR_WEP);
    EXPECT_FALSE(controls.isChecked(IDC_EDITOR_WEP));

    // Whatever the disabled lists hold, the profile is open.
    controls.setSelectionIndex(IDC_EDITOR_AUTH_MODE, 1);
    controls.setText(IDC_EDITOR_KEY2, "abcde");
    controls.setSelectionIndex(IDC_EDITOR_KEY_FORMAT, 0);
    controls.setSelectionIndex(IDC_EDITOR_KEY3_LENGTH, 1);
    clickOk();

    ASSERT_TRUE(closedWithOk());
    EXPECT_TRUE(env.desktop.messages.empty());
    EXPECT_EQ(env.desktop.busySpells, 1);   // the hourglass while connecting, then back
    EXPECT_FALSE(env.desktop.busy);
    const struct { const char* name; const char* text; } stored[] = {
        {"SSID", "HomeNet"}, {"OperationMode", "0"}, {"Channel", "6"}, {"Authentication", "2"},
        {"WepEnabled", "0"}, {"1X", "0"}, {"KeyIndex", "1"}, {"Key1Length", "0"}, {"Key3Length", "0"},
        {"KeyFormat", "1"}, {"Key1", ""}, {"Key2", ""}, {"PowerSaveMode", "0"}, {"MaxRate", "0"},
        {"PreambleType", "0"}, {"NextProfile", "end"},
    };
    for (const auto& s : stored) EXPECT_EQ(value("HomeNet", s.name), s.text) << s.name;
    EXPECT_EQ(value("FactoryDefault", "NextProfile"), "HomeNet");
    EXPECT_EQ(value("ActiveSetting", "ProfileName"), "HomeNet");
    EXPECT_EQ(value("ActiveSetting", "SSID"), "HomeNet");
    EXPECT_EQ(env.setOids(), (std::vector<uint32_t>{OID_802_11_INFRASTRUCTURE_MODE, OID_802_11_DISASSOCIATE,
                                                    OID_802_11_AUTHENTICATION_MODE, OID_802_11_WEP_STATUS,
                                                    OID_802_11_SSID}));
}

TEST_F(ProfileEditorTest, ConnectToAnEncryptedNetworkNeedsADefaultKeyOfTheRightLength) {
    editor.ssid = "VexaLab";
    editor.channelNumber = 11;
    editor.networkUsesWep = true;
    open(EditorMode::Connect);

    EXPECT_TRUE(controls.isChecked(IDC_EDITOR_WEP));
    EXPECT_FALSE(controls.isEnabled(IDC_EDITOR_WEP));   // cannot be switched off
    EXPECT_TRUE(controls.isEnabled(IDC_EDITOR_KEY1));
    EXPECT_EQ(controls.selection(IDC_EDITOR_AUTH_MODE), 2);
    EXPECT_EQ(controls.selection(IDC_EDITOR_KEY_FORMAT), 1);   // ASCII
    EXPECT_FALSE(controls.isVisible(IDC_EDITOR_HEX_REMARK));

    // Hexadecimal: the remark shows, a typed G is dropped with a beep, the limit is 10.
    controls.selectByUser(IDC_EDITOR_KEY_FORMAT, 0);
    EXPECT_TRUE(controls.isVisible(IDC_EDITOR_HEX_REMARK));
    controls.click(IDC_EDITOR_DEFAULT_KEY2);
    controls.type(IDC_EDITOR_KEY2, "12G");
    EXPECT_EQ(controls.getText(IDC_EDITOR_KEY2), "12");
    EXPECT_EQ(env.desktop.beeps, 1);
    controls.type(IDC_EDITOR_KEY2, "3456789");
    const int writesBefore = env.settings.writeCount();
    clickOk();
    ASSERT_EQ(env.desktop.messages.size(), 1u);
    EXPECT_EQ(env.desktop.messages[0].text, "WEP Key 2 size mistake!\nNeed 10 characters!");
    EXPECT_EQ(env.desktop.messages[0].title, "Lumora");
    EXPECT_TRUE(window.endResults.empty());
    EXPECT_EQ(env.settings.writeCount(), writesBefore);   // nothing stored
    EXPECT_TRUE(env.sim.RequestLog().empty());

    controls.type(IDC_EDITOR_KEY2, "0AB");   // 12 digits typed, the limit keeps 10
    EXPECT_EQ(controls.getText(IDC_EDITOR_KEY2), "123456789" "0");
    EXPECT_EQ(controls.passwordChar(IDC_EDITOR_KEY2), 0);
    clickOk();
    ASSERT_TRUE(closedWithOk());
    EXPECT_EQ(value("VexaLab", "WepEnabled"), "1");
    EXPECT_EQ(value("VexaLab", "KeyIndex"), "2");
    EXPECT_EQ(value("VexaLab", "KeyFormat"), "0");
    EXPECT_EQ(value("VexaLab", "Key2"), "1234567890");
    EXPECT_EQ(value("VexaLab", "Channel"), "11");
    // The key reached the driver: the edits are masked again.
    bool added = false;
    for (const auto& e : env.sim.RequestLog()) added = added || e.oid == OID_802_11_ADD_WEP;
    EXPECT_TRUE(added);
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(controls.passwordChar(WepKeyId::edit(n)), '*') << n;
}

TEST_F(ProfileEditorTest, RefusesReservedAndUnstorableNamesInAnyLetterCase) {
    open(EditorMode::AddNew);
    EXPECT_EQ(window.title, "Add New Profile");
    EXPECT_EQ(controls.getText(IDC_EDITOR_CHANNEL), "1");
    EXPECT_TRUE(controls.isEnabled(IDC_EDITOR_WEP));
    EXPECT_FALSE(controls.isEnabled(IDC_EDITOR_KEY1));

    const struct { const char* name; const char* ssid; const char* message; } rows[] = {
        {"", "", "Profile name can't be empty !"},   // the name is looked at first
        {"", "Net", "Profile name can't be empty !"},
        {"Office", "", "The SSID can't be empty !"},
        {"ActiveSetting", "Net", "Profile name can't be \"ActiveSetting\"!"},
        {"aCTIVEsETTING", "Net", "Profile name can't be \"ActiveSetting\"!"},
        {"FACTORYDEFAULT", "Net", "Profile name can't be \"FactoryDefault\"!"},
        {"factorydefault", "", "The SSID can't be empty !"},   // the SSID before the names
        {"Home\\Office", "Net", "Profile name can't contain \"\\\"!"},
        {"\\", "Net", "Profile name can't contain \"\\\"!"},
        {"end", "Net", "Profile name can't be \"end\"!"},
        {"END", "Net", "Profile name can't be \"end\"!"},
        {"Settings", "Net", "Profile name can't be \"Settings\"!"},
        {"sETTINGS", "Net", "Profile name can't be \"Settings\"!"},
    };
    const int writesBefore = env.settings.writeCount();
    for (const auto& r : rows) {
        env.desktop.messages.clear();
        controls.setText(IDC_EDITOR_PROFILE_NAME, r.name);
        controls.setText(IDC_EDITOR_SSID, r.ssid);
        clickOk();
        ASSERT_EQ(env.desktop.messages.size(), 1u) << r.name;
        EXPECT_EQ(env.desktop.messages[0].text, r.message) << r.name;
        EXPECT_EQ(env.desktop.messages[0].title, "Lumora");
        EXPECT_EQ(env.desktop.messages[0].icon, MessageIcon::None);
        EXPECT_EQ(controls.getText(IDC_EDITOR_PROFILE_NAME), r.name);   // the input stays
    }
    EXPECT_TRUE(window.endResults.empty());
    EXPECT_EQ(env.settings.writeCount(), writesBefore);
    EXPECT_TRUE(env.sim.RequestLog().empty());

    // Names that only look alike are fine.
    for (const char* name : {"Active Setting", "ends", "Settings2", "/end"})
        EXPECT_EQ(ProfileEditorDialog::refusedNameMessage(name), "") << name;
}

TEST_F(ProfileEditorTest, EditLoadsTheProfileAndAChannelTheListLacksIsStoredEmpty) {
    env.adapter->regionCode = 0x31;   // channels 10 and 11 only
    env.profile("Cafe", {{"SSID", "CafeNet"}, {"OperationMode", "1"}, {"Channel", "6"}, {"PowerSaveMode", "2"},
                         {"PreambleType", "1"}, {"MaxRate", "12"}, {"WepEnabled", "1"}, {"Authentication", "1"},
                         {"KeyIndex", "3"}, {"Key3Length", "1"}, {"KeyFormat", "0"},
                         {"Key3", "00112233445566778899AABBCC"}, {"NextProfile", "end"}});
    env.store.writeValue("FactoryDefault", "NextProfile", "Cafe");
    editor.profileName = "Cafe";
    editor.networkUsesWep = true;
    open(EditorMode::Edit);

    EXPECT_EQ(channelItems(), (std::vector<std::string>{"10", "11"}));
    EXPECT_EQ(window.title, "Profile: Cafe");
    EXPECT_EQ(controls.getText(IDC_EDITOR_PROFILE_NAME), "Cafe");
    EXPECT_FALSE(controls.isEnabled(IDC_EDITOR_PROFILE_NAME));
    EXPECT_EQ(controls.getText(IDC_EDITOR_SSID), "CafeNet");
    EXPECT_EQ(controls.selection(IDC_EDITOR_BSS_TYPE), 1);
    EXPECT_EQ(controls.selection(IDC_EDITOR_CHANNEL), -1);
    EXPECT_EQ(controls.selection(IDC_EDITOR_POWER_MODE), 2);
    EXPECT_EQ(controls.getText(IDC_EDITOR_TX_RATE), "54 Mbps");
    EXPECT_TRUE(controls.isChecked(IDC_EDITOR_DEFAULT_KEY3));
    EXPECT_FALSE(controls.isChecked(IDC_EDITOR_DEFAULT_KEY1));
    EXPECT_TRUE(controls.isVisible(IDC_EDITOR_HEX_REMARK));
    EXPECT_EQ(controls.getText(IDC_EDITOR_KEY3), "00112233445566778899AABBCC");
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(controls.passwordChar(WepKeyId::edit(n)), '*') << n;

    clickOk();
    ASSERT_TRUE(closedWithOk());
    EXPECT_EQ(value("Cafe", "Channel"), "");
    EXPECT_EQ(value("Cafe", "MaxRate"), "12");
    EXPECT_EQ(value("Cafe", "PreambleType"), "1");
    EXPECT_EQ(value("Cafe", "Key3"), "00112233445566778899AABBCC");
    EXPECT_EQ(value("FactoryDefault", "NextProfile"), "Cafe");
    EXPECT_EQ(value("ActiveSetting", "ProfileName"), "Cafe");
}

TEST_F(ProfileEditorTest, ALongNonHexStoredKeyIsTrimmedWithoutNesting) {
    env.profile("Cafe", {{"KeyFormat", "0"}, {"Key4", "AB" + std::string(150, '-')}, {"WepEnabled", "1"}});
    editor.profileName = "Cafe";
    open(EditorMode::Edit);
    EXPECT_EQ(controls.getText(WepKeyId::edit(4)), "AB");
    EXPECT_EQ(env.desktop.beeps, 150);
    EXPECT_LE(controls.deepest, 2);
    EXPECT_FALSE(controls.runaway);
}

TEST_F(ProfileEditorTest, AddNewOverAnExistingNameKeepsItsPlaceInTheChain) {
    env.profile("Older", {{"SSID", "OldNet"}, {"NextProfile", "end"}});
    env.profile("Newer", {{"SSID", "NewNet"}, {"NextProfile", "Older"}});
    env.store.writeValue("FactoryDefault", "NextProfile", "Newer");
    open(EditorMode::AddNew);
    controls.setText(IDC_EDITOR_PROFILE_NAME, "Older");
    controls.setText(IDC_EDITOR_SSID, "ReplacedNet");
    controls.click(IDC_EDITOR_WEP);   // WEP switched on, then off again
    EXPECT_TRUE(controls.isEnabled(IDC_EDITOR_KEY1));
    controls.click(IDC_EDITOR_WEP);
    EXPECT_FALSE(controls.isEnabled(IDC_EDITOR_KEY1));
    EXPECT_TRUE(controls.isEnabled(IDC_EDITOR_WEP));
    clickOk();

    ASSERT_TRUE(closedWithOk());
    EXPECT_EQ(value("Older", "SSID"), "ReplacedNet");
    EXPECT_EQ(value("Older", "WepEnabled"), "0");
    EXPECT_EQ(env.store.listProfiles(), (std::vector<std::string>{"Newer", "Older"}));

    // A new name goes to the front.
    ProfileEditorDialog second(env.services);
    FakeControls c2;
    FakeDialogWindow w2(&c2);
    addProfileEditorControls(c2);
    second.attachWindow(&w2);
    routeNotifications(c2, second);
    second.DispatchInitDialog();
    c2.setText(IDC_EDITOR_PROFILE_NAME, "Newest");
    c2.setText(IDC_EDITOR_SSID, "X");
    c2.click(IDC_EDITOR_OK);
    EXPECT_EQ(env.store.listProfiles(), (std::vector<std::string>{"Newest", "Newer", "Older"}));
}

TEST_F(ProfileEditorTest, EnterChecksAndCancelStoresNothing) {
    open(EditorMode::AddNew);
    controls.setText(IDC_EDITOR_PROFILE_NAME, "Office");
    controls.setText(IDC_EDITOR_SSID, "Net");
    const int writesBefore = env.settings.writeCount();
    // Enter runs OK's checks rather than closing the dialog unconfirmed.
    controls.setText(IDC_EDITOR_SSID, "");
    editor.DispatchCommand(1, 0);   // IDOK
    EXPECT_TRUE(window.endResults.empty());
    ASSERT_EQ(env.desktop.messages.size(), 1u);
    EXPECT_EQ(env.desktop.messages[0].text, "The SSID can't be empty !");
    controls.click(IDC_CANCEL_IMAGE);
    EXPECT_EQ(window.endResults, std::vector<int>{ProfileEditorDialog::kCancel});
    EXPECT_EQ(env.settings.writeCount(), writesBefore);
    EXPECT_TRUE(env.sim.RequestLog().empty());
}

}  // namespace
