#pragma once
// The Link Info page on the default simulated machine, with the tray, its fields as
// plain statics: the link-up case (HomeNet in force and in range) and the endless search
// (a chain that leads back on itself towards networks out of range).
#include "controls/fake_tray_shell.h"
#include "controls/system_tray.h"
#include "monitor/link_info_page.h"
#include "support/sim_bench.h"

class LinkMonitorRig {
public:
    enum class Link { Up, Searching };

    explicit LinkMonitorRig(Link link) {
        for (int id : {IDC_LINK_STATUS, IDC_LINK_SSID, IDC_LINK_TX_RATE, IDC_LINK_CHANNEL, IDC_SIGNAL_PERCENT,
                       IDC_QUALITY_PERCENT, IDC_TX_FIGURE, IDC_RX_FIGURE})
            controls.addStatic(id);
        tray.Create(0, 0x800A, "WLAN Monitor", tray.LoadIcon(IDI_APPLICATION_ICON), 154, false, "", "t", 2, 20);
        SetTrayIcon(&tray);
        const char* ssid = link == Link::Up ? "HomeNet" : "NoSuchNet";
        env.profile("ActiveSetting", {{"SSID", ssid}, {"OperationMode", "0"}, {"Authentication", "2"},
                                      {"WepEnabled", "0"}, {"AutoSearch", "0"}});
        env.profile("FactoryDefault", {{"NextProfile", "A"}});
        env.profile("A", {{"SSID", "NoSuchNet"}, {"WepEnabled", "0"}, {"AutoSearch", "0"}, {"NextProfile", "B"}});
        env.profile("B", {{"SSID", "NoSuchNet2"}, {"WepEnabled", "0"}, {"AutoSearch", "0"}, {"NextProfile", "A"}});
        env.create(page);
    }
    ~LinkMonitorRig() { SetTrayIcon(nullptr); }
    LinkMonitorRig(const LinkMonitorRig&) = delete;
    LinkMonitorRig& operator=(const LinkMonitorRig&) = delete;

    // A second passes and timer 1 fires.
    void tick() {
        env.desktop.now += 1000;
        page.OnTimer(LinkInfoPage::kTimer);
    }

    SimBench env;
    FakeControls& controls = env.controls;
    FakeTrayShell trayShell;
    CSystemTray tray{trayShell, [](const std::string&, const std::string& d) { return d; }};
    LinkInfoPage page{env.services};
};
