#pragma once
// The live link figures that the Link Info page and the wizard's test page share: the
// transmit and receive throughput with their 40-sample histories drawn as bar graphs,
// and the signal-strength and link-quality bars with their percentages. Both pages
// carry these controls under the same ids; they differ only in the bars' colour and in
// what they show while the link is down, which stays with each page.
//
// The page owns one LinkDisplay, attaches it in its initialisation and calls it from its
// timer tick:
//   init:  display.attach(*window()); display.initBars(); display.resetHistory();
//          display.initGraphs();
//   tick:  display.showThroughput(controls(), record.txBytes, record.rxBytes);
//          display.showSignal(controls(), LinkDisplay::signalStrength(record.rssi),
//                             LinkDisplay::linkQualityPercent(record.linkQuality));

#include <cstdint>

#include "controls/bar_graph.h"
#include "controls/text_progress_bar.h"
#include "resources/resource_ids.h"

class Controls;
class DialogWindow;

class LinkDisplay {
public:
    static constexpr int kSamples = 40;
    // Bars 0 to 3 of a graph are never set from the history.
    static constexpr int kFirstDrawnSample = 4;

    explicit LinkDisplay(Colour barColour) : barColour_(barColour) {}

    // Takes over the two progress bars and the two graphs of the page's template.
    void attach(DialogWindow& window);
    // Both bars: no text of their own, the page's colour, range 0 to 100, step 1.
    void initBars();
    // Both graphs: 40 bars, one pixel per unit of height.
    void initGraphs();
    // Zero both histories.
    void resetHistory();

    // One tick of throughput: each direction's figure in kbps, its graph drawn from the
    // history as it stood before this tick, then the history shifted and the new figure
    // appended; the counters are kept for the next tick.
    void showThroughput(Controls& controls, uint32_t txBytes, uint32_t rxBytes);
    // Both bars to their positions and the percentages beside them ("%d%%").
    void showSignal(Controls& controls, int strength, int quality);

    // kbps from two readings of a running byte counter, a second apart. A counter that
    // went backwards (the adapter was replugged) gives 0; a counter that wrapped past
    // 2^32 gives the true step. The figure never overflows.
    static int32_t throughputKbps(uint32_t now, uint32_t last);
    // Bar height for a sample in kbps: 12 units per decade up to 10000 kbps, 45 above.
    static int barHeight(int32_t kbps);
    // Signal strength 0..100 from the RSSI in dBm: -86 dBm and below 0, -55 and above 100.
    static int signalStrength(int32_t rssi);
    // Link quality 0..100 from the driver's raw figure, where 25 is full quality.
    static int linkQualityPercent(int32_t raw);

    const int32_t* txHistory() const { return txHistory_; }
    const int32_t* rxHistory() const { return rxHistory_; }
    uint32_t lastTxBytes() const { return lastTxBytes_; }
    uint32_t lastRxBytes() const { return lastRxBytes_; }
    // The counters the first tick measures against (the page's choice before any tick).
    void setLastCounters(uint32_t txBytes, uint32_t rxBytes) {
        lastTxBytes_ = txBytes;
        lastRxBytes_ = rxBytes;
    }

    TextProgressBar& signalBar() { return signalBar_; }
    TextProgressBar& qualityBar() { return qualityBar_; }
    BarGraph& txGraph() { return txGraph_; }
    BarGraph& rxGraph() { return rxGraph_; }

private:
    static int32_t showDirection(Controls& controls, int figureId, BarGraph& graph, int32_t* history,
                                 uint32_t now, uint32_t last);

    Colour barColour_;
    TextProgressBar signalBar_;
    TextProgressBar qualityBar_;
    BarGraph txGraph_;
    BarGraph rxGraph_;
    int32_t txHistory_[kSamples] = {};
    int32_t rxHistory_[kSamples] = {};
    uint32_t lastTxBytes_ = 0;
    uint32_t lastRxBytes_ = 0;
};
