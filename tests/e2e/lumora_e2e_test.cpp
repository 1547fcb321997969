// Lumora.exe under Wine with the simulated adapter, end to end: start-up, a refused
// second instance, Show, page switching, unplugging, Exit. The steps share one program
// run while it lasts; each makes the state it needs (a running program with its adapter
// found, the window shown or hidden) and waits for conditions, never for a fixed time, so
// they hold in any order (--gtest_shuffle).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>

#include "app/main_dialog.h"
#include "lumora_process.h"
#include "resources/resource_ids.h"

using namespace lumora_e2e;

namespace {

const char kTitle[] = "Vexa Nimbeo(TM) Wireless USB Adapter Utility";
constexpr WPARAM kShow = ID_TRAY_SHOW;
static_assert(kOnePoll == MainDialog::kPollPeriodMs, "the tests wait for the program's own poll");
constexpr WPARAM kHide = ID_TRAY_HIDE;
constexpr UINT kTrayCallback = MainDialog::kTrayCallback;
constexpr WPARAM kTrayIconId = MainDialog::kTrayIconId;

std::string Scenario(bool productPresent) {
    std::string text =
        "[Driver]\nAssociationDelay=200\n"
        "[Adapter wired]\nDescription=Generic 10/100 Fast Ethernet PCI Adapter\n"
        "DeviceName=\\DEVICE\\{2F0A9C31-7B64-4E18-A0D2-59C3E81B7A46}\nMedium=14\n"
        "[Adapter product]\nDescription=Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter\n"
        "DeviceName=\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}\nMac=00:A0:C5:4E:21:7B\n";
    // The simulator notices a changed file by its time stamp and size: keep the sizes apart.
    text += productPresent ? "Present=1\n" : "Present=0\n; unplugged\n";
    text += "[Network home]\nSsid=HomeNet\nChannel=6\n";
    // The SSID start-up puts in force: the link monitor associates with it.
    text += "[Network vexa]\nSsid=vexa\nChannel=10\n";
    return text;
}

class LumoraEndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        scenarioPath = TempPath("lumora_e2e_scenario.ini");
        WriteTextFile(scenarioPath, Scenario(true));
        SetEnvironmentVariableA("LUMORA_SIM_SCENARIO", scenarioPath.c_str());
        log = std::make_unique<RequestLog>(TempPath("lumora_e2e_requests.log"));
        RemoveAllSettings();
    }
    static void TearDownTestSuite() {
        first.reset();   // ends the program if a step left it running
        log.reset();
        DeleteFileA(scenarioPath.c_str());
    }
    void SetUp() override {
        // A step that ended the program (Exit) leaves the next one a fresh start.
        if (!first || !first->Running()) {
            WriteTextFile(scenarioPath, Scenario(true));
            log->Mark();
            first = std::make_unique<LumoraProcess>();
            mainWindow = nullptr;
            ASSERT_TRUE(first->Start(BesideThisProgram("Lumora.exe"))) << "Lumora.exe could not be started";
            ASSERT_TRUE(WaitFor([] { return (mainWindow = FindProcessWindow(first->Id(), kTitle)) != nullptr; }))
                << "the main window never appeared";
            ASSERT_TRUE(log->WaitForLine(ProductFoundLine())) << "the poll never found the adapter";
            shownAfterStart = Shown();
        }
        ASSERT_NE(mainWindow, nullptr);
    }
    static void ShowWindow() {
        if (!Shown()) Command(kShow);
        ASSERT_TRUE(WaitFor(Shown));
    }
    static void HideWindow() {
        if (Shown()) Command(kHide);
        ASSERT_TRUE(WaitFor([] { return !Shown(); }));
    }

    static int CurrentPage() { return lumora_e2e::CurrentPage(mainWindow); }
    static bool Shown() { return IsWindowVisible(mainWindow) != FALSE; }
    static void Command(WPARAM id) { PostMessageA(mainWindow, WM_COMMAND, id, 0); }
    // What a click on the tray icon sends to the program: the icon's callback message.
    static bool TrayMouse(LPARAM mouseMessage) {
        HWND tray = nullptr;
        return WaitFor([&] { return (tray = TrayWindowOf(first->Id())) != nullptr; }) &&
               PostMessageA(tray, kTrayCallback, kTrayIconId, mouseMessage) != FALSE;
    }

    static std::string scenarioPath;
    static std::unique_ptr<RequestLog> log;
    static std::unique_ptr<LumoraProcess> first;
    static HWND mainWindow;
    static bool shownAfterStart;
};

std::string LumoraEndToEnd::scenarioPath;
std::unique_ptr<RequestLog> LumoraEndToEnd::log;
std::unique_ptr<LumoraProcess> LumoraEndToEnd::first;
HWND LumoraEndToEnd::mainWindow = nullptr;
bool LumoraEndToEnd::shownAfterStart = true;

TEST_F(LumoraEndToEnd, StartsHiddenWithTheReservedProfilesInTheRegistry) {
    EXPECT_FALSE(shownAfterStart);   // still in the tray once the first poll found the adapter
    EXPECT_EQ(ReadSetting("FactoryDefault", "SSID"), "vexa");
    EXPECT_EQ(ReadSetting("FactoryDefault", "Channel"), "10");
    EXPECT_EQ(ReadSetting("FactoryDefault", "NextProfile"), "end");
    EXPECT_EQ(ReadSetting("ActiveSetting", "ProfileName"), "FactoryDefault");
    EXPECT_EQ(ReadSetting("ActiveSetting", "AutoSearch"), "0");
    EXPECT_EQ(ReadSetting("ActiveSetting", "KeyFormat"), "1");
    EXPECT_NE(ReadSetting("Settings", "ProfilePath"), "<missing>");
}

TEST_F(LumoraEndToEnd, SecondStartShowsTheMessageAndLeavesTheSettingsAlone) {
    // A value start-up would rewrite: the second instance must not get that far.
    WriteSetting("FactoryDefault", "SSID", "changed-by-test");
    WriteSetting("ActiveSetting", "Channel", "");
    std::string profilePath = ReadSetting("Settings", "ProfilePath");

    LumoraProcess second;
    ASSERT_TRUE(second.Start(BesideThisProgram("Lumora.exe")));
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = FindDialogWithText(second.Id(), "Application is already running!")) != nullptr; }));
    char title[64] = {};
    GetWindowTextA(box, title, sizeof title);
    EXPECT_STREQ(title, "Lumora");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(second.WaitForExit());

    EXPECT_EQ(ReadSetting("FactoryDefault", "SSID"), "changed-by-test");
    EXPECT_EQ(ReadSetting("ActiveSetting", "Channel"), "");
    EXPECT_EQ(ReadSetting("Settings", "ProfilePath"), profilePath);
    EXPECT_TRUE(first->Running());
    WriteSetting("FactoryDefault", "SSID", "vexa");
    WriteSetting("ActiveSetting", "Channel", "10");
}

TEST_F(LumoraEndToEnd, DoubleClickOnTheTrayIconOpensLinkInfoOnceTheAdapterIsFound) {
    HideWindow();   // the double click's default command is Show only while hidden
    // Show opens Link Info only once the link monitor has put the settings in force to
    // the adapter and seen the link.
    ASSERT_TRUE(log->WaitForLine(LinkUpLine(), kOnePoll + 15000)) << "the link never came up";
    // Start from another page, so that landing on Link Info is Show's doing and not
    // merely the page the window began with. The Security page reads nothing from the
    // adapter (the About page's fill would refresh the link state, and the adapter here
    // is not associated, so Show would rightly open the wizard).
    Command(IDC_HEADER_SECURITY);
    ASSERT_TRUE(WaitFor([] { return CurrentPage() == 2; }));
    EXPECT_FALSE(Shown());   // switching pages does not bring the window up
    ASSERT_TRUE(TrayMouse(WM_LBUTTONDBLCLK));   // the default command while hidden: Show
    ASSERT_TRUE(WaitFor(Shown));
    // The link is up: Show opens Link Info (the link monitor's own test covers the Wizard).
    EXPECT_TRUE(WaitFor([] { return CurrentPage() == 0; }));
}

// The page on show: the visible child dialog of the page host.
HWND VisiblePage(HWND mainWindow) { return FindPage(mainWindow, [](HWND w) { return IsWindowVisible(w) != FALSE; }); }

// Clicks `control` until `done` holds, a few times at most. Under Wine the first click
// into a window that has just come up from the tray can be lost on its way through the
// X server; a program that does not react to clicks fails every attempt.
bool ClickUntil(HWND control, const std::function<bool()>& done) {
    for (int attempt = 0; attempt < 3; ++attempt)
        if (Click(control) && WaitFor(done, 3000)) return true;
    return false;
}

TEST_F(LumoraEndToEnd, ClickingTheHeaderButtonsOfThePageOnShowSwitchesPages) {
    ShowWindow();
    const struct {
        int button;
        int page;
    } buttons[] = {{IDC_HEADER_CONFIG, 1}, {IDC_HEADER_SECURITY, 2}, {IDC_HEADER_SITE_SURVEY, 3},
                   {IDC_HEADER_ABOUT, 4}, {IDC_HEADER_WIZARD, 5}, {IDC_HEADER_LINK_INFO, 0}};
    // Under Wine the first click into a window just brought up from the tray can be
    // taken by its activation: click the page's empty background first.
    ASSERT_TRUE(Click(VisiblePage(mainWindow)));
    Sleep(300);
    for (const auto& b : buttons) {
        HWND page = VisiblePage(mainWindow);
        ASSERT_NE(page, nullptr);
        EXPECT_TRUE(ClickUntil(GetDlgItem(page, b.button), [&] { return CurrentPage() == b.page; })) << b.button;
    }
}

TEST_F(LumoraEndToEnd, EachHeaderButtonShowsItsPage) {
    ShowWindow();
    const struct {
        WPARAM command;
        int page;
    } buttons[] = {{IDC_HEADER_WIZARD, 5}, {IDC_HEADER_LINK_INFO, 0}, {IDC_HEADER_CONFIG, 1},
                   {IDC_HEADER_SECURITY, 2}, {IDC_HEADER_SITE_SURVEY, 3}, {IDC_HEADER_ABOUT, 4}};
    for (const auto& b : buttons) {
        Command(b.command);
        EXPECT_TRUE(WaitFor([&] { return CurrentPage() == b.page; })) << b.command;
    }
    Command(IDC_HEADER_WIZARD);
    ASSERT_TRUE(WaitFor([] { return CurrentPage() == 5; }));
    Command(IDC_WIZARD_NEXT);   // the wizard's second page
    EXPECT_TRUE(WaitFor([] { return CurrentPage() == 6; }));
    EXPECT_TRUE(Shown());
}

TEST_F(LumoraEndToEnd, UnpluggingSendsTheWindowToTheTrayWithinOnePoll) {
    ShowWindow();
    ASSERT_TRUE(WriteTextFile(scenarioPath, Scenario(false)));
    // One poll period, plus Wine's scheduling slack.
    EXPECT_TRUE(WaitFor([] { return !Shown(); }, kOnePoll + 2500));

    // Plugged in again: once a poll has found it and the link monitor has put the settings
    // in force to it and seen the link, Show opens Link Info as before.
    log->Mark();
    ASSERT_TRUE(WriteTextFile(scenarioPath, Scenario(true)));
    ASSERT_TRUE(log->WaitForLine(ProductFoundLine(), kOnePoll + 2500));
    ASSERT_TRUE(log->WaitForLine(LinkUpLine(), kOnePoll + 15000)) << "the link never came up";
    // Show reads the link as the monitor's latest tick left it, and the link the monitor
    // has just brought up on a card plugged in again can still be settling: give Show a
    // few bounded tries.
    bool linkInfo = false;
    for (int attempt = 0; attempt < 3 && !linkInfo; ++attempt) {
        Command(IDC_HEADER_ABOUT);
        ASSERT_TRUE(WaitFor([] { return CurrentPage() == 4; }));
        Command(kShow);
        EXPECT_TRUE(WaitFor(Shown));
        linkInfo = WaitFor([] { return CurrentPage() == 0; }, 3000);
    }
    EXPECT_TRUE(linkInfo) << "page " << CurrentPage();
}

// Below the middle of a menu item of any font, above the menu's frame.
constexpr int kLastItemFromBottom = 8;

TEST_F(LumoraEndToEnd, ExitFromTheTrayMenuEndsTheProcess) {
    ASSERT_TRUE(TrayMouse(WM_RBUTTONUP));
    HWND menu = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (menu = FindWindowA("#32768", nullptr)) != nullptr && IsWindowVisible(menu); }));
    // Exit is the last item: a click a few pixels above the menu's lower edge.
    RECT r{};
    ASSERT_TRUE(GetWindowRect(menu, &r));
    ASSERT_TRUE(ClickAt((r.left + r.right) / 2, r.bottom - kLastItemFromBottom));
    EXPECT_TRUE(first->WaitForExit());
}

}  // namespace
