#pragma once
// Desktop double: records message boxes and beeps, and hands out a clock and an OS
// version that the test sets.
#include <string>
#include <vector>

#include "platform/desktop.h"

class FakeDesktop : public Desktop {
public:
    struct Message {
        std::string text;
        std::string title;
        MessageIcon icon;
    };

    std::vector<Message> messages;
    int beeps = 0;
    uint32_t now = 100000;
    std::vector<uint32_t> sleeps;
    bool extendedVersionWorks = true;
    bool plainVersionWorks = true;
    OsVersionInfo version{5, 1, 2600, 2, "Service Pack 2"};
    int versionCalls = 0;

    void messageBox(const std::string& text, const std::string& title, MessageIcon icon) override {
        messages.push_back({text, title, icon});
    }
    void beep() override { ++beeps; }
    uint32_t tickCount() override { return now; }
    void sleep(uint32_t ms) override {
        sleeps.push_back(ms);
        sleptBusy.push_back(busy);
        now += ms;
    }
    // The busy cursor: shown now or not, and how often it was put up.
    bool busy = false;
    int busySpells = 0;
    std::vector<bool> sleptBusy;   // per sleep: under the busy cursor
    void setBusyCursor(bool on) override {
        if (on && !busy) ++busySpells;
        busy = on;
    }
    bool osVersion(bool extended, OsVersionInfo& out) override {
        ++versionCalls;
        if (extended ? !extendedVersionWorks : !plainVersionWorks) return false;
        out = version;
        return true;
    }
};
