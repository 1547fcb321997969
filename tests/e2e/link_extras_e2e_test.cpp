// Lumora.exe under Wine with the simulated adapter: what the program tells beyond the
// link fields. A drop and a return show two balloons and two journal lines on the Link
// Info page; the tray menu's Profiles submenu, driven with its own keys, makes a profile
// the settings in force; the About page's button puts the support report on the
// clipboard. The steps share one program run, in the order written.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "lumora_process.h"

using namespace lumora_e2e;

namespace {

constexpr UINT kTrayCallback = WM_APP + 10;
constexpr WPARAM kTrayIconId = IDR_TRAY_MENU;
constexpr DWORD kSearchMs = 40000;
const char kOfficeKey[] = "Zq9#x";

// The simulator sees a changed file by its time stamp and size, so the variants differ in length.
std::string Scenario(bool vexa) {
    std::string text =
        "[Driver]\nAssociationDelay=200\nRssiJitter=0\n"
        "[Adapter product]\nDescription=Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter\n"
        "DeviceName=\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}\nMac=00:A0:C5:4E:21:7B\n"
        "[Network vexa]\nSsid=vexa\nBssid=00:11:22:33:44:01\nChannel=10\nRssi=-50\nRates=g\n";
    text += vexa ? "InRange=1\n" : "InRange=0\n;;;;\n";
    text += "[Network backup]\nSsid=BackupNet\nBssid=00:11:22:33:44:02\nChannel=3\nRssi=-60\nRates=b\nInRange=1\n";
    return text;
}

// The shell shows a balloon as a balloon tooltip window.
bool BalloonShows(const std::string& text) {
    HWND w = nullptr;
    while ((w = FindWindowExA(nullptr, w, "tooltips_class32", nullptr)) != nullptr)
        if (IsWindowVisible(w) && WindowText(w).find(text) != std::string::npos) return true;
    return false;
}

std::string ClipboardText() {
    if (!OpenClipboard(nullptr)) return std::string();
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) text = bytes;
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

class LinkExtrasEndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        run = std::make_unique<LumoraRun>("extras_e2e");
        run->WriteScenario(Scenario(true));
        RemoveAllSettings();
        WriteSetting("FactoryDefault", "NextProfile", "Office");
        WriteOpenProfile("Office", "OfficeNet", "Backup");
        WriteOpenProfile("Backup", "BackupNet", "end");
        WriteSetting("Office", "KeyFormat", "1");
        WriteSetting("Office", "Key1", kOfficeKey);
        started = run->Start();
        mainWindow = run->main;
    }
    static void TearDownTestSuite() { run.reset(); }
    void SetUp() override {
        ASSERT_TRUE(started) << "Lumora.exe could not be started";
        ASSERT_NE(mainWindow, nullptr) << "the main window never appeared";
    }

    static std::string Journal() { return run->Journal(); }
    static bool JournalStartsWith(const std::string& text) { return run->JournalStartsWith(text); }
    static int OpenMenus() {
        int n = 0;
        HWND w = nullptr;
        while ((w = FindWindowExA(nullptr, w, "#32768", nullptr)) != nullptr) n += IsWindowVisible(w) ? 1 : 0;
        return n;
    }
    static void Key(UINT message, WPARAM key) {
        if (HWND menu = FindWindowA("#32768", nullptr)) PostMessageA(menu, message, key, 0);
    }

    static std::unique_ptr<LumoraRun> run;
    static bool started;
    static HWND mainWindow;
};

std::unique_ptr<LumoraRun> LinkExtrasEndToEnd::run;
bool LinkExtrasEndToEnd::started = false;
HWND LinkExtrasEndToEnd::mainWindow = nullptr;

TEST_F(LinkExtrasEndToEnd, ADropAndAReturnShowTwoBalloonsAndTwoJournalLines) {
    ASSERT_TRUE(WaitFor([] { return JournalStartsWith("Link up: vexa (00-11-22-33-44-01), channel 10"); }, kSearchMs))
        << Journal();
    ASSERT_TRUE(run->WriteScenario(Scenario(false)));
    ASSERT_TRUE(WaitFor([] { return Journal().find("Link lost") != std::string::npos; })) << Journal();
    // Back before the search leaves the settings in force for the chain.
    ASSERT_TRUE(run->WriteScenario(Scenario(true)));
    EXPECT_TRUE(WaitFor([] { return BalloonShows("The wireless link was lost. Searching ..."); }));
    ASSERT_TRUE(WaitFor([] { return JournalStartsWith("Link up: vexa"); }, kSearchMs)) << Journal();
    EXPECT_TRUE(WaitFor([] { return BalloonShows("Connected again to vexa"); }, kSearchMs));
    const std::string journal = Journal();
    const size_t lost = journal.find("Link lost");
    EXPECT_LT(journal.find("Link up: vexa"), lost);   // newest first
    EXPECT_LT(lost, journal.rfind("Link up: vexa"));
}

TEST_F(LinkExtrasEndToEnd, TheTrayMenusProfilesItemPutsThatProfileInForce) {
    HWND tray = TrayWindowOf(run->Id());
    ASSERT_NE(tray, nullptr);
    run->log.Mark();
    PostMessageA(tray, kTrayCallback, kTrayIconId, WM_RBUTTONUP);
    ASSERT_TRUE(WaitFor([] { return OpenMenus() == 1; }));
    Key(WM_CHAR, 'p');                               // Profiles, its first profile selected
    ASSERT_TRUE(WaitFor([] { return OpenMenus() == 2; }));
    Key(WM_KEYDOWN, VK_DOWN);                        // the chain's second: Backup
    Key(WM_KEYDOWN, VK_RETURN);
    ASSERT_TRUE(WaitFor([] { return ReadSetting("ActiveSetting", "ProfileName") == "Backup"; }));
    EXPECT_EQ(ReadSetting("ActiveSetting", "SSID"), "BackupNet");
    const std::vector<std::string> sequence = {"0D010108", "0D010115", "0D010118", "0D01011B", "0D010102"};
    ASSERT_TRUE(WaitFor([&] { return run->log.SetOidsSinceMark().size() >= sequence.size(); }));
    const std::vector<std::string> sent = run->log.SetOidsSinceMark();
    EXPECT_EQ(std::vector<std::string>(sent.begin(), sent.begin() + sequence.size()), sequence);
    EXPECT_TRUE(WaitFor([] { return Journal().find("New settings applied (Backup)") != std::string::npos; }));
    EXPECT_TRUE(WaitFor([] { return JournalStartsWith("Link up: BackupNet"); }, kSearchMs)) << Journal();
    EXPECT_EQ(OpenMenus(), 0);
}

TEST_F(LinkExtrasEndToEnd, TheAboutPageButtonPutsTheReportOnTheClipboard) {
    HWND about = PageWith(mainWindow, IDC_ABOUT_REPORT);
    ASSERT_NE(about, nullptr);
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    DWORD_PTR result = 0;
    SendMessageTimeoutA(GetDlgItem(about, IDC_ABOUT_REPORT), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
    ASSERT_TRUE(WaitFor([] { return ClipboardText().find("Lumora support report") == 0; })) << ClipboardText();
    const std::string report = ClipboardText();
    for (const char* part : {"MAC address: 00:A0:C5:4E:21:7B", "Link now: BackupNet \x96 ",
                             "Adapters found:\r\n  Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter",
                             "  Office: SSID \"OfficeNet\", infrastructure, WEP off",
                             "  Backup: SSID \"BackupNet\"", "Link lost", "New settings applied (Backup)"})
        EXPECT_NE(report.find(part), std::string::npos) << part << "\n" << report;
    EXPECT_EQ(report.find(kOfficeKey), std::string::npos);
}

}  // namespace
