// The throughput graph: heights, scale, the bar count check and the drawing.
#include <gtest/gtest.h>

#include "controls/bar_graph.h"
#include "support/fake_control_window.h"

namespace {

struct Graph : ::testing::Test {
    FakeControlWindow window;
    BarGraph graph;
    void SetUp() override {
        window.size = {147, 42};
        graph.attachWindow(&window);
    }
    std::vector<PaintOp> ofKind(const PaintList& list, PaintOp::Kind kind) {
        std::vector<PaintOp> out;
        for (const PaintOp& op : list.ops)
            if (op.kind == kind) out.push_back(op);
        return out;
    }
};

TEST_F(Graph, StartsWithScale28FortyBarsAndNoHeights) {
    EXPECT_EQ(28, graph.GetScale());
    EXPECT_EQ(40u, graph.GetBarCount());
    for (int i = 0; i < 40; ++i) EXPECT_EQ(0, graph.GetStoredHeight(i));
}

TEST_F(Graph, HeightsAreStoredTimesTheScaleAndRepaintOnlyWhenTheyChange) {
    // bar, height, repainted
    const struct { int bar, height; bool repaint; } steps[] = {
        {4, 2, true}, {4, 2, false}, {5, 2, true}, {4, 0, true}, {4, 0, false}, {4, 3, true}};
    for (const auto& step : steps) {
        const int before = window.invalidations;
        graph.SetBarHeight(step.bar, step.height);
        EXPECT_EQ(28 * step.height, graph.GetStoredHeight(step.bar));
        EXPECT_EQ(before + (step.repaint ? 1 : 0), window.invalidations) << step.bar << ' ' << step.height;
    }
}

TEST_F(Graph, OutOfRangeIndexesAndNegativeHeightsAreIgnored) {
    graph.SetScale(1);
    const int before = window.invalidations;
    graph.SetBarHeight(40, 5);
    graph.SetBarHeight(-1, 5);
    graph.SetBarHeight(3, -1);
    for (int i = 0; i < 40; ++i) EXPECT_EQ(0, graph.GetStoredHeight(i));
    EXPECT_EQ(before, window.invalidations);

    ASSERT_EQ(10, graph.SetBarCount(10));
    graph.SetBarHeight(10, 5);  // past the bars in use
    EXPECT_EQ(0, graph.GetStoredHeight(10));
}

TEST_F(Graph, SetScaleRescalesStoredHeights) {
    graph.SetScale(1);  // fresh graph: all zero stays zero
    for (int i = 0; i < 40; ++i) EXPECT_EQ(0, graph.GetStoredHeight(i));
    graph.SetBarHeight(5, 10);
    graph.SetBarHeight(6, 7);
    graph.SetScale(2);
    EXPECT_EQ(20, graph.GetStoredHeight(5));
    EXPECT_EQ(14, graph.GetStoredHeight(6));
    graph.SetScale(3);  // 3 * 14 / 2
    EXPECT_EQ(21, graph.GetStoredHeight(6));
    const int before = window.invalidations;
    graph.SetScale(3);  // same scale still repaints
    EXPECT_EQ(before + 1, window.invalidations);
}

TEST_F(Graph, RescalingFromZeroDoesNotDivideByZero) {
    graph.SetScale(1);
    graph.SetBarHeight(5, 10);
    graph.SetScale(0);
    EXPECT_EQ(0, graph.GetStoredHeight(5));
    graph.SetScale(4);
    EXPECT_EQ(0, graph.GetStoredHeight(5));
    graph.SetBarHeight(5, 3);
    EXPECT_EQ(12, graph.GetStoredHeight(5));
}

TEST_F(Graph, BarCountWiderThanTheControlOrTheArraysIsRefused) {
    window.size = {30, 42};
    EXPECT_EQ(-1, graph.SetBarCount(31));
    EXPECT_EQ(40u, graph.GetBarCount());
    EXPECT_EQ(0, window.invalidations);
    EXPECT_EQ(30, graph.SetBarCount(30));
    EXPECT_EQ(1, window.invalidations);
    window.size = {300, 42};
    EXPECT_EQ(-1, graph.SetBarCount(41));
    EXPECT_EQ(40, graph.SetBarCount(40));
}

TEST_F(Graph, BarPositionsForA147PixelGraph) {
    Rect bar2 = graph.GetBarRect(2, 147, 42);
    Rect bar39 = graph.GetBarRect(39, 147, 42);
    EXPECT_EQ(-6, bar2.left);
    EXPECT_EQ(142, bar39.left);
    EXPECT_EQ(2, bar2.width());
    EXPECT_EQ(2, bar39.width());
}

TEST_F(Graph, BarPlacesAreExactWhereTheyLandOnWholePixels) {
    // 0.6 x 200 / 40 is exactly 3 pixels, and 1.1 x 200 / 40 x 2 - 15 exactly -4:
    // rounding must neither narrow the bars to 2 pixels nor shift one a pixel right.
    EXPECT_EQ(Rect::fromSize(-4, 42, 3, 0), graph.GetBarRect(2, 200, 42));
    EXPECT_EQ(Rect::fromSize(23, 42, 3, 0), graph.GetBarRect(7, 200, 42));  // 23.5
    EXPECT_EQ(Rect::fromSize(-4, 42, 1, 0), graph.GetBarRect(4, 100, 42));
    EXPECT_EQ(-4, graph.GetBarRect(20, 20, 42).left);
    EXPECT_EQ(0, graph.GetBarRect(20, 20, 42).width());
}

TEST_F(Graph, ThereIsNoBarOutsideTheForty) {
    EXPECT_TRUE(graph.GetBarRect(40, 147, 42).empty());
    EXPECT_TRUE(graph.GetBarRect(-1, 147, 42).empty());
}

TEST_F(Graph, DrawsBackgroundGuideLinesAndBarsTwoToLast) {
    graph.SetScale(1);
    graph.SetBarHeight(10, 20);
    PaintList list;
    graph.paint(147, 42, list);
    auto fills = ofKind(list, PaintOp::Kind::Fill);
    ASSERT_GE(fills.size(), 5u);
    EXPECT_EQ((Rect{0, 0, 147, 42}), fills[0].rect);
    EXPECT_EQ(rgb(51, 103, 153), fills[0].colour);
    EXPECT_EQ((Rect{0, 10, 147, 11}), fills[1].rect);
    EXPECT_EQ((Rect{0, 21, 147, 22}), fills[2].rect);
    EXPECT_EQ((Rect{0, 31, 147, 32}), fills[3].rect);
    EXPECT_EQ((Rect{0, 41, 147, 43}), fills[4].rect);
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(0xFFFFFFu, fills[static_cast<size_t>(i)].colour);

    auto frames = ofKind(list, PaintOp::Kind::Frame3D);
    ASSERT_EQ(38u, frames.size());  // bars 0 and 1 are never drawn
    EXPECT_EQ(-6, frames[0].rect.left);
    const Rect bar10 = frames[8].rect;
    EXPECT_EQ(22, bar10.top);
    EXPECT_EQ(42, bar10.bottom);
    EXPECT_EQ(0xFFFFFFu, frames[8].colour);
}

TEST_F(Graph, TooTallBarsWrapAndStayWrapped) {
    graph.SetScale(1);
    graph.SetBarHeight(5, 50);
    graph.SetBarHeight(6, 42);
    PaintList list;
    graph.paint(147, 42, list);
    EXPECT_EQ(8, graph.GetStoredHeight(5));
    EXPECT_EQ(42, graph.GetStoredHeight(6));  // exactly full height is kept
    auto frames = ofKind(list, PaintOp::Kind::Frame3D);
    EXPECT_EQ(8, frames[3].rect.height());
    EXPECT_EQ(34, frames[3].rect.top);
    EXPECT_EQ(0, frames[4].rect.top);
}

TEST_F(Graph, FewerThanThreeBarsDrawOnlyTheBackground) {
    ASSERT_EQ(2, graph.SetBarCount(2));
    PaintList list;
    graph.paint(147, 42, list);
    EXPECT_EQ(5u, list.ops.size());
    EXPECT_TRUE(ofKind(list, PaintOp::Kind::Frame3D).empty());
}

TEST_F(Graph, AControlWithNoHeightDrawsNothingInsteadOfDividingByZero) {
    graph.SetScale(1);
    graph.SetBarHeight(5, 3);
    PaintList list;
    graph.paint(147, 0, list);
    EXPECT_TRUE(list.ops.empty());
    EXPECT_EQ(3, graph.GetStoredHeight(5));
}

}  // namespace
