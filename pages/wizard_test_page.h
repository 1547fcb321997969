#pragma once
// The wizard's third page (dialog 113): the connection test. For ten seconds after
// StartTest() it watches whether the adapter associates ("Wireless Network Connect")
// and makes one attempt to open a web page ("Internet Connection"), while the live
// signal strength, link quality and throughput run on the link display shared with the
// Link Info page. Timers: 2 the link display (1 s), 3 the Internet check and 4 the
// wireless check (2 s each). The main window stops all three when the user leaves.

#include <cstdint>
#include <string>

#include "controls/page_base.h"
#include "kit/link_display.h"
#include "controls/header_row.h"

struct PageServices;

class WizardTestPage : public PageBase {
public:
    static constexpr unsigned kLinkTimer = 2;
    static constexpr unsigned kInternetTimer = 3;
    static constexpr unsigned kWirelessTimer = 4;
    static constexpr unsigned kLinkPeriodMs = 1000;
    static constexpr unsigned kCheckPeriodMs = 2000;
    // The tick that decides: 10 s after the start.
    static constexpr int kDecidingTick = 5;
    static constexpr Colour kBarColour = rgb(51, 102, 153);
    static constexpr const char* kTesting = "Connection Testing ...";
    static constexpr const char* kPass = "Pass";
    static constexpr const char* kFail = "Fail";

    explicit WizardTestPage(PageServices& services);

    bool OnInitDialog() override;
    void OnTimer(unsigned timerId) override;
    // The link display and both checks stop.
    void StopTimers() override;
    void OnMouseMove(int x, int y) override;

    // Run by the main window on its way from the setup page; only with a current
    // adapter record. The link display's counters and histories carry on.
    void StartTest();

    const std::string& wirelessText() const { return wirelessText_; }
    const std::string& internetText() const { return internetText_; }
    int wirelessTicks() const { return wirelessTicks_; }
    int internetTicks() const { return internetTicks_; }
    LinkDisplay& display() { return display_; }

private:
    void linkTick();
    void internetTick();
    void wirelessTick();
    void stopTimer(unsigned id);

    PageServices& services_;
    HeaderRow header_;
    LinkDisplay display_{kBarColour};
    std::string wirelessText_;
    std::string internetText_;
    int32_t wirelessTicks_ = 0;
    int32_t internetTicks_ = 0;
};
