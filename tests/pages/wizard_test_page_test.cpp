// The wizard's test page: StartTest, and the three timers run on the window system's
// schedule (the link display every second, both checks every two) against the simulated
// adapter, with the Internet check behind its seam.
#include "pages/wizard_setup_page.h"
#include "pages/wizard_test_page.h"
#include "resources/resource_ids.h"
#include "wizard_fixture.h"

namespace {

const std::string kTesting = "Connection Testing ...";

class TestPage : public WizardFixture {
protected:
    explicit TestPage(const std::string& scenario = wizardScenario()) : WizardFixture(scenario) {}

    void SetUp() override {
        WizardFixture::SetUp();
        for (int id : {IDC_WIZARD_WIRELESS_TEXT, IDC_WIZARD_INTERNET_TEXT, IDC_SIGNAL_PERCENT, IDC_QUALITY_PERCENT,
                       IDC_TX_FIGURE, IDC_RX_FIGURE})
            controls.addStatic(id);
        create(page);
    }

    // Puts a network in force the way the setup page's Apply does.
    void applyNetwork(const std::string& ssid, const std::string& hexKey = "") {
        FakeControls form;
        FakeDialogWindow formWindow{&form};
        WizardSetupPage setup{services};
        form.addEdit(IDC_WIZARD_SSID, ssid);
        form.addRadio(IDC_WIZARD_WEP_ON, 1).checked = !hexKey.empty();
        form.addRadio(IDC_WIZARD_WEP_OFF, 1).checked = hexKey.empty();
        form.addRadio(IDC_WIZARD_ASCII_KEY, 2);
        form.addRadio(IDC_WIZARD_HEX_KEY, 2).checked = true;
        form.addComboBox(IDC_WIZARD_KEY_LENGTH, {"64 bits", "128 bits"}).selection = 0;
        form.addEdit(IDC_WIZARD_KEY, hexKey);
        setup.attachWindow(&formWindow);
        setup.apply();
        sim.ClearRequestLog();
    }

    bool running(unsigned timer) const { return window.timers.count(timer) != 0; }

    // One second of the window system's clock: timer 2 every second, 3 and 4 every
    // second second, as long as each is set.
    void second() {
        ++elapsed;
        desktop.now += 1000;
        if (running(2)) page.OnTimer(2);
        if (elapsed % 2 == 0) {
            if (running(3)) page.OnTimer(3);
            if (running(4)) page.OnTimer(4);
        }
    }
    void seconds(int n) {
        for (int i = 0; i < n; ++i) second();
    }
    std::string wireless() const { return controls.getText(IDC_WIZARD_WIRELESS_TEXT); }
    std::string internetLine() const { return controls.getText(IDC_WIZARD_INTERNET_TEXT); }
    static std::string dotted(int ticks) { return kTesting + std::string(2 * size_t(ticks), '.'); }

    WizardTestPage page{services};
    int elapsed = 0;
};

class SlowAssociation : public TestPage {
protected:
    SlowAssociation() : TestPage(wizardScenario("", "AssociationDelay=3000\n")) {}
};

TEST_F(SlowAssociation, PassAtTheFourSecondTickAndOneInternetLookAtTen) {
    settings.writeValue("Settings", "InternetCheckUrl", "http://127.0.0.1:8123/");
    applyNetwork("HomeNet");
    page.StartTest();
    EXPECT_EQ(window.timers[2], 1000u);
    EXPECT_EQ(window.timers[3], 2000u);
    EXPECT_EQ(window.timers[4], 2000u);
    page.StopTimers();   // another page chosen
    EXPECT_TRUE(window.timers.empty());
    page.StartTest();
    EXPECT_EQ(wireless(), kTesting);
    EXPECT_EQ(internetLine(), kTesting);

    seconds(2);
    EXPECT_EQ(wireless(), dotted(1)) << "not associated after 2 s";
    EXPECT_EQ(controls.getText(IDC_SIGNAL_PERCENT), "0%");
    EXPECT_EQ(controls.getText(IDC_QUALITY_PERCENT), "0%");
    seconds(2);
    EXPECT_EQ(wireless(), "Pass");
    EXPECT_FALSE(running(4));
    EXPECT_EQ(controls.getText(IDC_SIGNAL_PERCENT), "49%") << "-71 dBm";

    seconds(4);
    EXPECT_EQ(internetLine(), dotted(4));
    EXPECT_TRUE(internet.urls.empty());
    seconds(2);
    EXPECT_EQ(internetLine(), "Pass");
    EXPECT_EQ(internet.urls, std::vector<std::string>{"http://127.0.0.1:8123/"});
    EXPECT_FALSE(running(3));
    EXPECT_TRUE(running(2)) << "the link display runs on until the user leaves";
    seconds(10);
    EXPECT_EQ(internet.urls.size(), 1u);
    EXPECT_EQ(wireless(), "Pass");
}

TEST_F(TestPage, AWrongKeyFailsAtTenSecondsAndAnInternetErrorFails) {
    internet.outcome = InternetOutcome::Error;
    applyNetwork("VexaLab", "0000000000");
    page.StartTest();
    seconds(8);
    EXPECT_EQ(wireless(), dotted(4));
    EXPECT_TRUE(running(4));
    seconds(2);
    EXPECT_EQ(wireless(), "Fail");
    EXPECT_EQ(internetLine(), "Fail");
    EXPECT_FALSE(running(3));
    EXPECT_FALSE(running(4));
    EXPECT_EQ(internet.urls, std::vector<std::string>{kDefaultInternetCheckUrl});

    // A new pass through the wizard starts afresh.
    internet.outcome = InternetOutcome::Neither;
    applyNetwork("VexaLab", "1234567890");
    page.StartTest();
    EXPECT_EQ(wireless(), kTesting);
    EXPECT_EQ(page.wirelessTicks(), 0);
    seconds(10);
    EXPECT_EQ(wireless(), "Pass");
    EXPECT_EQ(internetLine(), dotted(5)) << "no handle and no error: the dots stay";
    EXPECT_FALSE(running(3));
}

TEST_F(TestPage, AnAdapterThatGoesAwayCountsAsNoLink) {
    applyNetwork("VexaLab", "0000000000");
    page.StartTest();
    seconds(3);
    const std::string figure = controls.getText(IDC_RX_FIGURE);
    SetCurrentAdapter(nullptr);
    seconds(7);
    EXPECT_EQ(wireless(), "Fail");
    EXPECT_EQ(controls.getText(IDC_RX_FIGURE), figure) << "no record, no link display";
}

TEST_F(TestPage, WithoutAnAdapterStartTestStartsNothing) {
    SetCurrentAdapter(nullptr);
    page.StartTest();
    EXPECT_TRUE(window.timers.empty());
    EXPECT_EQ(wireless(), "");
}

TEST_F(TestPage, TheLinkDisplayFollowsTheCountersWhileConnected) {
    applyNetwork("HomeNet");
    page.StartTest();
    seconds(3);
    ASSERT_EQ(adapter->mediaState, NdisMediaStateConnected);
    const uint32_t rxBefore = adapter->rxBytes;
    second();
    const int32_t kbps = LinkDisplay::throughputKbps(adapter->rxBytes, rxBefore);
    EXPECT_EQ(controls.getText(IDC_RX_FIGURE), std::to_string(kbps));
    EXPECT_EQ(page.display().rxHistory()[LinkDisplay::kSamples - 1], kbps);
    EXPECT_EQ(page.display().lastRxBytes(), adapter->rxBytes);
    EXPECT_GT(kbps, 0) << "the simulated link carries traffic";
}

}  // namespace
