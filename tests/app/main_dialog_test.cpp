// The main window: initialisation, the adapter poll, tray commands and page switching,
// against the simulated adapter library.
#include <gtest/gtest.h>

#include <algorithm>

#include "adapter/adapter_context.h"
#include "adapter/current_adapter.h"
#include "adapter/q_adapter_info.h"
#include "app/fake_main_window.h"
#include "app/fake_service_control.h"
#include "app/simple_ini.h"
#include "language/language_texts.h"
#include "app/main_dialog.h"
#include "controls/system_tray.h"
#include "sim/sim_adapter_library.h"
#include "support/fake_desktop.h"
#include "controls/fake_tray_shell.h"

namespace {

const char kProduct[] = "Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter";
const char kProductName[] = "\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}";
const char kWiredName[] = "\\DEVICE\\{2F0A9C31-7B64-4E18-A0D2-59C3E81B7A46}";

std::string scenario(bool productPresent, const std::string& productExtra = "") {
    return std::string("[Adapter wired]\nDescription=Generic Fast Ethernet\nDeviceName=") + kWiredName +
           "\nMedium=14\n[Adapter product]\nDescription=" + kProduct + "\nDeviceName=" + kProductName +
           "\nPresent=" + (productPresent ? "1" : "0") + "\n" + productExtra +
           "[Network home]\nSsid=HomeNet\nChannel=6\n";
}

struct MainWindow : ::testing::Test {
    FakeDesktop desktop;
    SimAdapterLibrary sim{ParseScenario(scenario(true))};
    AdapterContext context{sim, desktop};
    SimpleIni ini;
    LanguageTexts texts{ini};
    FakeTrayShell trayShell;
    CSystemTray tray{trayShell, nullptr};
    FakeServiceControl scm;
    FakeMainWindowShell shell;
    FakePageHost host;
    RecordingPages pages;
    uint32_t osVersion = 8;
    std::unique_ptr<MainDialog> dialog;
    FakeDialogWindow window{0x4000};

    void SetUp() override {
        sim.SetClock([this] { return desktop.now; });
        ini.path = "C:\\Lumora\\Config.INI";
        texts.Open(ini.path, "Languages");
        texts.SetCurrentLanguage("English");
    }
    void TearDown() override { SetCurrentAdapter(nullptr); }

    void open() {
        dialog = std::make_unique<MainDialog>(MainDialog::Parts{
            context, texts, tray, scm, shell, host, pages, osVersion});
        dialog->attachWindow(&window);
        dialog->OnInitDialog();
    }
    FakeDialogWindow& pageWindow(int index) {
        return static_cast<FakeDialogWindow&>(*pages.page(index).window());
    }
    bool linkTimerRunning() { return pages.timed(MainPages::kLinkInfo).timersRunning; }
    void tick() {
        desktop.now += 2500;
        dialog->OnTimer(MainDialog::kPollTimer);
    }
    bool windowShown() { return trayShell.visible.count(0x4000) && trayShell.visible[0x4000]; }
};

TEST_F(MainWindow, InitialisationBuildsTrayPollAndPagesAndStartsHidden) {
    open();
    ASSERT_TRUE(dialog->Initialised());
    ASSERT_FALSE(trayShell.notifies.empty());
    const TrayIconRecord& added = trayShell.notifies[0].record;
    EXPECT_EQ(trayShell.notifies[0].what, TrayShell::Notify::Add);
    EXPECT_EQ(added.callbackMessage, 0x800Au);
    EXPECT_EQ(added.id, 154u);
    EXPECT_STREQ(added.tip, "WLAN Monitor");
    EXPECT_STREQ(added.infoTitle, "WLAN Utility Running!");
    EXPECT_EQ(added.timeout, 20000u);
    EXPECT_EQ(added.infoFlags, 2u);
    // Added as it stands until the first poll, "no card", and not changed on the way there.
    EXPECT_EQ(added.icon, 0x10000u + 226);
    EXPECT_EQ(trayShell.notifies.size(), 1u);
    EXPECT_EQ(tray.Record().icon, 0x10000u + 226);

    for (const char* call : {"no taskbar button", "big icon 128", "place page host"})
        EXPECT_EQ(std::count(shell.log.begin(), shell.log.end(), call), 1) << call;
    EXPECT_EQ(shell.pageHostRect, Rect::fromSize(-4, 75, 670, 600));
    EXPECT_EQ(window.client.width, 662);
    EXPECT_EQ(window.client.height, 651);
    EXPECT_EQ(window.timers[102], 2500u);
    EXPECT_FALSE(windowShown());   // sent to the tray at once

    ASSERT_EQ(host.pages.size(), 8u);
    const char* titles[] = {"Link Info.", "Configuration", "Security", "SiteSurvey",
                            "About",      "Wizard",        "Wizard",   "Wizard"};
    const int templates[] = {103, 105, 107, 108, 104, 114, 112, 113};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(host.pages[i].title, titles[i]);
        EXPECT_EQ(host.pages[i].data, uint32_t(i));
        EXPECT_EQ(host.pages[i].page->templateId(), templates[i]);
    }
    EXPECT_EQ(host.current, 0);
    EXPECT_EQ(GetCurrentAdapter(), nullptr);   // chosen by the first poll, not before
    for (int id : {1207, 1148, 1142, 1143, 1149, 1146}) EXPECT_EQ(window.attached.count(id), 1u) << id;
}

TEST_F(MainWindow, TheWindowGrowsWithItsTemplateAndThePagesReachItsBottom) {
    // made: the client area the template gave (dialog units at the font and DPI of the
    // day); tabs: the host's tab strip and margins under its pages. The window never
    // shrinks below its pictures (662 x 651); the host grows until its pages reach the
    // client area's bottom, whatever the height of its tabs.
    const struct {
        Size made;
        int tabs;
        Size client;
        Rect host;
    } cases[] = {
        {{0, 0}, 28, {662, 651}, Rect::fromSize(-4, 75, 670, 600)},      // the smallest window
        {{661, 652}, 28, {662, 652}, Rect::fromSize(-4, 75, 670, 601)},
        {{827, 802}, 28, {827, 802}, Rect::fromSize(-4, 75, 835, 751)},   // 120 DPI
        {{827, 802}, 40, {827, 802}, Rect::fromSize(-4, 75, 835, 763)},   // and taller tabs
    };
    for (const auto& c : cases) {
        FakeTrayShell caseTrayShell;
        CSystemTray caseTray{caseTrayShell, nullptr};
        FakeMainWindowShell caseShell;
        FakePageHost caseHost;
        RecordingPages casePages;
        FakeDialogWindow caseWindow{0x5000};
        caseWindow.client = c.made;
        caseHost.shell = &caseShell;
        caseHost.placementFor = [tabs = c.tabs](const Rect& hostRect) {
            return Rect::fromSize(4, 4, hostRect.width() - 8, hostRect.height() - tabs);
        };
        MainDialog caseDialog(MainDialog::Parts{context, texts, caseTray, scm, caseShell, caseHost, casePages, osVersion});
        caseDialog.attachWindow(&caseWindow);
        caseDialog.OnInitDialog();
        EXPECT_EQ(caseWindow.client.width, c.client.width) << c.made.width;
        EXPECT_EQ(caseWindow.client.height, c.client.height) << c.made.width;
        EXPECT_EQ(caseShell.pageHostRect, c.host) << c.made.width << " " << c.tabs;
        EXPECT_EQ(75 + caseHost.PagePlacement().bottom, c.client.height);   // no strip of tabs in sight
    }
}

TEST_F(MainWindow, WithoutATrayIconThereAreNoPagesAndNoPolling) {
    trayShell.addFails = true;
    open();
    EXPECT_FALSE(dialog->Initialised());
    EXPECT_TRUE(host.pages.empty());
    EXPECT_TRUE(window.timers.empty());
}

TEST_F(MainWindow, PollFindsTheAdapterAndStartsTheMonitor) {
    open();
    tick();
    QAdapterInfo* current = GetCurrentAdapter();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->GetDeviceName(), kProductName);
    EXPECT_TRUE(linkTimerRunning());
    EXPECT_FALSE(tray.IsHidden());
}

TEST_F(MainWindow, UnpluggedAdapterSendsTheWindowToTheTrayWithinOnePoll) {
    open();
    tick();
    ASSERT_NE(GetCurrentAdapter(), nullptr);
    dialog->OnCommand(MainDialog::kTrayShow, 0);
    ASSERT_TRUE(windowShown());

    sim.SetScenario(ParseScenario(scenario(false)));
    tick();
    EXPECT_EQ(GetCurrentAdapter(), nullptr);
    EXPECT_FALSE(linkTimerRunning());
    EXPECT_FALSE(windowShown());
    EXPECT_EQ(tray.GetTooltipText(), "WLAN Monitor\nNo Card Found");
    EXPECT_EQ(tray.Record().icon, 0x10000u + 226);

    sim.SetScenario(ParseScenario(scenario(true)));   // plugged in again
    tick();
    ASSERT_NE(GetCurrentAdapter(), nullptr);
    EXPECT_TRUE(linkTimerRunning());
}

TEST_F(MainWindow, NoProductAdapterAtAllKeepsTheTrayOnNoCard) {
    sim.SetScenario(ParseScenario(scenario(false)));
    open();
    tick();
    tick();
    EXPECT_EQ(GetCurrentAdapter(), nullptr);
    EXPECT_EQ(tray.GetTooltipText(), "WLAN Monitor\nNo Card Found");
    EXPECT_FALSE(linkTimerRunning());
}

TEST_F(MainWindow, UseDevice2LooksForItsOwnDescription) {
    sim.SetScenario(ParseScenario(
        scenario(true) +
        "[Adapter other]\nDescription=Acme Turbo Wireless\nDeviceName=\\DEVICE\\{11111111-2222-3333-4444-555555555555}\n"));
    ini.set("English", "UseDevice", "2");
    ini.set("English", "DeviceName2", "Turbo Wireless");
    open();
    tick();
    ASSERT_NE(GetCurrentAdapter(), nullptr);
    EXPECT_EQ(GetCurrentAdapter()->GetDescription(), "Acme Turbo Wireless");
}

TEST_F(MainWindow, WiredOrNotYetUsableAdaptersAreNeverChosen) {
    // A wired card that carries the product's description.
    sim.SetScenario(ParseScenario(std::string("[Adapter a]\nDescription=") + kProduct +
                                  "\nDeviceName=" + kWiredName + "\nMedium=14\n"));
    open();
    tick();
    EXPECT_EQ(GetCurrentAdapter(), nullptr);
    EXPECT_FALSE(linkTimerRunning());

    // A wireless adapter whose SSID query fails.
    sim.SetScenario(ParseScenario(scenario(true, "Refuse=0x0D010102\n")));
    tick();
    EXPECT_EQ(GetCurrentAdapter(), nullptr);

    // One that cannot be opened.
    sim.SetScenario(ParseScenario(scenario(true, "OpenFails=1\n")));
    tick();
    EXPECT_EQ(GetCurrentAdapter(), nullptr);
    EXPECT_FALSE(linkTimerRunning());
}

TEST_F(MainWindow, RemovedCurrentRecordIsDroppedEvenWhenTheNewCandidateIsNotUsable) {
    open();
    tick();
    ASSERT_NE(GetCurrentAdapter(), nullptr);
    // The adapter comes back under another device name and cannot be opened yet: its
    // old record is deleted by the refresh and the new one is not usable.
    std::string back = scenario(true, "OpenFails=1\n");
    back.replace(back.find(kProductName), std::string(kProductName).size(),
                 "\\DEVICE\\{99999999-8888-7777-6666-555555555555}");
    sim.SetScenario(ParseScenario(back));
    tick();
    EXPECT_EQ(GetCurrentAdapter(), nullptr);
    EXPECT_FALSE(linkTimerRunning());
}

TEST_F(MainWindow, ShowOpensLinkInfoWhenConnectedAndTheWizardWhenNot) {
    open();
    tick();
    ASSERT_NE(GetCurrentAdapter(), nullptr);

    GetCurrentAdapter()->mediaState = 0;
    dialog->OnCommand(MainDialog::kTrayShow, 0);
    EXPECT_TRUE(windowShown());
    EXPECT_EQ(host.current, 0);

    dialog->OnCommand(MainDialog::kTrayHide, 0);
    EXPECT_FALSE(windowShown());
    GetCurrentAdapter()->mediaState = 1;
    dialog->OnCommand(MainDialog::kTrayShow, 0);
    EXPECT_EQ(host.current, 5);
}

TEST_F(MainWindow, ShowWithoutAdapterLeavesThePageAlone) {
    sim.SetScenario(ParseScenario(scenario(false)));
    open();
    host.SelectPage(3);
    host.selections.clear();
    dialog->OnCommand(MainDialog::kTrayShow, 0);
    EXPECT_TRUE(windowShown());
    EXPECT_TRUE(host.selections.empty());
}

TEST_F(MainWindow, DoubleClickAlternatesBetweenShowAndHide) {
    open();
    trayShell.calls.clear();
    tray.OnTrayNotification(154, CSystemTray::kLeftButtonDoubleClick);
    EXPECT_EQ(trayShell.calls.back(), "command 32771 to 1280");
    dialog->OnCommand(MainDialog::kTrayShow, 0);
    tray.OnTrayNotification(154, CSystemTray::kLeftButtonDoubleClick);
    EXPECT_EQ(trayShell.calls.back(), "command 32772 to 1280");
    dialog->OnCommand(1039, 0);   // the hidden Hide button
    EXPECT_FALSE(windowShown());
    tray.OnTrayNotification(154, CSystemTray::kLeftButtonDoubleClick);
    EXPECT_EQ(trayShell.calls.back(), "command 32771 to 1280");
}

TEST_F(MainWindow, HeaderButtonsStopTheWizardTimersPrepareAndSelect) {
    open();
    tick();
    struct Row {
        int command;
        int index;
        std::vector<std::string> prep;
    } rows[] = {{1207, 5, {}},
                {1148, 0, {}},
                {1142, 1, {"reloadConfiguration"}},
                {1143, 2, {"reloadSecurityPage"}},
                {1149, 3, {"refreshNetworkList", "refreshProfileList"}},
                {1146, 4, {"fillAbout"}}};
    for (const Row& r : rows) {
        pages.timed(MainPages::kWizardTest).timersRunning = true;
        pages.log.clear();
        EXPECT_TRUE(dialog->OnCommand(r.command, 0));
        EXPECT_EQ(host.current, r.index) << r.command;
        EXPECT_EQ(pages.log, r.prep) << r.command;
        EXPECT_FALSE(pages.timed(MainPages::kWizardTest).timersRunning) << r.command;
    }
}

TEST_F(MainWindow, SiteSurveyIsNotPreparedWithoutAnAdapter) {
    sim.SetScenario(ParseScenario(scenario(false)));
    open();
    tick();
    dialog->OnCommand(1149, 0);
    EXPECT_EQ(host.current, 3);
    EXPECT_TRUE(pages.log.empty());
}

TEST_F(MainWindow, NextWalksTheWizardAndStopsAtTheLastPage) {
    open();
    host.SelectPage(5);
    dialog->OnCommand(1212, 0);
    EXPECT_EQ(host.current, 6);
    dialog->OnCommand(1212, 0);
    EXPECT_EQ(host.current, 7);
    EXPECT_EQ(pages.log, (std::vector<std::string>{"PrepareSetup", "StartTest"}));
    dialog->OnCommand(1212, 0);   // on page 7: nothing changes
    EXPECT_EQ(host.current, 7);
    host.SelectPage(2);
    dialog->OnCommand(1212, 0);
    EXPECT_EQ(host.current, 3);
}

TEST_F(MainWindow, ExitHandsTheAdapterBackOnXpOnly) {
    open();
    tick();
    ASSERT_NE(GetCurrentAdapter(), nullptr);
    scm.state = ServiceControl::kStopped;
    dialog->OnCommand(MainDialog::kTrayExit, 0);
    EXPECT_EQ(window.endResult, 2);
    EXPECT_NE(std::find(scm.log.begin(), scm.log.end(),
                        "open key SOFTWARE\\Microsoft\\WZCSVC\\Parameters\\Interfaces\\"
                        "{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}"),
              scm.log.end());
    EXPECT_NE(std::find(scm.log.begin(), scm.log.end(), "start"), scm.log.end());
}

TEST_F(MainWindow, ExitOnWindows2000OrWithoutAdapterTouchesNoService) {
    osVersion = 7;
    open();
    tick();
    dialog->OnCommand(MainDialog::kTrayExit, 0);
    EXPECT_TRUE(scm.log.empty());
    EXPECT_EQ(window.endResult, 2);

    TearDown();
    osVersion = 8;
    sim.SetScenario(ParseScenario(scenario(false)));
    window.endResult = -1;
    open();
    tick();
    dialog->OnCommand(MainDialog::kTrayExit, 0);
    EXPECT_TRUE(scm.log.empty());
    EXPECT_EQ(window.endResult, 2);
}

TEST_F(MainWindow, EscapeHidesAndEndsWithoutHandBack) {
    open();
    tick();
    dialog->OnCommand(MainDialog::kTrayShow, 0);
    dialog->OnCancel();
    EXPECT_FALSE(windowShown());
    EXPECT_EQ(window.endResult, 2);
    EXPECT_TRUE(scm.log.empty());
}

TEST_F(MainWindow, CloseAndMinimiseBoxesPutTheWindowInTheTray) {
    open();
    // Close (0xF060) and minimise (0xF020, also with the low bits the system adds) hide;
    // move (0xF010) and maximise (0xF030) get default processing.
    const struct {
        unsigned command;
        bool hides;
    } cases[] = {{0xF060, true}, {0xF020, true}, {0xF022, true}, {0xF010, false}, {0xF030, false}};
    for (const auto& c : cases) {
        dialog->OnCommand(MainDialog::kTrayShow, 0);
        ASSERT_TRUE(windowShown());
        EXPECT_EQ(dialog->OnSysCommand(c.command), c.hides) << std::hex << c.command;
        EXPECT_EQ(windowShown(), !c.hides) << std::hex << c.command;
    }
    EXPECT_EQ(window.endResult, -1);   // the program keeps running
}

TEST_F(MainWindow, PagesPassHeaderClicksUpToTheMainWindow) {
    open();
    EXPECT_TRUE(pages.page(2).DispatchCommand(1146, 0));
    EXPECT_EQ(pageWindow(2).log.back(), "to parent 1146");
    EXPECT_TRUE(pages.page(6).DispatchCommand(1212, 0));
    EXPECT_EQ(pageWindow(6).log.back(), "to parent 1212");
}

}  // namespace
