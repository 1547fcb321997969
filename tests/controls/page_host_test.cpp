// The page host: adding, selecting and placing pages, focus memory, the user's tab
// changes with their hooks, and tearing the pages down.
#include <gtest/gtest.h>

#include <memory>

#include "controls/page_host.h"
#include "platform/win32_numbers.h"
#include "support/fake_control_window.h"
#include "support/fake_dialog_window.h"

namespace {

struct TestPage {
    explicit TestPage(WindowRef firstChild, WindowRef self)
        : page(103), window() {
        window.firstChildRef = firstChild;
        window.windowRef = self;
        page.attachWindow(&window);
    }
    PageBase page;
    FakeDialogWindow window;
};

class HookedHost : public PageHost {
public:
    std::vector<std::string> calls;
    bool focusFirst = true;

protected:
    bool FocusFirstControl(int, uint32_t) override { return focusFirst; }
    void OnPageActivated(int p, uint32_t d) override { calls.push_back("on " + std::to_string(p) + "/" + std::to_string(d)); }
    void OnPageDeactivating(int p, uint32_t d) override { calls.push_back("off " + std::to_string(p) + "/" + std::to_string(d)); }
    void OnPageRemoved(int p, uint32_t d) override { calls.push_back("removed " + std::to_string(p) + "/" + std::to_string(d)); }
};

struct Host : ::testing::Test {
    FakeControlWindow tabs;
    HookedHost host;
    std::vector<std::unique_ptr<TestPage>> pages;

    void SetUp() override {
        tabs.windowRef = 0x1002;
        tabs.windowStyle = kTabStyleBottom;
        tabs.size = {670, 600};
        tabs.tabItem = Rect{0, 580, 60, 600};
        host.attachWindow(&tabs);
    }
    void TearDown() override { host.DestroyPages(); }
    TestPage& make(int i) {
        pages.push_back(std::make_unique<TestPage>(0x5000 + i, 0x4000 + i));
        return *pages.back();
    }
    void addEight() {
        for (int i = 0; i < 8; ++i) ASSERT_EQ(i, host.AddPage("Page" + std::to_string(i), 10 + i, &make(i).page));
    }
    intptr_t notify(uint32_t code) {
        NotifyHeader header{tabs.windowRef, 1002, code};
        intptr_t result = -1;
        EXPECT_TRUE(host.handleReflected(kWmNotify, 0, reinterpret_cast<intptr_t>(&header), result));
        return result;
    }
};

TEST_F(Host, TheFirstPageIsShownAtOnceTheOthersStayHidden) {
    addEight();
    EXPECT_EQ(8, tabs.tabCount());
    EXPECT_EQ("Page7", tabs.tabs[7]);
    EXPECT_TRUE(pages[0]->window.visible);
    for (int i = 1; i < 8; ++i) EXPECT_FALSE(pages[static_cast<size_t>(i)]->window.visible);
    for (auto& p : pages) EXPECT_EQ(tabs.windowRef, p->window.parent);
    EXPECT_EQ(0, host.GetCurrentPosition());
}

TEST_F(Host, PlacementWithTabsAtTheBottom) {
    addEight();
    EXPECT_EQ(Rect::fromSize(4, 4, 662, 572), pages[3]->window.placement);
    EXPECT_EQ(Rect::fromSize(4, 4, 662, 572), host.PagePlacement(0));
}

TEST_F(Host, AResizedHostPlacesThePageOnShowAnew) {
    addEight();
    ASSERT_TRUE(host.SelectPage(2));
    tabs.size = {835, 763};   // the owner made it larger, for a larger dialog font
    intptr_t result = 0;
    EXPECT_FALSE(host.handleMessage(kWmSize, 0, 0, result));   // the tab control still sizes itself
    EXPECT_EQ(Rect::fromSize(4, 4, 827, 735), pages[2]->window.placement);
    EXPECT_EQ(Rect::fromSize(4, 4, 662, 572), pages[3]->window.placement);   // the others on their turn
}

TEST_F(Host, PlacementForTabsOnTopRightAndLeftAndSeveralRows) {
    tabs.windowStyle = 0;
    tabs.rows = 2;
    EXPECT_EQ(Rect::fromSize(4, 44, 662, 552), host.PagePlacement(0));
    tabs.windowStyle = kTabStyleVertical;
    tabs.rows = 1;
    tabs.tabItem = Rect{0, 0, 30, 80};
    EXPECT_EQ(Rect::fromSize(34, 4, 632, 592), host.PagePlacement(0));
    tabs.windowStyle = kTabStyleVertical | kTabStyleRight;
    EXPECT_EQ(Rect::fromSize(4, 4, 632, 592), host.PagePlacement(0));
}

TEST_F(Host, NoPlacementWhileTheHostHasNoSize) {
    tabs.size = {0, 0};
    ASSERT_EQ(0, host.AddPage("Link Info.", 0, &make(0).page));
    EXPECT_EQ(0, pages[0]->window.moves);
}

TEST_F(Host, AddPageFailures) {
    EXPECT_EQ(-1, host.AddPage("none", 0, nullptr));
    EXPECT_EQ(0, tabs.tabCount());  // the tab was taken back
    tabs.failInsert = true;
    EXPECT_EQ(-1, host.AddPage("x", 0, &make(0).page));
    EXPECT_EQ(0, host.GetPageCount());
    PageHost loose;
    EXPECT_EQ(-1, loose.AddPage("x", 0, &make(1).page));
}

TEST_F(Host, SelectPageSwitchesAndRefusesPastTheLast) {
    addEight();
    EXPECT_TRUE(host.SelectPage(3));
    EXPECT_FALSE(pages[0]->window.visible);
    EXPECT_TRUE(pages[3]->window.visible);
    EXPECT_EQ(3, host.GetCurrentPosition());
    EXPECT_TRUE(host.calls.empty());  // programmatic selection runs no hooks

    const int moves = pages[3]->window.moves;
    EXPECT_TRUE(host.SelectPage(3));  // the current one: nothing changes
    EXPECT_EQ(moves, pages[3]->window.moves);

    EXPECT_FALSE(host.SelectPage(8));
    EXPECT_FALSE(host.SelectPage(-1));
    EXPECT_EQ(3, host.GetCurrentPosition());
    EXPECT_TRUE(pages[3]->window.visible);
}

TEST_F(Host, FocusIsRememberedPerPage) {
    addEight();
    EXPECT_EQ(0x5000u, host.GetFocusWindow(0));  // first child control of each page
    tabs.focus = 0x7777;                         // the user moved to another control
    host.SelectPage(2);
    EXPECT_EQ(0x5002u, tabs.focus);
    tabs.focus = 0x8888;
    host.SelectPage(0);
    EXPECT_EQ(0x7777u, tabs.focus);
    EXPECT_EQ(0x8888u, host.GetFocusWindow(2));
}

TEST_F(Host, NewPagesCanRememberTheCurrentFocusInstead) {
    host.focusFirst = false;
    tabs.focus = 0x9999;
    host.AddPage("x", 0, &make(0).page);
    EXPECT_EQ(0x9999u, host.GetFocusWindow(0));
}

TEST_F(Host, UserTabChangeRunsTheHooksAroundTheSwitch) {
    addEight();
    tabs.focus = 0x7000;
    EXPECT_EQ(0, notify(kTcnSelChanging));
    EXPECT_FALSE(pages[0]->window.visible);
    EXPECT_EQ(0x7000u, host.GetFocusWindow(0));
    tabs.selection = 4;  // the tab control moved on
    EXPECT_EQ(0, notify(kTcnSelChange));
    EXPECT_TRUE(pages[4]->window.visible);
    EXPECT_EQ(0x5004u, tabs.focus);
    EXPECT_EQ((std::vector<std::string>{"off 0/10", "on 4/14"}), host.calls);
}

TEST_F(Host, HostFocusGoesToThePageAndIsRememberedWhenLost) {
    addEight();
    intptr_t result = 0;
    EXPECT_FALSE(host.handleMessage(kWmSetFocus, 0, 0, result));
    EXPECT_EQ(0x5000u, tabs.focus);
    EXPECT_FALSE(host.handleMessage(kWmKillFocus, 0x6123, 0, result));
    EXPECT_EQ(0x6123u, host.GetFocusWindow(0));
}

TEST_F(Host, CommandsAndNotificationsReachingTheHostGoToItsParent) {
    intptr_t result = 0;
    EXPECT_TRUE(host.handleMessage(kWmCommand, 1148, 0, result));
    EXPECT_TRUE(host.handleMessage(kWmNotify, 0, 0, result));
    EXPECT_EQ((std::vector<unsigned>{kWmCommand, kWmNotify}), tabs.parentMessages);
    EXPECT_EQ(7, result);
}

class OwnedPage : public PageBase {
public:
    explicit OwnedPage(bool& deleted) : PageBase(104), deleted_(deleted) { attachWindow(&window); }
    ~OwnedPage() override { deleted_ = true; }
    FakeDialogWindow window;

private:
    bool& deleted_;
};

TEST_F(Host, DestructionRunsRemovalFromLastToFirstAndDeletesOnlyAutoDeletePages) {
    bool deleted = false;
    host.AddPage("a", 100, &make(0).page);
    host.AddPage("b", 200, new OwnedPage(deleted), true);
    host.DestroyPages();
    EXPECT_EQ((std::vector<std::string>{"removed 1/200", "removed 0/100"}), host.calls);
    EXPECT_TRUE(pages[0]->window.destroyed);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(0, host.GetPageCount());
}

TEST_F(Host, TheTabControlGoingAwayTearsThePagesDown) {
    addEight();
    intptr_t result = 0;
    EXPECT_FALSE(host.handleMessage(kWmDestroy, 0, 0, result));
    EXPECT_EQ(0, host.GetPageCount());
    EXPECT_EQ(8u, host.calls.size());
    for (auto& p : pages) EXPECT_TRUE(p->window.destroyed);
}

}  // namespace
