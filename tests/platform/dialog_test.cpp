// The portable dialog base: how commands reach OK and Cancel, and what a page leaves
// to the main window.
#include <gtest/gtest.h>

#include "controls/header_row.h"
#include "controls/page_base.h"
#include "platform/dialog.h"
#include "resources/resource_ids.h"
#include "support/fake_dialog_window.h"

namespace {

class RecordingDialog : public Dialog {
public:
    RecordingDialog() : Dialog(110) {}
    std::vector<int> handled;
    bool OnCommand(int id, int) override {
        if (id == 1189 || id == 1) {
            handled.push_back(id);
            return true;
        }
        return false;
    }
};

TEST(DialogCommands, OkAndCancelEndTheRunUnlessTheDialogTakesThem) {
    FakeDialogWindow window;
    RecordingDialog dialog;
    dialog.attachWindow(&window);

    EXPECT_TRUE(dialog.DispatchCommand(1189, 0));
    EXPECT_TRUE(dialog.DispatchCommand(1, 0));   // taken by OnCommand: no end
    EXPECT_TRUE(dialog.DispatchCommand(2, 0));   // Cancel falls through to OnCancel
    EXPECT_FALSE(dialog.DispatchCommand(1500, 0));

    EXPECT_EQ((std::vector<int>{1189, 1}), dialog.handled);
    EXPECT_EQ(std::vector<int>{2}, window.endResults);
}

TEST(DialogCommands, WithoutAWindowEverythingIsHarmless) {
    RecordingDialog dialog;
    EXPECT_EQ(110, dialog.templateId());
    EXPECT_FALSE(dialog.hasWindow());
    dialog.controls().setText(1164, "x");
    EXPECT_EQ("", dialog.controls().getText(1164));
    EXPECT_EQ(-1, dialog.controls().selection(1190));
    EXPECT_TRUE(dialog.DispatchCommand(2, 0));  // no window to end: nothing happens
}

class SomePage : public PageBase {
public:
    SomePage() : PageBase(105) {}
    int applied = 0;
    bool OnCommand(int id, int) override {
        if (id != IDC_APPLY) return false;
        ++applied;
        return true;
    }
};

TEST(PageBaseCommands, EnterAndEscapeNeverClosePage) {
    FakeDialogWindow window;
    SomePage page;
    page.attachWindow(&window);
    EXPECT_TRUE(page.DispatchCommand(1, 0));
    EXPECT_TRUE(page.DispatchCommand(2, 0));
    EXPECT_TRUE(window.endResults.empty());
    EXPECT_TRUE(window.parentCommands.empty());
}

TEST(PageBaseCommands, HeaderButtonsAndNextGoToTheParentOthersStay) {
    FakeDialogWindow window;
    SomePage page;
    page.attachWindow(&window);
    for (int id : {IDC_HEADER_WIZARD, IDC_HEADER_LINK_INFO, IDC_HEADER_CONFIG, IDC_HEADER_SECURITY,
                   IDC_HEADER_SITE_SURVEY, IDC_HEADER_ABOUT, IDC_WIZARD_NEXT})
        EXPECT_TRUE(page.DispatchCommand(id, 0)) << id;
    EXPECT_TRUE(page.DispatchCommand(IDC_APPLY, 0));
    EXPECT_FALSE(page.DispatchCommand(IDC_HIDE_BUTTON, 0));  // a page's own hidden button

    std::vector<std::pair<int, int>> expected{{1207, 0}, {1148, 0}, {1142, 0}, {1143, 0},
                                              {1149, 0}, {1146, 0}, {1212, 0}};
    EXPECT_EQ(expected, window.parentCommands);
    EXPECT_EQ(1, page.applied);
}

TEST(PageBaseLayout, HeaderRowGoesToItsPixelPlacesBeforeThePageInitialisesAndHoldsWhatItHasRoomFor) {
    class Page : public PageBase {
    public:
        Page() : PageBase(103) {}
        size_t placedAtInit = 0;
        FakeDialogWindow* fake = nullptr;
        bool OnInitDialog() override {
            placedAtInit = fake->placedControls.size();
            return true;
        }
    } page;
    FakeDialogWindow window;
    page.fake = &window;
    page.attachWindow(&window);
    EXPECT_TRUE(page.DispatchInitDialog());
    EXPECT_EQ(7u, page.placedAtInit);
    const int order[] = {IDC_HEADER_WIZARD, IDC_HEADER_LINK_INFO, IDC_HEADER_CONFIG,
                         IDC_HEADER_SECURITY, IDC_HEADER_SITE_SURVEY, IDC_HEADER_ABOUT};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(std::make_pair(4 + 110 * i, 6), window.placedControls[order[i]]) << i;
    // Six 106-pixel pictures fit the 662-pixel page.
    EXPECT_LE(window.placedControls[IDC_HEADER_ABOUT].first + 106, 662);
    EXPECT_EQ(std::make_pair(4, 45), window.placedControls[IDC_HEADER_RULE]);

    HeaderRow row;   // every page button but the page's own, then the page's own while there is room
    row.attach(window, IDC_HEADER_LINK_INFO);
    EXPECT_TRUE(row.count() == 5 && row.button(IDC_HEADER_LINK_INFO) == nullptr);
    int id = IDC_APPLY;
    while (row.add(window, id, IDB_APPLY_BUTTON)) ++id;
    EXPECT_EQ(id - IDC_APPLY, int(HeaderRow::kMaxButtons) - 5);
    EXPECT_TRUE(row.count() == HeaderRow::kMaxButtons && row.button(id - 1) && !row.button(id));
}

}  // namespace
