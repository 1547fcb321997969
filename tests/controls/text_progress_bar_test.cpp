// The text progress bar's messages, repaint decisions and the picture it asks for.
#include <gtest/gtest.h>

#include <cstring>

#include "controls/text_progress_bar.h"
#include "platform/win32_numbers.h"
#include "support/fake_control_window.h"

namespace {

intptr_t send(TextProgressBar& bar, unsigned message, uintptr_t wParam = 0, intptr_t lParam = 0) {
    intptr_t result = -12345;
    EXPECT_TRUE(bar.handleMessage(message, wParam, lParam, result)) << std::hex << message;
    return result;
}

struct Bar : ::testing::Test {
    FakeControlWindow window;
    TextProgressBar bar;
    void SetUp() override {
        window.size = {88, 16};
        bar.attachWindow(&window);
    }
    const PaintOp* textOp(const PaintList& list, int n) {
        int seen = 0;
        for (const PaintOp& op : list.ops)
            if (op.kind == PaintOp::Kind::Text && seen++ == n) return &op;
        return nullptr;
    }
};

TEST_F(Bar, RepaintsOnlyWhenTheBarWidthChanges) {
    EXPECT_EQ(0, send(bar, kPbmSetPos, 50));
    EXPECT_EQ(44, bar.GetBarWidth());
    EXPECT_EQ(1, window.immediateRedraws);

    EXPECT_EQ(50, send(bar, kPbmSetPos, 51));  // still 44 pixels
    EXPECT_EQ(1, window.immediateRedraws);
    EXPECT_EQ(51, send(bar, kPbmGetPos));

    EXPECT_EQ(51, send(bar, kPbmSetPos, 52));  // 45 pixels
    EXPECT_EQ(45, bar.GetBarWidth());
    EXPECT_EQ(2, window.immediateRedraws);
}

TEST_F(Bar, ASizeChangeForcesTheNextPositionToRepaint) {
    send(bar, kPbmSetPos, 50);
    send(bar, kWmSize);
    EXPECT_EQ(std::vector<unsigned>{kWmSize}, window.defaultMessages);
    EXPECT_EQ(-1, bar.GetBarWidth());
    send(bar, kPbmSetPos, 50);
    EXPECT_EQ(2, window.immediateRedraws);
}

TEST_F(Bar, PositionIsNotClampedAndTheBarCoversTheControl) {
    send(bar, kPbmSetPos, 150);
    EXPECT_EQ(150, bar.GetPos());
    EXPECT_EQ(132, bar.GetBarWidth());
    PaintList list;
    bar.paint(88, 16, list);
    ASSERT_GE(list.ops.size(), 2u);
    EXPECT_EQ((Rect{0, 0, 88, 16}), list.ops[0].rect);  // filled part: everything
    EXPECT_TRUE(list.ops[1].rect.empty());             // empty part: nothing
    ASSERT_NE(nullptr, textOp(list, 0));
    EXPECT_EQ("150%", textOp(list, 0)->text);
}

TEST_F(Bar, EmptyRangeGivesNoBarInsteadOfDividingByZero) {
    send(bar, kPbmSetRange32, 30, 30);
    send(bar, kPbmSetPos, 40);
    EXPECT_EQ(0, bar.GetBarWidth());
    EXPECT_EQ(40, bar.GetPos());
    PaintList list;
    bar.paint(88, 16, list);
    EXPECT_TRUE(list.ops.empty());
    // Setting a range alone never repaints.
    EXPECT_EQ(0, window.invalidations);
}

TEST_F(Bar, WithoutAWindowSetPosChangesNothing) {
    TextProgressBar loose;
    intptr_t result = 0;
    EXPECT_TRUE(loose.handleMessage(kPbmSetPos, 40, 0, result));
    EXPECT_EQ(-1, result);
    EXPECT_EQ(0, loose.GetPos());
    EXPECT_EQ(-1, loose.GetBarWidth());
}

TEST_F(Bar, RangeMessages) {
    send(bar, kPbmSetRange, 0, (200 << 16) | 10);
    EXPECT_EQ(10, bar.GetMinimum());
    EXPECT_EQ(200, bar.GetMaximum());
    int32_t pair[2] = {-1, -1};
    EXPECT_EQ(10, send(bar, kPbmGetRange, 1, reinterpret_cast<intptr_t>(pair)));
    EXPECT_EQ(10, pair[0]);
    EXPECT_EQ(200, pair[1]);
    EXPECT_EQ(200, send(bar, kPbmGetRange, 0, 0));
    send(bar, kPbmSetRange32, static_cast<uintptr_t>(-5), 5);
    EXPECT_EQ(-5, send(bar, kPbmGetRange, 1, 0));
    EXPECT_EQ(0, window.invalidations);
}

TEST_F(Bar, StepAndDelta) {
    EXPECT_EQ(1, send(bar, kPbmSetStep, 10));
    EXPECT_EQ(0, send(bar, kPbmStepIt));
    EXPECT_EQ(10, send(bar, kPbmStepIt));
    EXPECT_EQ(20, send(bar, kPbmDeltaPos, static_cast<uintptr_t>(-5)));
    EXPECT_EQ(15, bar.GetPos());
}

TEST_F(Bar, ColoursReturnThePreviousOneAndRepaint) {
    EXPECT_EQ(static_cast<intptr_t>(kClrDefault), send(bar, kPbmSetBarColor, 0, 0x996633));
    EXPECT_EQ(0x996633, send(bar, kPbmSetBarColor, 0, 0x112233));
    EXPECT_EQ(static_cast<intptr_t>(kClrDefault), send(bar, kPbmSetBkColor, 0, 0xFFFFFF));
    EXPECT_EQ(static_cast<intptr_t>(kClrDefault), send(bar, kPbmSetTextColour, 0, 0x0000FF));
    EXPECT_EQ(4, window.invalidations);
}

TEST_F(Bar, ShowTextRepaintsOnlyOnAChange) {
    send(bar, kPbmSetShowText, 1);
    EXPECT_EQ(0, window.invalidations);
    send(bar, kPbmSetShowText, 0);
    EXPECT_EQ(1, window.invalidations);
    EXPECT_FALSE(bar.GetShowText());
}

TEST_F(Bar, PercentageUntilATextIsSetAndAgainWhenItIsEmptied) {
    send(bar, kPbmSetPos, 37);
    EXPECT_EQ("37%", bar.GetDisplayText());

    const char label[] = "Good";
    send(bar, kWmSetText, 0, reinterpret_cast<intptr_t>(label));
    EXPECT_EQ("Good", bar.GetDisplayText());
    EXPECT_EQ(1, window.invalidations);
    send(bar, kWmSetText, 0, reinterpret_cast<intptr_t>(label));  // same text: no repaint
    EXPECT_EQ(1, window.invalidations);
    EXPECT_EQ((std::vector<unsigned>{kWmSetText, kWmSetText}), window.defaultMessages);

    send(bar, kWmSetText, 0, 0);  // null text counts as empty
    EXPECT_EQ("37%", bar.GetDisplayText());
    EXPECT_EQ(2, window.invalidations);
}

TEST_F(Bar, GetTextNeverWritesPastTheBufferAndAlwaysTerminates) {
    const char label[] = "Signal";
    send(bar, kWmSetText, 0, reinterpret_cast<intptr_t>(label));
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(3, send(bar, kWmGetText, 4, reinterpret_cast<intptr_t>(buffer)));
    EXPECT_STREQ("Sig", buffer);
    EXPECT_EQ('x', buffer[4]);
    EXPECT_EQ(6, send(bar, kWmGetText, sizeof buffer, reinterpret_cast<intptr_t>(buffer)));
    EXPECT_STREQ("Signal", buffer);
    EXPECT_EQ(0, send(bar, kWmGetText, 0, reinterpret_cast<intptr_t>(buffer)));
}

TEST_F(Bar, PaintSplitsTheBarAndDrawsTheTextInInvertedColours) {
    window.size = {100, 20};
    send(bar, kPbmSetPos, 37);
    send(bar, kPbmSetBarColor, 0, 0x996633);
    send(bar, kPbmSetBkColor, 0, 0xFFFFFF);
    PaintList list;
    bar.paint(100, 20, list);
    ASSERT_EQ(4u, list.ops.size());
    EXPECT_EQ((Rect{0, 0, 37, 20}), list.ops[0].rect);
    EXPECT_EQ(0x996633u, list.ops[0].colour);
    EXPECT_EQ((Rect{37, 0, 100, 20}), list.ops[1].rect);
    EXPECT_EQ(0xFFFFFFu, list.ops[1].colour);
    const PaintOp* onBar = textOp(list, 0);
    const PaintOp* offBar = textOp(list, 1);
    ASSERT_TRUE(onBar && offBar);
    EXPECT_EQ("37%", onBar->text);
    EXPECT_EQ((Rect{0, 0, 100, 20}), onBar->rect);  // centred in the whole control
    EXPECT_EQ((Rect{0, 0, 37, 20}), onBar->clip);
    EXPECT_EQ(0xFFFFFFu, onBar->colour);  // background colour over the bar
    EXPECT_EQ((Rect{37, 0, 100, 20}), offBar->clip);
    EXPECT_EQ(0x996633u, offBar->colour);  // bar colour over the background
}

TEST_F(Bar, DefaultColoursComeFromTheSystemAndAnExplicitTextColourIsUsedOnBothSides) {
    send(bar, kPbmSetPos, 50);
    send(bar, kPbmSetTextColour, 0, 0x0000FF);
    PaintList list;
    bar.paint(88, 16, list);
    EXPECT_EQ(0x6A240Au, list.ops[0].colour);  // COLOR_HIGHLIGHT
    EXPECT_EQ(0xFFFFFFu, list.ops[1].colour);  // COLOR_WINDOW
    EXPECT_EQ(0x0000FFu, textOp(list, 0)->colour);
    EXPECT_EQ(0x0000FFu, textOp(list, 1)->colour);
}

TEST_F(Bar, AVerticalBarFillsFromTheBottomAndNeverShowsText) {
    window.windowStyle = kPbsVertical;
    window.size = {20, 100};
    send(bar, kPbmSetPos, 25);
    PaintList list;
    bar.paint(20, 100, list);
    ASSERT_EQ(2u, list.ops.size());
    EXPECT_EQ((Rect{0, 75, 20, 100}), list.ops[0].rect);
    EXPECT_EQ((Rect{0, 0, 20, 75}), list.ops[1].rect);
}

TEST_F(Bar, ShowTextOffDrawsNoText) {
    send(bar, kPbmSetPos, 60);
    bar.SetShowText(false);
    PaintList list;
    bar.paint(88, 16, list);
    EXPECT_EQ(nullptr, textOp(list, 0));
}

TEST_F(Bar, EraseIsSwallowedAndUnknownMessagesGoToTheStandardControl) {
    EXPECT_EQ(1, send(bar, kWmEraseBkgnd));
    intptr_t result = 0;
    EXPECT_FALSE(bar.handleMessage(kWmMouseMove, 0, 0, result));
    EXPECT_EQ(CustomControl::PaintMode::OnPaint, bar.paintMode());
}

}  // namespace
