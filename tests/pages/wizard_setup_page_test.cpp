// The wizard's setup page: the form reset, the WEP switch and remark, the key edit's
// check, and Apply's messages, stored values and requests as the simulated driver saw
// them.
#include <cstring>

#include "pages/wizard_setup_page.h"
#include "profiles/profile_apply.h"
#include "resources/resource_ids.h"
#include "wizard_fixture.h"

namespace {

struct WepRecord {
    uint32_t length = 0, keyIndex = 0, keyLength = 0;
    std::vector<uint8_t> key;
};
WepRecord wepRecord(const SimRequestLogEntry& e) {
    WepRecord r;
    if (e.bytes.size() < 12) return r;
    std::memcpy(&r.length, e.bytes.data(), 4);
    std::memcpy(&r.keyIndex, e.bytes.data() + 4, 4);
    std::memcpy(&r.keyLength, e.bytes.data() + 8, 4);
    r.key.assign(e.bytes.begin() + 12, e.bytes.end());
    return r;
}
uint32_t u32(const SimRequestLogEntry& e) {
    uint32_t v = 0;
    if (e.bytes.size() >= 4) std::memcpy(&v, e.bytes.data(), 4);
    return v;
}
std::string ssidOf(const SimRequestLogEntry& e) {
    uint32_t n = u32(e);
    return n <= 32 && e.bytes.size() == 36 ? std::string(e.bytes.begin() + 4, e.bytes.begin() + 4 + n) : "<bad>";
}

class SetupPage : public WizardFixture {
protected:
    explicit SetupPage(const std::string& scenario = wizardScenario()) : WizardFixture(scenario) {}

    void SetUp() override {
        WizardFixture::SetUp();
        controls.addEdit(IDC_WIZARD_SSID);
        controls.addRadio(IDC_WIZARD_WEP_ON, 1);
        controls.addRadio(IDC_WIZARD_WEP_OFF, 1);
        controls.addRadio(IDC_WIZARD_ASCII_KEY, 2);
        controls.addRadio(IDC_WIZARD_HEX_KEY, 2);
        controls.addComboBox(IDC_WIZARD_KEY_LENGTH);
        controls.addEdit(IDC_WIZARD_KEY);
        controls.addStatic(IDC_WIZARD_KEY_LABEL, "ASCII / HexKey");
        controls.addStatic(IDC_WIZARD_LENGTH_LABEL, "Length");
        controls.addStatic(IDC_WIZARD_HEX_REMARK);
        controls.addButton(IDC_APPLY);
        controls.addButton(IDC_CANCEL_IMAGE);
        create(page);
        page.PrepareSetup();
    }

    // The user's way through the form: SSID, WEP on, format, size, key.
    void fill(const std::string& ssid, bool hex, int size, const std::string& key) {
        controls.setText(IDC_WIZARD_SSID, ssid);
        controls.click(IDC_WIZARD_WEP_ON);
        controls.click(hex ? IDC_WIZARD_HEX_KEY : IDC_WIZARD_ASCII_KEY);
        controls.selectByUser(IDC_WIZARD_KEY_LENGTH, size);
        controls.type(IDC_WIZARD_KEY, key);
    }
    bool movedOn() const {
        for (const auto& c : window.parentCommands)
            if (c.first == IDC_WIZARD_NEXT) return true;
        return false;
    }
    bool keyControlsEnabled(bool enabled) const {
        for (int id : {IDC_WIZARD_ASCII_KEY, IDC_WIZARD_HEX_KEY, IDC_WIZARD_KEY_LENGTH, IDC_WIZARD_KEY,
                       IDC_WIZARD_KEY_LABEL, IDC_WIZARD_LENGTH_LABEL, IDC_WIZARD_HEX_REMARK})
            if (controls.isEnabled(id) != enabled) return false;
        return true;
    }
    void linkUp() {
        desktop.now += 5000;
        adapter->RefreshStatus();
    }

    WizardSetupPage page{services};
};

TEST_F(SetupPage, ResetSwitchAndRemark) {
    EXPECT_EQ(controls.textLimit(IDC_WIZARD_SSID), 32);
    EXPECT_EQ(controls.itemCount(IDC_WIZARD_KEY_LENGTH), 2);
    EXPECT_EQ(controls.itemText(IDC_WIZARD_KEY_LENGTH, 1), "128 bits");

    fill("HomeNet", true, 1, "ABCD");
    EXPECT_TRUE(keyControlsEnabled(true));
    EXPECT_TRUE(controls.isVisible(IDC_WIZARD_HEX_REMARK));
    controls.click(IDC_WIZARD_WEP_OFF);
    EXPECT_TRUE(keyControlsEnabled(false));
    EXPECT_TRUE(controls.isVisible(IDC_WIZARD_HEX_REMARK)) << "only the format governs the remark";

    // Without an adapter the form is kept as the user left it.
    SetCurrentAdapter(nullptr);
    page.PrepareSetup();
    EXPECT_EQ(controls.getText(IDC_WIZARD_SSID), "HomeNet");
    SetCurrentAdapter(adapter);

    for (int way = 0; way < 2; ++way) {
        fill("HomeNet", true, 1, "ABCD");
        if (way == 0) page.PrepareSetup(); else controls.click(IDC_CANCEL_IMAGE);
        EXPECT_EQ(controls.getText(IDC_WIZARD_SSID), "vexa") << way;
        EXPECT_EQ(controls.getText(IDC_WIZARD_KEY), "") << way;
        EXPECT_TRUE(controls.isChecked(IDC_WIZARD_WEP_OFF) && !controls.isChecked(IDC_WIZARD_WEP_ON)) << way;
        EXPECT_TRUE(controls.isChecked(IDC_WIZARD_ASCII_KEY) && !controls.isChecked(IDC_WIZARD_HEX_KEY)) << way;
        EXPECT_EQ(controls.selection(IDC_WIZARD_KEY_LENGTH), 0) << way;
        EXPECT_TRUE(keyControlsEnabled(false)) << way;
        EXPECT_FALSE(controls.isVisible(IDC_WIZARD_HEX_REMARK)) << way;
    }
    EXPECT_TRUE(sets().empty());
}

TEST_F(SetupPage, KeyEditLimitsAndDropsBadCharactersFromTheEndInOneLoop) {
    fill("HomeNet", false, 0, "Hello!");
    EXPECT_EQ(controls.getText(IDC_WIZARD_KEY), "Hello") << "ASCII 64 bits takes 5";
    controls.selectByUser(IDC_WIZARD_KEY_LENGTH, 1);
    controls.focus(IDC_WIZARD_SSID);
    controls.focus(IDC_WIZARD_KEY);
    EXPECT_EQ(controls.textLimit(IDC_WIZARD_KEY), 13);
    EXPECT_EQ(controls.selectedText(IDC_WIZARD_KEY), "Hello") << "focus selects the whole text";
    EXPECT_EQ(desktop.beeps, 0);

    controls.click(IDC_WIZARD_HEX_KEY);
    controls.setText(IDC_WIZARD_KEY, "");
    controls.type(IDC_WIZARD_KEY, "12G");
    EXPECT_EQ(controls.getText(IDC_WIZARD_KEY), "12");
    EXPECT_EQ(desktop.beeps, 1);
    EXPECT_EQ(controls.textLimit(IDC_WIZARD_KEY), 26);

    // A long text with a bad third character: everything after the two digits goes,
    // one beep each, without the handler recursing once per character.
    desktop.beeps = 0;
    controls.setText(IDC_WIZARD_KEY, "12G" + std::string(297, 'A'));
    EXPECT_EQ(controls.getText(IDC_WIZARD_KEY), "12");
    EXPECT_EQ(desktop.beeps, 298);
    EXPECT_FALSE(controls.runaway);
    EXPECT_EQ(controls.passwordChar(IDC_WIZARD_KEY), 0);
}

TEST_F(SetupPage, HexKeyOf64BitsIsSentAsFiveBytesInOrder) {
    store.writeValue("ActiveSetting", "Channel", "11");
    store.writeValue("ActiveSetting", "Key2", "kept");
    store.writeValue("ActiveSetting", "ProfileName", "Home");
    fill("VexaLab", true, 0, "12345678g90");   // the g is refused as typed
    EXPECT_EQ(controls.getText(IDC_WIZARD_KEY), "1234567890");
    controls.click(IDC_APPLY);

    EXPECT_TRUE(desktop.messages.empty());
    ASSERT_EQ(setOids(), (std::vector<uint32_t>{OID_802_11_INFRASTRUCTURE_MODE, OID_802_11_AUTHENTICATION_MODE,
                                                OID_802_11_ADD_WEP, OID_802_11_WEP_STATUS, OID_802_11_SSID}));
    const auto s = sets();
    EXPECT_EQ(u32(s[0]), Ndis802_11Infrastructure);
    EXPECT_EQ(u32(s[1]), Ndis802_11AuthModeAutoSwitch);
    const WepRecord key = wepRecord(s[2]);
    EXPECT_EQ(s[2].length, 17u);
    EXPECT_EQ(key.length, 17u);
    EXPECT_EQ(key.keyIndex, 0x80000000u);
    EXPECT_EQ(key.keyLength, 5u);
    EXPECT_EQ(key.key, (std::vector<uint8_t>{0x12, 0x34, 0x56, 0x78, 0x90}));
    EXPECT_EQ(u32(s[3]), Ndis802_11WEPEnabled);
    EXPECT_EQ(ssidOf(s[4]), "VexaLab");

    EXPECT_EQ(active("ProfileName"), "");
    EXPECT_EQ(active("OperationMode"), "0");
    EXPECT_EQ(active("Authentication"), "2");
    EXPECT_EQ(active("WepEnabled"), "1");
    EXPECT_EQ(active("KeyFormat"), "0");
    EXPECT_EQ(active("Key1"), "1234567890");
    EXPECT_EQ(active("Key1Length"), "0");
    EXPECT_EQ(active("SSID"), "VexaLab");
    EXPECT_EQ(active("Channel"), "11");
    EXPECT_EQ(active("Key2"), "kept");
    EXPECT_TRUE(movedOn());

    linkUp();
    EXPECT_EQ(adapter->mediaState, NdisMediaStateConnected) << "the simulated network took the key";
}

TEST_F(SetupPage, AsciiKeyOf128BitsIsSentAsItsCharacterCodes) {
    const std::string key = std::string("Vexa-Wire\xE9") + "12!";   // 13 characters, one from 0x80 up
    fill("Office128", false, 1, key);
    controls.click(IDC_APPLY);
    ASSERT_EQ(setOids().size(), 5u);
    const WepRecord sent = wepRecord(sets()[2]);
    EXPECT_EQ(sets()[2].length, 25u);
    EXPECT_EQ(sent.length, 25u);
    EXPECT_EQ(sent.keyIndex, 0x80000000u);
    EXPECT_EQ(sent.keyLength, 13u);
    EXPECT_EQ(sent.key, std::vector<uint8_t>(key.begin(), key.end()));
    EXPECT_EQ(active("KeyFormat"), "1");
    EXPECT_EQ(active("Key1"), key);
    EXPECT_EQ(active("Key1Length"), "1");
}

TEST_F(SetupPage, WepOffLeavesTheKeyValuesAlone) {
    store.writeValue("ActiveSetting", "KeyFormat", "0");
    store.writeValue("ActiveSetting", "Key1", "0123456789");
    store.writeValue("ActiveSetting", "Key1Length", "0");
    store.writeValue("ActiveSetting", "KeyIndex", "3");
    controls.setText(IDC_WIZARD_SSID, "HomeNet");
    controls.click(IDC_APPLY);
    EXPECT_EQ(setOids(), (std::vector<uint32_t>{OID_802_11_INFRASTRUCTURE_MODE, OID_802_11_AUTHENTICATION_MODE,
                                                OID_802_11_WEP_STATUS, OID_802_11_SSID}));
    EXPECT_EQ(u32(sets()[2]), Ndis802_11WEPDisabled);
    EXPECT_EQ(active("WepEnabled"), "0");
    EXPECT_EQ(active("KeyFormat"), "0");
    EXPECT_EQ(active("Key1"), "0123456789");
    EXPECT_EQ(active("Key1Length"), "0");
    EXPECT_EQ(active("KeyIndex"), "3");
    EXPECT_TRUE(movedOn());
}

TEST_F(SetupPage, RefusedFormsSendAndStoreNothing) {
    controls.setText(IDC_WIZARD_SSID, "");
    controls.click(IDC_APPLY);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "SSID size mistake!");
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Information);

    // Ten hex digits, then ASCII: the text keeps its ten characters, and Apply asks for 5.
    fill("VexaLab", true, 0, "0123456789");
    controls.click(IDC_WIZARD_ASCII_KEY);
    EXPECT_EQ(controls.getText(IDC_WIZARD_KEY), "0123456789");
    controls.click(IDC_APPLY);
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[1].text, "WEP Key size mistake!\nNeed 5 characters!");
    EXPECT_EQ(desktop.messages[1].title, "Lumora");

    EXPECT_TRUE(sets().empty());
    EXPECT_EQ(active("SSID"), "<missing>");
    EXPECT_EQ(active("WepEnabled"), "<missing>");
    EXPECT_FALSE(movedOn());
}

TEST_F(SetupPage, WithoutAnAdapterTheValuesAreStoredAndNothingIsSent) {
    SetCurrentAdapter(nullptr);
    fill("VexaLab", true, 0, "1234567890");
    controls.click(IDC_APPLY);
    EXPECT_TRUE(sim.RequestLog().empty());
    EXPECT_TRUE(desktop.messages.empty()) << "nothing was refused";
    EXPECT_EQ(active("SSID"), "VexaLab");
    EXPECT_EQ(active("Key1"), "1234567890");
    EXPECT_TRUE(movedOn());
}

TEST_F(SetupPage, TheStoredSettingsReapplyToTheSameKeyAndName) {
    // A default key other than key 1 stored earlier: the settings in force must name the
    // key the wizard sent, or the link monitor's next re-application sends another one.
    store.writeValue("ActiveSetting", "KeyIndex", "3");
    store.writeValue("ActiveSetting", "Key3Length", "1");
    const std::string ssid = "Caf\xE9 \x80";   // bytes from 0x80 up reach the driver as they are
    fill(ssid, true, 0, "1234567890");
    controls.click(IDC_APPLY);
    ASSERT_EQ(setOids().size(), 5u);
    EXPECT_EQ(ssidOf(sets()[4]), ssid);
    EXPECT_EQ(active("KeyIndex"), "1");

    sim.ClearRequestLog();
    applyProfile({store, adapter, desktop}, "ActiveSetting");
    std::vector<uint8_t> reapplied;
    std::string reappliedSsid;
    for (const auto& e : sets()) {
        if (e.oid == OID_802_11_ADD_WEP) reapplied = wepRecord(e).key;
        if (e.oid == OID_802_11_SSID) reappliedSsid = ssidOf(e);
    }
    EXPECT_EQ(reapplied, (std::vector<uint8_t>{0x12, 0x34, 0x56, 0x78, 0x90}));
    EXPECT_EQ(reappliedSsid, ssid);
}

class SetupPageOnAStrictDriver : public SetupPage {
protected:
    // The driver refuses keys and SSIDs.
    SetupPageOnAStrictDriver() : SetupPage(wizardScenario("Refuse=0x0D010113 0x0D010102\n")) { refusesSsid = true; }
};

TEST_F(SetupPageOnAStrictDriver, ARefusedKeyIsReportedAndApplyGoesOn) {
    fill("VexaLab", true, 0, "1234567890");
    controls.click(IDC_APPLY);
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, kDriverAccessErrorText);
    EXPECT_EQ(desktop.messages[0].title, "Error");
    EXPECT_EQ(desktop.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(setOids(), (std::vector<uint32_t>{OID_802_11_INFRASTRUCTURE_MODE, OID_802_11_AUTHENTICATION_MODE,
                                                OID_802_11_ADD_WEP, OID_802_11_WEP_STATUS, OID_802_11_SSID}));
    EXPECT_NE(sets()[4].status, 0u);
    EXPECT_EQ(active("SSID"), "VexaLab") << "stored before its request, whatever the driver said";
    EXPECT_TRUE(movedOn());
}

}  // namespace
