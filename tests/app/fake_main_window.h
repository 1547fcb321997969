#pragma once
// Doubles for the main window's surroundings: its real window, the page host and the
// window-specific shell operations. Each records what the main window asked of it.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/main_page_host.h"
#include "app/main_pages.h"
#include "app/main_window_shell.h"
#include "platform/dialog.h"
#include "platform/dialog_window.h"
#include "platform/null_controls.h"

class FakeDialogWindow : public DialogWindow {
public:
    explicit FakeDialogWindow(WindowRef ref) : ref_(ref) {}
    std::map<unsigned, unsigned> timers;   // running timers and their periods
    std::vector<std::string> log;
    int endResult = -1;
    std::vector<std::unique_ptr<FakeDialogWindow>> children;

    Controls& controls() override { return controls_; }
    WindowRef ref() const override { return ref_; }
    std::map<int, CustomControl*> attached;
    bool attachControl(int id, CustomControl& c) override {
        attached[id] = &c;
        return true;
    }
    bool setTimer(unsigned id, unsigned ms) override {
        timers[id] = ms;
        log.push_back("set timer " + std::to_string(id));
        return true;
    }
    void killTimer(unsigned id) override {
        timers.erase(id);
        log.push_back("kill timer " + std::to_string(id));
    }
    void endDialog(int result) override {
        endResult = result;
        log.push_back("end " + std::to_string(result));
    }
    void sendCommand(int id, int) override { log.push_back("command " + std::to_string(id)); }
    void sendCommandToParent(int id, int) override {
        log.push_back("to parent " + std::to_string(id));
    }
    bool failChildren = false;
    bool createChild(Dialog& child) override {
        if (failChildren) return false;
        children.push_back(std::make_unique<FakeDialogWindow>(ref_ + 1 + children.size()));
        child.attachWindow(children.back().get());
        child.OnInitDialog();
        return true;
    }
    void setParent(WindowRef) override {}
    void move(const Rect&) override {}
    Size client;
    void resizeClient(int w, int h) override { client = Size{w, h}; }
    Size clientSize() const override { return client; }
    void placeControl(int, int, int) override {}
    void sizeControl(int, int, int) override {}
    void sendControlToBack(int) override {}
    void show(bool v) override { visible_ = v; }
    bool isVisible() const override { return visible_; }
    void setTitle(const std::string&) override {}
    WindowRef firstChild() const override { return 0; }
    void destroy() override {}

private:
    WindowRef ref_;
    bool visible_ = false;
    NullControls controls_;
};

class FakeMainWindowShell;

class FakePageHost : public MainPageHost {
public:
    struct Page {
        std::string title;
        uint32_t data;
        Dialog* page;
    };
    std::vector<Page> pages;
    int current = -1;
    std::vector<int> selections;

    bool attached = false;
    bool Attach(DialogWindow&) override {
        attached = true;
        return true;
    }
    int AddPage(const std::string& title, uint32_t data, PageBase& page) override {
        pages.push_back({title, data, &page});
        if (pages.size() == 1) current = 0;
        return int(pages.size()) - 1;
    }
    bool SelectPage(int position) override {
        selections.push_back(position);
        if (position < 0 || position >= int(pages.size())) return false;
        current = position;
        return true;
    }
    int CurrentPosition() const override { return current; }
    // Where the pages go in the host as the shell placed it last: by default as a real
    // host puts them with 20-pixel tabs at the bottom (a 670 x 600 host: 662 x 572).
    const FakeMainWindowShell* shell = nullptr;
    std::function<Rect(const Rect&)> placementFor = [](const Rect& host) {
        return Rect::fromSize(4, 4, host.width() - 8, host.height() - 28);
    };
    Rect PagePlacement() const override;
};

class FakeMainWindowShell : public MainWindowShell {
public:
    std::vector<std::string> log;
    Rect pageHostRect;
    void removeAppWindowStyle() override { log.push_back("no taskbar button"); }
    void setBigIcon(int id) override { log.push_back("big icon " + std::to_string(id)); }
    void placePageHost(const Rect& r) override {
        pageHostRect = r;
        log.push_back("place page host");
    }
    bool paintIconIfMinimised() override { return false; }
    uintptr_t dragIcon() override { return 0x128; }
};

// A page that only notes whether the main window wants its timers running.
struct TimedPage : PageBase {
    using PageBase::PageBase;
    bool timersRunning = false;
    void StartTimers() override { timersRunning = true; }
    void StopTimers() override { timersRunning = false; }
};

inline Rect FakePageHost::PagePlacement() const {
    return placementFor(shell ? shell->pageHostRect : Rect::fromSize(-4, 75, 670, 600));
}

// Pages whose preparations only say that they ran.
class RecordingPages : public MainPages {
public:
    RecordingPages() {
        for (int i : {kLinkInfo, kWizardTest}) setPage(i, std::make_unique<TimedPage>(kEntries[i].templateId));
    }
    TimedPage& timed(int index) { return static_cast<TimedPage&>(page(index)); }
    std::vector<std::string> log;
    void reloadConfiguration() override { log.push_back("reloadConfiguration"); }
    void reloadSecurityPage() override { log.push_back("reloadSecurityPage"); }
    void refreshNetworkList() override { log.push_back("refreshNetworkList"); }
    void refreshProfileList() override { log.push_back("refreshProfileList"); }
    void fillAbout() override { log.push_back("fillAbout"); }
    void PrepareSetup() override { log.push_back("PrepareSetup"); }
    void StartTest() override { log.push_back("StartTest"); }
};
