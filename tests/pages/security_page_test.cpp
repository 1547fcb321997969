// The Security page on the simulated adapter: loading ActiveSetting, the WEP check-box
// rule, and Apply's check, store and requests (against the simulator's request log).
#include "pages/security_page.h"

#include "profiles/wep_key_fields.h"
#include "settings_page_fixture.h"
#include "support/settings_page_controls.h"

namespace {

class SecurityPageTest : public SettingsPageTest {
protected:
    void SetUp() override {
        SettingsPageTest::SetUp();
        addSecurityPageControls(controls);
        // What start-up leaves in ActiveSetting on a fresh machine, WepEnabled aside.
        for (const auto& v : std::vector<std::pair<const char*, const char*>>{
                 {"SSID", "VexaLab"}, {"OperationMode", "0"}, {"Authentication", "2"}, {"1X", "0"},
                 {"KeyIndex", "1"}, {"Key1Length", "0"}, {"Key2Length", "0"}, {"Key3Length", "0"},
                 {"Key4Length", "0"}, {"KeyFormat", "1"}})
            setActive(v.first, v.second);
    }
    void createPage() {
        create(page);
        sim.ClearRequestLog();
    }
    void apply() {
        sim.ClearRequestLog();
        controls.click(IDC_APPLY);
    }

    SecurityPage page{services};
};

TEST_F(SecurityPageTest, NeverWrittenWepShowsUncheckedWithTheGroupDisabledButTheBox) {
    createPage();
    EXPECT_FALSE(controls.isChecked(IDC_EDITOR_WEP));
    EXPECT_TRUE(controls.isEnabled(IDC_EDITOR_WEP));
    for (int id : {IDC_EDITOR_AUTH_MODE, WepKeyId::edit(1), WepKeyId::radio(4), WepKeyId::Format,
                   WepKeyId::sizeList(3), IDC_SECURITY_KEY_LABEL, WepKeyId::Remark})
        EXPECT_FALSE(controls.isEnabled(id)) << id;
    EXPECT_EQ(controls.at(IDC_EDITOR_AUTH_MODE).items,
              (std::vector<std::string>{"Open Authentication", "Shared Authentication", "Auto"}));
    EXPECT_EQ(controls.getText(IDC_EDITOR_AUTH_MODE), "Auto");
    EXPECT_EQ(controls.getText(WepKeyId::Format), "ASCII");
    EXPECT_FALSE(controls.isVisible(WepKeyId::Remark));

    controls.click(IDC_EDITOR_WEP);
    EXPECT_TRUE(controls.isEnabled(WepKeyId::edit(1)));
    EXPECT_TRUE(controls.isEnabled(IDC_SECURITY_LENGTH_LABEL));
    controls.click(IDC_EDITOR_WEP);
    EXPECT_FALSE(controls.isEnabled(WepKeyId::edit(1)));
    EXPECT_TRUE(controls.isEnabled(IDC_EDITOR_WEP));
}

// The check's own deletions notify the page again; one guard for the page keeps them
// from nesting, however long the stored key.
TEST_F(SecurityPageTest, ALongNonHexStoredKeyIsTrimmedWithoutNesting) {
    setActive("KeyFormat", "0");
    setActive("Key1", "12" + std::string(150, 'x'));
    setActive("Key2", std::string(150, 'g'));
    createPage();
    EXPECT_EQ(controls.getText(WepKeyId::edit(1)), "12");
    EXPECT_EQ(controls.getText(WepKeyId::edit(2)), "");
    EXPECT_EQ(desktop.beeps, 300);
    EXPECT_LE(controls.deepest, 2);
    EXPECT_FALSE(controls.runaway);
}

TEST_F(SecurityPageTest, ApplyWithWepOffStoresTheKeysAsTheyStandAndSendsWepDisabled) {
    setActive("1X", "1");
    createPage();
    controls.setText(WepKeyId::edit(2), "not checked");   // WEP off: no key check at all
    controls.selectByUser(IDC_EDITOR_AUTH_MODE, 0);
    apply();

    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(active("WepEnabled"), "0");
    EXPECT_EQ(active("Key2"), "not checked");
    EXPECT_EQ(active("Authentication"), "0");
    EXPECT_EQ(active("1X"), "1");
    const auto s = sets();
    ASSERT_EQ(setOids(), (std::vector<uint32_t>{OID_802_11_DISASSOCIATE, OID_802_11_INFRASTRUCTURE_MODE,
                                                OID_802_11_AUTHENTICATION_MODE, OID_802_11_WEP_STATUS,
                                                OID_802_11_SSID, OID_802_11_PRIVACY_FILTER}));
    EXPECT_EQ(u32At(s[2], 0), Ndis802_11AuthModeOpen);
    EXPECT_EQ(u32At(s[3], 0), Ndis802_11WEPDisabled);
    EXPECT_EQ(ssidOf(s[4]), "VexaLab");
    EXPECT_EQ(u32At(s[5], 0), Ndis802_11PrivFilter8021xWEP);
    EXPECT_TRUE(sentLinkInfo());
}

TEST_F(SecurityPageTest, EmptyHexDefaultKeyAsksForTenCharactersAndSendsNothing) {
    setActive("WepEnabled", "1");
    setActive("KeyFormat", "0");
    createPage();
    const int writes = settings.writeCount();
    apply();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "WEP Key 1 size mistake!\nNeed 10 characters!");
    EXPECT_TRUE(sim.RequestLog().empty());
    EXPECT_EQ(settings.writeCount(), writes);
    EXPECT_FALSE(sentLinkInfo());
}

TEST_F(SecurityPageTest, ValidKeyIsStoredSentAndMaskedAndTheAdapterJoinsTheWepNetwork) {
    setActive("WepEnabled", "1");
    setActive("KeyFormat", "0");
    createPage();
    controls.click(WepKeyId::radio(2));
    controls.type(WepKeyId::edit(2), "1234567890");
    EXPECT_EQ(controls.passwordChar(WepKeyId::edit(2)), 0);   // typing shows the key
    apply();

    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(active("KeyIndex"), "2");
    EXPECT_EQ(active("Key2"), "1234567890");
    EXPECT_EQ(active("WepEnabled"), "1");
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(controls.passwordChar(WepKeyId::edit(n)), '*') << n;
    const auto s = sets();
    ASSERT_EQ(setOids(), (std::vector<uint32_t>{OID_802_11_DISASSOCIATE, OID_802_11_INFRASTRUCTURE_MODE,
                                                OID_802_11_AUTHENTICATION_MODE, OID_802_11_REMOVE_WEP,
                                                OID_802_11_REMOVE_WEP, OID_802_11_REMOVE_WEP,
                                                OID_802_11_REMOVE_WEP, OID_802_11_ADD_WEP, OID_802_11_WEP_STATUS,
                                                OID_802_11_SSID, OID_802_11_PRIVACY_FILTER}));
    EXPECT_EQ(u32At(s[7], 4), 0x80000001u);
    EXPECT_EQ(u32At(s[8], 0), Ndis802_11WEPEnabled);
    EXPECT_EQ(u32At(s[10], 0), Ndis802_11PrivFilterAcceptAll);
    desktop.now += 5000;
    adapter->RefreshStatus();
    EXPECT_EQ(adapter->mediaState, NdisMediaStateConnected);
    EXPECT_EQ(adapter->GetSsidText(), "VexaLab");
}

TEST_F(SecurityPageTest, KeyIndexNoRadioHasLeavesNoneCheckedAndApplyKeepsIt) {
    setActive("KeyIndex", "7");
    createPage();
    for (int n = 1; n <= 4; ++n) EXPECT_FALSE(controls.isChecked(WepKeyId::radio(n))) << n;
    apply();
    EXPECT_EQ(active("KeyIndex"), "7");
    EXPECT_EQ(active("WepEnabled"), "0");   // the rest is stored
}

TEST_F(SecurityPageTest, CancelAndReloadRestoreTheStoredKeyMasked) {
    setActive("WepEnabled", "1");
    setActive("Key1", "abcde");
    createPage();
    controls.type(WepKeyId::edit(1), "xyz");
    EXPECT_EQ(controls.passwordChar(WepKeyId::edit(1)), 0);
    controls.click(IDC_CANCEL_IMAGE);
    EXPECT_EQ(controls.getText(WepKeyId::edit(1)), "abcde");
    EXPECT_EQ(controls.passwordChar(WepKeyId::edit(1)), '*');

    // The main window's reload shows what another window stored meanwhile.
    setActive("Key1", "fghij");
    page.reloadSecurityPage();
    EXPECT_EQ(controls.getText(WepKeyId::edit(1)), "fghij");
    EXPECT_TRUE(sim.RequestLog().empty());
}

TEST_F(SecurityPageTest, TheRemarkFollowsTheUsersFormatChoiceOnly) {
    setActive("WepEnabled", "1");
    setActive("KeyFormat", "0");
    createPage();
    EXPECT_FALSE(controls.isVisible(WepKeyId::Remark));   // loading "Hex" leaves it hidden
    controls.selectByUser(WepKeyId::Format, 0);
    EXPECT_TRUE(controls.isVisible(WepKeyId::Remark));
    controls.selectByUser(WepKeyId::Format, 1);
    EXPECT_FALSE(controls.isVisible(WepKeyId::Remark));
}

TEST_F(SecurityPageTest, WithoutAnAdapterApplyStoresAndSendsNothingAndCancelDoesNothing) {
    createPage();
    SetCurrentAdapter(nullptr);
    controls.setText(WepKeyId::edit(3), "kept");
    apply();
    EXPECT_EQ(active("Key3"), "kept");
    EXPECT_TRUE(sim.RequestLog().empty());
    setActive("Key3", "other");
    controls.click(IDC_CANCEL_IMAGE);
    page.reloadSecurityPage();
    EXPECT_EQ(controls.getText(WepKeyId::edit(3)), "kept");
}

}  // namespace
