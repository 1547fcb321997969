#pragma once
// System and window doubles for Regsweep: a platform and user the test sets, message
// boxes recorded, and a window that runs the dialog the way the real one does (init,
// then timer ticks while the timer runs, then OK if it is still open).
#include <string>
#include <vector>

#include "regsweep/dialog_window.h"
#include "regsweep/regsweep_dialog.h"
#include "regsweep/regsweep_ids.h"
#include "regsweep/system_access.h"

namespace regsweep_test {

struct ShownMessage {
    std::string text;
    std::string caption;
    bool owned = false;  // owned by the log window
};

class FakeWindow : public regsweep::DialogWindow {
public:
    void setIcons() override { iconsSet = true; }
    void hideAway() override { hidden = true; }
    void setLogText(const std::string& text) override { logTexts.push_back(text); }
    void startTimer(unsigned id, unsigned milliseconds) override {
        timerId = id;
        timerPeriod = milliseconds;
        timerRunning = true;
    }
    void stopTimer(unsigned id) override {
        if (id == timerId) timerRunning = false;
    }
    void end(int result) override {
        ended = true;
        endResult = result;
    }
    void showMessage(const std::string& text, const std::string& caption) override {
        messages->push_back(ShownMessage{text, caption, true});
    }

    std::vector<ShownMessage>* messages = nullptr;
    bool iconsSet = false;
    bool hidden = false;
    std::vector<std::string> logTexts;
    unsigned timerId = 0;
    unsigned timerPeriod = 0;
    bool timerRunning = false;
    bool ended = false;
    int endResult = -1;
};

class FakeSystem : public regsweep::SystemAccess {
public:
    unsigned long platformId() override { return platform; }
    std::string userName() override { return user; }
    void showMessage(const std::string& text, const std::string& caption) override {
        messages.push_back(ShownMessage{text, caption, false});
    }
    int runDialog(regsweep::RegsweepDialog& dialog) override {
        ++dialogsRun;
        window = FakeWindow{};
        window.messages = &messages;
        dialog.onInit(window);
        // Ticks arrive while the timer runs; a bound keeps a broken stop from looping.
        for (int tick = 0; tick < 10 && window.timerRunning && !window.ended; ++tick) {
            dialog.onTimer(window.timerId);
            ++ticks;
        }
        openAfterWork = !window.ended;
        finalLog = dialog.sweepLog().text();
        if (!window.ended) dialog.onCommand(IDOK);  // the user reads the log and presses OK
        return window.endResult;
    }

    unsigned long platform = regsweep::kPlatformNt;
    std::string user = "installer";
    std::vector<ShownMessage> messages;
    FakeWindow window;
    int dialogsRun = 0;
    int ticks = 0;
    bool openAfterWork = false;
    std::string finalLog;
};

}  // namespace regsweep_test
