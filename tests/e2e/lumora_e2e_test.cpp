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
        run = std::make_unique<LumoraRun>("e2e");
        RemoveAllSettings();
    }
    static void TearDownTestSuite() { run.reset(); }
    void SetUp() override {
        // A step that ended the program (Exit) leaves the next one a fresh start.
        if (!run->Running()) {
            ASSERT_TRUE(run->WriteScenario(Scenario(true)));
            ASSERT_TRUE(run->Start()) << "the main window never appeared";
            ASSERT_TRUE(run->WaitForAdapter()) << "the poll never found the adapter";
            shownAfterStart = Shown();
        }
    }
    // Show, sent: back once the program has put the window on the screen, made it the
    // foreground window and chosen its page. (The window is visible midway through;
    // waiting for that alone let a click land while the page on show was still changing.)
    static void ShowWindow() {
        if (!Shown()) {
            ASSERT_TRUE(run->SendCommand(kShow));
        }
        ASSERT_TRUE(Shown());
        ASSERT_TRUE(WaitFor([] { return GetForegroundWindow() == run->main; }));
    }
    static void HideWindow() {
        if (Shown()) run->Command(kHide);
        ASSERT_TRUE(WaitFor([] { return !Shown(); }));
    }

    static int CurrentPage() { return run->CurrentPage(); }
    static bool Shown() { return run->Shown(); }
    // What a click on the tray icon sends to the program: the icon's callback message.
    static bool TrayMouse(LPARAM mouseMessage) {
        HWND tray = nullptr;
        return WaitFor([&] { return (tray = TrayWindowOf(run->Id())) != nullptr; }) &&
               PostMessageA(tray, kTrayCallback, kTrayIconId, mouseMessage) != FALSE;
    }

    static std::unique_ptr<LumoraRun> run;
    static bool shownAfterStart;
};

std::unique_ptr<LumoraRun> LumoraEndToEnd::run;
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
    EXPECT_TRUE(run->Running());
    WriteSetting("FactoryDefault", "SSID", "vexa");
    WriteSetting("ActiveSetting", "Channel", "10");
}

TEST_F(LumoraEndToEnd, DoubleClickOnTheTrayIconOpensLinkInfoOnceTheAdapterIsFound) {
    HideWindow();   // the double click's default command is Show only while hidden
    // Show opens Link Info only once the link monitor has put the settings in force to
    // the adapter and seen the link.
    ASSERT_TRUE(run->WaitForLinkUp("", kOnePoll + 15000)) << "the link never came up";
    // Start from another page, so that landing on Link Info is Show's doing and not
    // merely the page the window began with. The Security page reads nothing from the
    // adapter (the About page's fill would refresh the link state, and the adapter here
    // is not associated, so Show would rightly open the wizard).
    run->Command(IDC_HEADER_SECURITY);
    ASSERT_TRUE(WaitFor([] { return CurrentPage() == MainPages::kSecurity; }));
    EXPECT_FALSE(Shown());   // switching pages does not bring the window up
    ASSERT_TRUE(TrayMouse(WM_LBUTTONDBLCLK));   // the default command while hidden: Show
    ASSERT_TRUE(WaitFor(Shown));
    // The link is up: Show opens Link Info (the link monitor's own test covers the Wizard).
    EXPECT_TRUE(WaitFor([] { return CurrentPage() == MainPages::kLinkInfo; }));
}

// Moves the mouse onto a header button and waits until the button shows its hover
// picture (the mouse's messages reach it), then clicks it.
bool HoverAndClick(HWND button) {
    RECT r{};
    if (!button || !GetWindowRect(button, &r)) return false;
    const LRESULT normal = SendMessageA(button, STM_GETIMAGE, IMAGE_BITMAP, 0);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    if (!WaitFor([&] { return SendMessageA(button, STM_GETIMAGE, IMAGE_BITMAP, 0) != normal; })) return false;
    return Click(button);
}

TEST_F(LumoraEndToEnd, ClickingTheHeaderButtonsOfAWindowJustBackFromTheTraySwitchesPages) {
    HideWindow();
    ShowWindow();
    const struct {
        int button;
        int page;
    } buttons[] = {{IDC_HEADER_CONFIG, MainPages::kConfiguration}, {IDC_HEADER_SECURITY, MainPages::kSecurity}, {IDC_HEADER_SITE_SURVEY, MainPages::kSiteSurvey},
                   {IDC_HEADER_ABOUT, MainPages::kAbout}, {IDC_HEADER_WIZARD, MainPages::kWizardWelcome}, {IDC_HEADER_LINK_INFO, MainPages::kLinkInfo}};
    for (const auto& b : buttons) {
        HWND page = VisiblePage(run->main);
        ASSERT_NE(page, nullptr);
        ASSERT_TRUE(HoverAndClick(GetDlgItem(page, b.button)));
        EXPECT_TRUE(WaitFor([&] { return CurrentPage() == b.page; })) << b.button;
    }
}

TEST_F(LumoraEndToEnd, EachHeaderButtonShowsItsPage) {
    ShowWindow();
    const struct {
        WPARAM command;
        int page;
    } buttons[] = {{IDC_HEADER_WIZARD, MainPages::kWizardWelcome}, {IDC_HEADER_LINK_INFO, MainPages::kLinkInfo}, {IDC_HEADER_CONFIG, MainPages::kConfiguration},
                   {IDC_HEADER_SECURITY, MainPages::kSecurity}, {IDC_HEADER_SITE_SURVEY, MainPages::kSiteSurvey}, {IDC_HEADER_ABOUT, MainPages::kAbout}};
    for (const auto& b : buttons) {
        run->Command(b.command);
        EXPECT_TRUE(WaitFor([&] { return CurrentPage() == b.page; })) << b.command;
    }
    run->Command(IDC_HEADER_WIZARD);
    ASSERT_TRUE(WaitFor([] { return CurrentPage() == MainPages::kWizardWelcome; }));
    run->Command(IDC_WIZARD_NEXT);   // the wizard's second page
    EXPECT_TRUE(WaitFor([] { return CurrentPage() == MainPages::kWizardSetup; }));
    EXPECT_TRUE(Shown());
}

TEST_F(LumoraEndToEnd, UnpluggingSendsTheWindowToTheTrayWithinOnePoll) {
    ShowWindow();
    ASSERT_TRUE(run->WriteScenario(Scenario(false)));
    // One poll period, plus Wine's scheduling slack.
    EXPECT_TRUE(WaitFor([] { return !Shown(); }, kOnePoll + 2500));

    // Plugged in again: once a poll has found it and the link monitor has put the settings
    // in force to it and seen the link, Show opens Link Info as before.
    run->log.Mark();
    const std::string journal = run->Journal();   // its last line is the link of before
    ASSERT_TRUE(run->WriteScenario(Scenario(true)));
    ASSERT_TRUE(run->log.WaitForLine(ProductFoundLine(), kOnePoll + 2500));
    ASSERT_TRUE(run->WaitForLinkUp(journal, kOnePoll + 15000)) << "the link never came up";
    ASSERT_TRUE(run->ShowPage(IDC_HEADER_ABOUT, MainPages::kAbout));
    ShowWindow();
    EXPECT_EQ(CurrentPage(), 0);
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
    EXPECT_TRUE(run->WaitForExit());
}

}  // namespace
