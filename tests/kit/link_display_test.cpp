// The link display's figures: throughput, bar heights, signal strength and link quality,
// and one display over several ticks (graphs drawn from the history before the shift).
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "kit/link_display.h"
#include "support/fake_controls.h"

namespace {

TEST(LinkDisplayFigures, BarHeightPerDecade) {
    const struct { int32_t kbps; int height; } rows[] = {
        {0, 0}, {5, 6}, {10, 12}, {11, 14}, {100, 26}, {101, 26}, {1000, 38}, {10000, 50}, {10001, 45},
        {std::numeric_limits<int32_t>::max(), 45}, {-10, -12},
    };
    for (const auto& r : rows) EXPECT_EQ(LinkDisplay::barHeight(r.kbps), r.height) << r.kbps << " kbps";
}

TEST(LinkDisplayFigures, SignalStrengthAndLinkQuality) {
    const struct { int32_t rssi; int percent; } strength[] = {
        {-100, 0}, {-86, 0}, {-85, 3}, {-71, 49}, {-56, 99}, {-55, 100}, {-20, 100},
        {std::numeric_limits<int32_t>::min(), 0}, {std::numeric_limits<int32_t>::max(), 100},
    };
    for (const auto& r : strength) EXPECT_EQ(LinkDisplay::signalStrength(r.rssi), r.percent) << r.rssi << " dBm";
    const struct { int32_t raw; int percent; } quality[] = {
        {-1, 0}, {0, 0}, {10, 40}, {24, 96}, {25, 100}, {30, 100},
        {std::numeric_limits<int32_t>::max(), 100}, {std::numeric_limits<int32_t>::min(), 0},
    };
    for (const auto& r : quality) EXPECT_EQ(LinkDisplay::linkQualityPercent(r.raw), r.percent) << r.raw;
}

TEST(LinkDisplayFigures, ThroughputNeverOverflows) {
    const struct { uint32_t now, last; int32_t kbps; } rows[] = {
        {125000, 0, 1000},                // 1 Mbit/s
        {1000, 1000, 0},
        {999, 0, 7},                      // truncated toward zero
        {268435455u, 0, 2147483},         // the largest step the 32-bit formula survived
        {0x7FFFFFFFu, 0, 17179869},       // beyond it: no overflow
        {100, 5000000, 0},                // counter started again (adapter replugged)
        {0x00000100u, 0xFFFFFF00u, 4},    // counter wrapped: the true 512-byte step
    };
    for (const auto& r : rows) EXPECT_EQ(LinkDisplay::throughputKbps(r.now, r.last), r.kbps) << r.now << " after " << r.last;
}

TEST(LinkDisplay, EachTickDrawsTheHistoryBeforeItsShift) {
    FakeControls controls;
    controls.addStatic(IDC_TX_FIGURE);
    controls.addStatic(IDC_RX_FIGURE);
    LinkDisplay display(0x996733);
    display.initGraphs();
    display.resetHistory();

    // 125 bytes = 1 kbps: ticks of 1, 2, 3 ... kbps received, 10x that sent.
    uint32_t rx = 0, tx = 0;
    for (int tick = 1; tick <= 45; ++tick) {
        rx += 125u * uint32_t(tick);
        tx += 1250u * uint32_t(tick);
        display.showThroughput(controls, tx, rx);
    }
    EXPECT_EQ(controls.getText(IDC_RX_FIGURE), "45");
    EXPECT_EQ(controls.getText(IDC_TX_FIGURE), "450");
    // History: oldest first, newest (tick 45) last.
    for (int i = 0; i < LinkDisplay::kSamples; ++i) {
        EXPECT_EQ(display.rxHistory()[i], 6 + i);
        EXPECT_EQ(display.txHistory()[i], 10 * (6 + i));
    }
    // The graph shows the history of tick 44: bar i held the figure of tick i + 5.
    for (int i = LinkDisplay::kFirstDrawnSample; i < LinkDisplay::kSamples; ++i) {
        EXPECT_EQ(display.rxGraph().GetStoredHeight(i), LinkDisplay::barHeight(5 + i)) << i;
        EXPECT_EQ(display.txGraph().GetStoredHeight(i), LinkDisplay::barHeight(10 * (5 + i))) << i;
    }
    for (int i = 0; i < LinkDisplay::kFirstDrawnSample; ++i) EXPECT_EQ(display.rxGraph().GetStoredHeight(i), 0);
    EXPECT_EQ(display.lastRxBytes(), rx);
    EXPECT_EQ(display.lastTxBytes(), tx);
}

TEST(LinkDisplay, SignalGoesToBothBarsAndTheirPercentages) {
    FakeControls controls;
    controls.addStatic(IDC_SIGNAL_PERCENT);
    controls.addStatic(IDC_QUALITY_PERCENT);
    LinkDisplay display(0x996633);
    display.initBars();
    EXPECT_FALSE(display.signalBar().GetShowText());
    EXPECT_EQ(display.qualityBar().GetMaximum(), 100);
    display.showSignal(controls, 73, 96);
    EXPECT_EQ(controls.getText(IDC_SIGNAL_PERCENT), "73%");
    EXPECT_EQ(controls.getText(IDC_QUALITY_PERCENT), "96%");
}

}  // namespace
