// Lumora.exe under Wine with the simulated adapter: the link monitor end to end. The
// scenario file brings the link up, takes it away and brings a network of the profile
// chain into range; the Link Info page's fields and the registry show the monitor and
// the search at work, and Show opens Link Info or the Wizard by the link state. The
// steps share one program run, in the order written.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <string>

#include "lumora_process.h"

using namespace lumora_e2e;

namespace {

constexpr int kStatus = IDC_LINK_STATUS, kSsid = IDC_LINK_SSID, kChannel = IDC_LINK_CHANNEL, kRate = IDC_LINK_TX_RATE;
constexpr WPARAM kShow = ID_TRAY_SHOW, kHide = ID_TRAY_HIDE, kExit = ID_TRAY_EXIT;
constexpr WPARAM kAboutButton = IDC_HEADER_ABOUT;
// Six re-applications, five waits and a switch, a second each, and Wine's slack.
constexpr DWORD kSearchMs = 40000;
// From the program's start to its window on show, with a long stored key to check.
constexpr DWORD kStartAndShowMs = 8000;
constexpr size_t kLongKeyLength = 20000;
// Ticks after the search has reached a link to no stored profile.
constexpr size_t kTicksPastTheEnd = 20;

// "vexa" is the SSID start-up puts in force; BackupNet is the one the chain's last
// profile asks for. The simulator sees a changed file by its time stamp and size, so
// each variant differs in length.
std::string Scenario(bool vexa, bool backup) {
    std::string text =
        "[Driver]\nAssociationDelay=200\nRssiJitter=0\n"
        "[Adapter product]\nDescription=Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter\n"
        "DeviceName=\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}\nMac=00:A0:C5:4E:21:7B\n";
    text += "[Network vexa]\nSsid=vexa\nBssid=00:11:22:33:44:01\nChannel=10\nRssi=-50\nRates=g\n";
    text += vexa ? "InRange=1\n" : "InRange=0\n;;\n";
    text += "[Network backup]\nSsid=BackupNet\nBssid=00:11:22:33:44:02\nChannel=3\nRssi=-80\nRates=b\n";
    text += backup ? "InRange=1\n;;;;;;\n" : "InRange=0\n;;;;;;;;;;;;\n";
    return text;
}

class LinkMonitorEndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        run = std::make_unique<LumoraRun>("link_e2e");
        run->WriteScenario(Scenario(true, false));
        RemoveAllSettings();
        // A chain of two profiles; start-up keeps a FactoryDefault link that is there.
        WriteSetting("FactoryDefault", "NextProfile", "Office");
        WriteOpenProfile("Office", "OfficeNet", "Backup");
        WriteOpenProfile("Backup", "BackupNet", "end");
        // A hand-edited key far beyond any key size, hexadecimal in name only: the
        // Security page checks it while the program starts.
        WriteSetting("ActiveSetting", "KeyFormat", "0");
        WriteSetting("ActiveSetting", "Key1", "12" + std::string(kLongKeyLength - 2, 'x'));
        startTick = GetTickCount();
        started = run->Start();
        mainWindow = run->main;
    }
    static void TearDownTestSuite() { run.reset(); }
    void SetUp() override {
        ASSERT_TRUE(started) << "Lumora.exe could not be started";
        ASSERT_NE(mainWindow, nullptr) << "the main window never appeared";
    }

    static int CurrentPage() { return lumora_e2e::CurrentPage(mainWindow); }
    // The Link Info page: the page of the host that carries the monitor's four fields.
    static HWND LinkPage() {
        return FindPage(mainWindow, [](HWND w) {
            return GetDlgItem(w, kStatus) && GetDlgItem(w, kSsid) && GetDlgItem(w, kChannel) && GetDlgItem(w, kRate);
        });
    }
    static std::string Field(int id) { return WindowText(GetDlgItem(LinkPage(), id)); }
    static bool Shown() { return IsWindowVisible(mainWindow) != FALSE; }
    static void Command(WPARAM id) { PostMessageA(mainWindow, WM_COMMAND, id, 0); }
    static bool StartsWith(const std::string& text, const std::string& head) { return text.compare(0, head.size(), head) == 0; }

    static std::unique_ptr<LumoraRun> run;
    static DWORD startTick;
    static bool started;
    static HWND mainWindow;
};

std::unique_ptr<LumoraRun> LinkMonitorEndToEnd::run;
DWORD LinkMonitorEndToEnd::startTick = 0;
bool LinkMonitorEndToEnd::started = false;
HWND LinkMonitorEndToEnd::mainWindow = nullptr;

TEST_F(LinkMonitorEndToEnd, ALongStoredKeyDelaysNeitherStartUpNorShow) {
    Command(kShow);
    ASSERT_TRUE(WaitFor(Shown, kStartAndShowMs));
    const DWORD elapsed = GetTickCount() - startTick;
    std::printf("start to shown with a %u-character key: %lu ms\n", unsigned(kLongKeyLength), elapsed);
    EXPECT_LT(elapsed, kStartAndShowMs);
    Command(kHide);
    ASSERT_TRUE(WaitFor([] { return !Shown(); }));
}

TEST_F(LinkMonitorEndToEnd, ThePageShowsTheLiveLinkAndShowOpensIt) {
    ASSERT_TRUE(WaitFor([] { return LinkPage() != nullptr; }));
    // The first poll finds the adapter, the monitor puts ActiveSetting to it, it associates.
    ASSERT_TRUE(WaitFor([] { return Field(kStatus) == "Associated BSSID=00-11-22-33-44-01"; }))
        << Field(kStatus);
    EXPECT_EQ(Field(kSsid), "vexa");
    EXPECT_EQ(Field(kChannel), "10");
    EXPECT_EQ(Field(kRate), "54");
    EXPECT_EQ(ReadSetting("ActiveSetting", "SSID"), "vexa");

    Command(kAboutButton);   // start elsewhere, so that landing on Link Info is Show's doing
    ASSERT_TRUE(WaitFor([] { return CurrentPage() == MainPages::kAbout; }));
    Command(kShow);
    ASSERT_TRUE(WaitFor(Shown));
    EXPECT_TRUE(WaitFor([] { return CurrentPage() == MainPages::kLinkInfo; }));
    Command(kHide);
    ASSERT_TRUE(WaitFor([] { return !Shown(); }));
}

TEST_F(LinkMonitorEndToEnd, ALostLinkIsSearchedForAndShowThenOpensTheWizard) {
    ASSERT_TRUE(run->WriteScenario(Scenario(false, false)));
    // The status line grows a dot a second while ActiveSetting is tried again.
    ASSERT_TRUE(WaitFor([] { return StartsWith(Field(kStatus), "Network Search ..."); })) << Field(kStatus);
    EXPECT_EQ(Field(kSsid), "Recan SSID:vexa");
    const std::string first = Field(kStatus);
    ASSERT_TRUE(WaitFor([&] { return Field(kStatus).size() >= first.size() + 2; })) << Field(kStatus);
    EXPECT_TRUE(StartsWith(Field(kStatus), "Network Search ..."));

    Command(kShow);
    ASSERT_TRUE(WaitFor(Shown));
    EXPECT_TRUE(WaitFor([] { return CurrentPage() == MainPages::kWizardWelcome; }));   // the Wizard, for a link that is down
    Command(kHide);

    // Then the chain: its first profile is named, then made the settings in force.
    EXPECT_TRUE(WaitFor([] { return Field(kSsid) == "Auto Search Profile:Office"; }, kSearchMs)) << Field(kSsid);
    EXPECT_TRUE(WaitFor([] { return ReadSetting("ActiveSetting", "ProfileName") == "Office"; }, kSearchMs));
    EXPECT_TRUE(WaitFor([] { return ReadSetting("ActiveSetting", "SSID") == "OfficeNet"; }));
    EXPECT_TRUE(WaitFor([] { return Field(kSsid) == "Auto Search Profile:Backup"; }, kSearchMs)) << Field(kSsid);
}

TEST_F(LinkMonitorEndToEnd, ANetworkOfTheChainInRangeBringsTheLinkBack) {
    ASSERT_TRUE(run->WriteScenario(Scenario(false, true)));
    EXPECT_TRUE(WaitFor([] { return ReadSetting("ActiveSetting", "ProfileName") == "Backup"; }, kSearchMs));
    ASSERT_TRUE(WaitFor([] { return Field(kStatus) == "Associated BSSID=00-11-22-33-44-02"; }, kSearchMs))
        << Field(kStatus);
    EXPECT_EQ(Field(kSsid), "BackupNet");
    EXPECT_EQ(Field(kChannel), "3");
    EXPECT_EQ(Field(kRate), "11");
    Command(kShow);
    ASSERT_TRUE(WaitFor(Shown));
    EXPECT_TRUE(WaitFor([] { return CurrentPage() == MainPages::kLinkInfo; }));
}

// FactoryDefault -> Office -> Ghost, a profile that is not there, and no network in
// range: the search makes Office the settings in force and stops at the link to Ghost.
// Twenty ticks on, ActiveSetting still holds Office's values.
TEST_F(LinkMonitorEndToEnd, ALinkToAMissingProfileEndsTheSearchAndTheSettingsInForceStay) {
    WriteSetting("Office", "NextProfile", "Ghost");
    ASSERT_TRUE(run->WriteScenario(Scenario(false, false)));
    ASSERT_TRUE(WaitFor([] { return StartsWith(Field(kStatus), "Network Search ..."); }, kSearchMs)) << Field(kStatus);
    run->log.Mark();
    ASSERT_TRUE(WaitFor([] { return ReadSetting("ActiveSetting", "ProfileName") == "Office"; }, kSearchMs));
    ASSERT_TRUE(run->log.WaitForLines(MonitorTickLine(), kTicksPastTheEnd, kSearchMs));
    EXPECT_EQ(Field(kStatus), "No Connect to Network");
    EXPECT_EQ(ReadSetting("ActiveSetting", "ProfileName"), "Office");
    EXPECT_EQ(ReadSetting("ActiveSetting", "SSID"), "OfficeNet");
    EXPECT_EQ(ReadSetting("ActiveSetting", "OperationMode"), "0");
    EXPECT_EQ(ReadSetting("ActiveSetting", "Authentication"), "2");
    EXPECT_EQ(ReadSetting("ActiveSetting", "WepEnabled"), "0");
    EXPECT_EQ(ReadSetting("ActiveSetting", "Channel"), "6");
}

}  // namespace
