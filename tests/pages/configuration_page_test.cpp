// The Configuration page on the simulated adapter: what Load shows, what Apply sends
// (checked against the simulator's request log) and what it stores in ActiveSetting.
#include "pages/configuration_page.h"

#include "settings_page_fixture.h"
#include "support/settings_page_controls.h"

namespace {

class ConfigurationPageTest : public SettingsPageTest {
protected:
    void SetUp() override {
        SettingsPageTest::SetUp();
        addConfigurationPageControls(controls);
        create(page);
        sim.ClearRequestLog();
    }
    std::vector<std::string> channels() const { return controls.at(IDC_CONFIG_CHANNEL).items; }
    void apply() {
        sim.ClearRequestLog();
        controls.click(IDC_APPLY);
    }

    ConfigurationPage page{services};
};

TEST_F(ConfigurationPageTest, ConnectedAdapterShowsItsNetworkAndTheStoredOptions) {
    associate("HomeNet");   // channel 6, infrastructure
    setActive("AutoSearch", "1");
    setActive("MaxRate", "12");
    setActive("PowerSaveMode", "2");
    setActive("PreambleType", "1");
    page.Show();

    EXPECT_EQ(controls.getText(IDC_CONFIG_SSID), "HomeNet");
    EXPECT_EQ(controls.selection(IDC_CONFIG_BSS_TYPE), 0);
    EXPECT_FALSE(controls.isEnabled(IDC_CONFIG_CHANNEL));
    EXPECT_EQ(channels().size(), 11u);   // region 0x10: 1 to 11
    EXPECT_EQ(controls.getText(IDC_CONFIG_CHANNEL), "6");
    EXPECT_EQ(controls.selection(IDC_CONFIG_AUTO_SEARCH), 1);
    EXPECT_EQ(controls.getText(IDC_CONFIG_TX_RATE), "54 Mbps");
    EXPECT_EQ(controls.selection(IDC_CONFIG_POWER_MODE), 2);
    EXPECT_TRUE(controls.isEnabled(IDC_CONFIG_POWER_MODE));
    EXPECT_EQ(controls.selection(IDC_CONFIG_PREAMBLE), 1);

    // Choosing Ad-Hoc enables the channel list; Infrastructure disables it again.
    controls.selectByUser(IDC_CONFIG_BSS_TYPE, 1);
    EXPECT_TRUE(controls.isEnabled(IDC_CONFIG_CHANNEL));
    controls.selectByUser(IDC_CONFIG_BSS_TYPE, 0);
    EXPECT_FALSE(controls.isEnabled(IDC_CONFIG_CHANNEL));
}

TEST_F(ConfigurationPageTest, DisconnectedShowOffersTheFactoryNetworkAndAnUneditedApplySendsIt) {
    setActive("AutoSearch", "1");
    setActive("SSID", "Elsewhere");
    page.Show();
    EXPECT_EQ(controls.getText(IDC_CONFIG_SSID), "vexa");
    EXPECT_EQ(controls.selection(IDC_CONFIG_CHANNEL), 5);
    EXPECT_EQ(controls.selection(IDC_CONFIG_BSS_TYPE), 0);
    EXPECT_EQ(controls.selection(IDC_CONFIG_AUTO_SEARCH), 0);

    apply();
    const auto s = sets();
    ASSERT_EQ(setOids(), (std::vector<uint32_t>{OID_802_11_INFRASTRUCTURE_MODE, OID_802_11_SSID}));
    EXPECT_EQ(u32At(s[0], 0), Ndis802_11Infrastructure);
    EXPECT_EQ(ssidOf(s[1]), "vexa");
    EXPECT_EQ(s[1].length, 36u);
    EXPECT_EQ(active("AutoSearch"), "0");
    EXPECT_EQ(active("OperationMode"), "0");
    EXPECT_EQ(active("SSID"), "vexa");
    EXPECT_EQ(active("Channel"), "6");   // first channel + 5
    EXPECT_TRUE(sentLinkInfo());
}

TEST_F(ConfigurationPageTest, SpanishRegionListsTwoChannelsAndAdHocApplySendsTheChosenOne) {
    changeAdapter([](SimAdapterConfig& a) { a.region = 0x31; });
    adapter->RefreshStatus();
    page.Show();
    EXPECT_EQ(channels(), (std::vector<std::string>{"10", "11"}));
    EXPECT_EQ(controls.selection(IDC_CONFIG_CHANNEL), -1);   // position 5 does not exist

    controls.selectByUser(IDC_CONFIG_BSS_TYPE, 1);
    controls.selectByUser(IDC_CONFIG_CHANNEL, 1);
    controls.setText(IDC_CONFIG_SSID, "PartyNet");
    apply();

    EXPECT_EQ(active("Channel"), "11");
    EXPECT_EQ(active("OperationMode"), "1");
    const auto s = sets();
    ASSERT_EQ(setOids(), (std::vector<uint32_t>{OID_802_11_INFRASTRUCTURE_MODE, OID_802_11_SSID,
                                                OID_802_11_CONFIGURATION}));
    EXPECT_EQ(u32At(s[0], 0), Ndis802_11IBSS);
    EXPECT_EQ(ssidOf(s[1]), "PartyNet");
    EXPECT_EQ(s[2].length, 32u);
    EXPECT_EQ(u32At(s[2], 12), 2462000u);   // DSConfig of channel 11
    // The configuration sent is the one the driver reported, with only DSConfig changed.
    EXPECT_EQ(u32At(s[2], 0), 32u);
    EXPECT_EQ(u32At(s[2], 4), 100u);
}

// Answers the driver calls successful but leaves short count as failed queries: the type
// and channel are not taken from them, and no half-read configuration is sent back.
TEST_F(ConfigurationPageTest, ShortAnswersSelectNothingAndSendNoHalfReadConfiguration) {
    associate("HomeNet");
    changeAdapter([](SimAdapterConfig& a) {
        a.shortReplies[OID_802_11_INFRASTRUCTURE_MODE] = 3;
        a.shortReplies[OID_802_11_CONFIGURATION] = 31;
    });
    page.Show();
    EXPECT_EQ(controls.selection(IDC_CONFIG_BSS_TYPE), -1);
    EXPECT_EQ(controls.selection(IDC_CONFIG_CHANNEL), -1);

    controls.selectByUser(IDC_CONFIG_BSS_TYPE, 1);
    controls.selectByUser(IDC_CONFIG_CHANNEL, 2);
    apply();
    EXPECT_EQ(setOids(), (std::vector<uint32_t>{OID_802_11_INFRASTRUCTURE_MODE, OID_802_11_SSID}));
    EXPECT_EQ(active("Channel"), "3");
}

TEST_F(ConfigurationPageTest, InfrastructureApplyStoresTheChannelButSendsNoConfiguration) {
    associate("HomeNet");
    page.Show();
    int writes = settings.writeCount();
    apply();
    const int infrastructureWrites = settings.writeCount() - writes;
    EXPECT_EQ(setOids(), (std::vector<uint32_t>{OID_802_11_INFRASTRUCTURE_MODE, OID_802_11_SSID}));
    for (const auto& e : sim.RequestLog()) EXPECT_NE(e.oid, OID_802_11_CONFIGURATION);
    EXPECT_EQ(active("Channel"), "6");
    EXPECT_EQ(active("SSID"), "HomeNet");

    // Ad hoc sends the channel as well, but stores each value once, as infrastructure does.
    controls.selectByUser(IDC_CONFIG_BSS_TYPE, 1);
    controls.selectByUser(IDC_CONFIG_CHANNEL, 0);
    writes = settings.writeCount();
    apply();
    EXPECT_EQ(setOids(), (std::vector<uint32_t>{OID_802_11_INFRASTRUCTURE_MODE, OID_802_11_SSID,
                                                OID_802_11_CONFIGURATION}));
    EXPECT_EQ(u32At(sets()[2], 12), 2412000u);
    EXPECT_EQ(active("Channel"), "1");
    EXPECT_EQ(settings.writeCount() - writes, infrastructureWrites);
}

TEST_F(ConfigurationPageTest, RefusedSsidLeavesTheStoredSsidAndStillStoresTheRest) {
    page.Show();
    setActive("SSID", "Before");
    changeAdapter([](SimAdapterConfig& a) { a.refusedOids.insert(OID_802_11_SSID); });
    controls.setText(IDC_CONFIG_SSID, "Refused");
    controls.selectByUser(IDC_CONFIG_AUTO_SEARCH, 1);
    controls.selectByUser(IDC_CONFIG_CHANNEL, 2);
    apply();

    ASSERT_EQ(setOids().size(), 2u);
    EXPECT_NE(sets()[1].status, 0u);
    EXPECT_EQ(active("SSID"), "Before");
    EXPECT_EQ(active("AutoSearch"), "1");
    EXPECT_EQ(active("Channel"), "3");
    EXPECT_EQ(active("OperationMode"), "0");
    EXPECT_EQ(active("MaxRate"), "0");
    EXPECT_TRUE(sentLinkInfo());
}

TEST_F(ConfigurationPageTest, StoredPositionsOutsideTheirListsShowNothingAndStoreMinusOne) {
    setActive("MaxRate", "13");
    setActive("PreambleType", "short");   // no digits: position 0
    setActive("AutoSearch", "");
    page.Show();
    EXPECT_EQ(controls.selection(IDC_CONFIG_TX_RATE), -1);
    EXPECT_EQ(controls.selection(IDC_CONFIG_PREAMBLE), 0);
    apply();
    EXPECT_EQ(active("MaxRate"), "-1");
    EXPECT_EQ(active("PreambleType"), "0");
    EXPECT_EQ(active("AutoSearch"), "0");
    EXPECT_EQ(active("PowerSaveMode"), "0");
}

TEST_F(ConfigurationPageTest, NetworkTypeWithoutAChoiceSendsAndStoresNoType) {
    // The mode query fails at load: the freshly created list has no choice.
    changeAdapter([](SimAdapterConfig& a) { a.refusedOids.insert(OID_802_11_INFRASTRUCTURE_MODE); });
    page.Load();
    ASSERT_EQ(controls.selection(IDC_CONFIG_BSS_TYPE), -1);
    setActive("OperationMode", "1");
    apply();
    EXPECT_EQ(active("OperationMode"), "1");
    EXPECT_EQ(setOids(), (std::vector<uint32_t>{OID_802_11_SSID}));
}

TEST_F(ConfigurationPageTest, WithoutAnAdapterNothingIsLoadedSentOrStored) {
    EXPECT_TRUE(sim.RequestLog().empty());   // initialisation loads nothing either
    EXPECT_EQ(controls.textLimit(IDC_CONFIG_SSID), 32);
    SetCurrentAdapter(nullptr);
    const int writes = settings.writeCount();
    page.Show();
    controls.click(IDC_APPLY);
    controls.click(IDC_CANCEL_IMAGE);
    EXPECT_TRUE(sim.RequestLog().empty());
    EXPECT_EQ(settings.writeCount(), writes);
    EXPECT_EQ(controls.getText(IDC_CONFIG_SSID), "");
    EXPECT_FALSE(sentLinkInfo());
}

TEST_F(ConfigurationPageTest, CancelDiscardsEditsByLoadingAgain) {
    associate("HomeNet");
    page.Show();
    sim.ClearRequestLog();
    controls.setText(IDC_CONFIG_SSID, "typed");
    controls.selectByUser(IDC_CONFIG_CHANNEL, 0);
    controls.click(IDC_CANCEL_IMAGE);
    EXPECT_EQ(controls.getText(IDC_CONFIG_SSID), "HomeNet");
    EXPECT_EQ(controls.getText(IDC_CONFIG_CHANNEL), "6");
    EXPECT_TRUE(sets().empty());
}

}  // namespace
