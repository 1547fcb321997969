#include "kit/link_display.h"

#include <cstdio>

#include "platform/controls.h"
#include "platform/dialog_window.h"

namespace {

constexpr int kBarMaximum = 100;
// The strength scale: 100 % spread over 30 dB above -86 dBm, in the single-precision
// constant the figures were always computed with.
constexpr float kStrengthPerDb = 3.3333333f;
constexpr int kNoSignalDbm = -86;

std::string percentText(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d%%", value);
    return text;
}

}  // namespace

void LinkDisplay::attach(DialogWindow& window) {
    window.attachControl(IDC_SIGNAL_BAR, signalBar_);
    window.attachControl(IDC_QUALITY_BAR, qualityBar_);
    window.attachControl(IDC_TX_GRAPH, txGraph_);
    window.attachControl(IDC_RX_GRAPH, rxGraph_);
}

void LinkDisplay::initBars() {
    for (TextProgressBar* bar : {&signalBar_, &qualityBar_}) {
        bar->SetShowText(false);
        bar->SetBarColour(barColour_);
        bar->SetRange(0, kBarMaximum);
        bar->SetStep(1);
    }
}

void LinkDisplay::initGraphs() {
    for (BarGraph* graph : {&txGraph_, &rxGraph_}) {
        graph->SetBarCount(kSamples);
        graph->SetScale(1);
    }
}

void LinkDisplay::resetHistory() {
    for (int i = 0; i < kSamples; ++i) txHistory_[i] = rxHistory_[i] = 0;
}

int32_t LinkDisplay::throughputKbps(uint32_t now, uint32_t last) {
    // The counters wrap at 32 bits: the step is their difference modulo 2^32. Read as a
    // signed step, a counter that started again from 0 (the adapter was replugged) steps
    // backwards and shows 0. Multiplied in 64 bits, a large step cannot overflow.
    int32_t step = int32_t(now - last);
    if (step < 0) return 0;
    return int32_t(int64_t(step) * 8 / 1000);
}

int LinkDisplay::barHeight(int32_t v) {
    // 64-bit steps: a sample can be anything up to the largest 32-bit figure.
    int64_t x = v;
    if (x <= 10) return int(x * 12 / 10);
    if (x <= 100) return int((3 * x - 30) * 4 / 90 + 14);
    if (x <= 1000) return int((3 * x - 300) * 4 / 900 + 26);
    if (x <= 10000) return int((3 * x - 3000) * 4 / 9000 + 38);
    return 45;
}

int LinkDisplay::signalStrength(int32_t rssi) {
    // In double, so that -56 dBm reads 99 on every processor (single precision would
    // round 30 x 3.3333333 up to exactly 100).
    double s = (double(rssi) - kNoSignalDbm) * double(kStrengthPerDb);
    if (s > kBarMaximum) return kBarMaximum;
    if (s < 0) return 0;
    return int(s);
}

int LinkDisplay::linkQualityPercent(int32_t raw) {
    int64_t q = int64_t(raw) * 4;
    if (q >= 99) return kBarMaximum;
    if (q < 0) return 0;
    return int(q);
}

int32_t LinkDisplay::showDirection(Controls& controls, int figureId, BarGraph& graph, int32_t* history,
                                   uint32_t now, uint32_t last) {
    int32_t kbps = throughputKbps(now, last);
    controls.showText(figureId, std::to_string(kbps));
    // The bars show the history as it stood before this tick's shift.
    for (int i = 0; i < kSamples; ++i) {
        if (i >= kFirstDrawnSample) graph.SetBarHeight(i, barHeight(history[i]));
        if (i >= 1) history[i - 1] = history[i];
    }
    history[kSamples - 1] = kbps;
    return kbps;
}

void LinkDisplay::showThroughput(Controls& controls, uint32_t txBytes, uint32_t rxBytes) {
    showDirection(controls, IDC_RX_FIGURE, rxGraph_, rxHistory_, rxBytes, lastRxBytes_);
    showDirection(controls, IDC_TX_FIGURE, txGraph_, txHistory_, txBytes, lastTxBytes_);
    lastTxBytes_ = txBytes;
    lastRxBytes_ = rxBytes;
}

void LinkDisplay::showSignal(Controls& controls, int strength, int quality) {
    signalBar_.SetPos(strength);
    qualityBar_.SetPos(quality);
    controls.showText(IDC_SIGNAL_PERCENT, percentText(strength));
    controls.showText(IDC_QUALITY_PERCENT, percentText(quality));
}
