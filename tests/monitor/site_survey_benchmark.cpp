// How the site survey's two refreshes grow: a BSSID list of 50 to 200 networks walked and
// shown, and a profile chain of 100 to 1,000 profiles listed against a full network
// list. Not a test: run it by hand (build/host/tests/monitor/site_survey_benchmark) and
// compare the per-row times across sizes. The page runs on the simulated adapter with
// in-memory controls and store, so what is timed is the page's own work.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "adapter/adapter_context.h"
#include "adapter/current_adapter.h"
#include "adapter/q_adapter_info.h"
#include "adapter/q_adapter_list.h"
#include "language/language_texts.h"
#include "monitor/site_survey_page.h"
#include "kit/page_services.h"
#include "platform/dialog_runner.h"
#include "profiles/memory_settings_store.h"
#include "profiles/profile_store.h"
#include "sim/sim_adapter_library.h"
#include "support/fake_controls.h"
#include "support/fake_desktop.h"
#include "support/fake_dialog_window.h"
#include "support/fake_text_source.h"

namespace {

class NoDialogs : public DialogRunner {
public:
    int runModal(Dialog&) override { return 2; }
};

SimScenario Networks(int count) {
    SimScenario s = DefaultScenario();
    s.networks.clear();
    s.rssiJitter = 0;
    for (int i = 0; i < count; ++i) {
        SimNetwork n;
        n.ssid = "Net" + std::to_string(i);
        const uint8_t mac[6] = {0x00, 0x11, 0x22, uint8_t(i >> 16), uint8_t(i >> 8), uint8_t(i)};
        std::copy(mac, mac + 6, n.bssid);
        n.frequencyKHz = ChannelToFrequency(1 + i % 13);
        n.rates = i % 3 == 0 ? 'b' : 'g';
        n.adhoc = i % 7 == 0;
        n.rssi = -40 - i % 50;
        s.networks.push_back(n);
    }
    return s;
}

struct Bench {
    FakeDesktop desktop;
    SimAdapterLibrary sim;
    AdapterContext context{sim, desktop};
    MemorySettingsStore settings;
    ProfileStore store{settings};
    FakeTextSource ini;
    LanguageTexts texts{ini};
    NoDialogs dialogs;
    PageServices services{store, desktop, texts, dialogs};
    FakeControls controls;
    FakeDialogWindow window{&controls};
    SiteSurveyPage page{services};
    QAdapterList adapters{context};

    Bench(int networks, int profiles) {
        sim.SetScenario(Networks(networks));
        QAdapterInfo* adapter = adapters.FindByDescription(kSimProductDescription);
        if (adapter != nullptr && adapter->IsUsable()) SetCurrentAdapter(adapter);
        controls.addListView(IDC_SURVEY_NETWORK_LIST, 600);
        controls.addListView(IDC_SURVEY_PROFILE_LIST, 400);
        page.attachWindow(&window);
        store.writeValue(ProfileName::FactoryDefault, ProfileValue::NextProfile, ProfileName::EndOfChain);
        for (int i = profiles - 1; i >= 0; --i) {
            const std::string name = "Profile" + std::to_string(i);
            store.writeValue(name, ProfileValue::SSID, "Net" + std::to_string(i * 3));
            store.writeValue(name, ProfileValue::OperationMode, i % 5 == 0 ? "1" : "0");
            store.linkNewProfile(name);
        }
        page.refreshNetworkList();
    }
    ~Bench() { SetCurrentAdapter(nullptr); }
};

// Median of `runs` timings of `work`, in microseconds.
template <typename F>
double MedianMicros(int runs, F work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    std::printf("networks  rows  refreshNetworkList/us  per row/us\n");
    for (int n : {50, 100, 200}) {
        Bench b(n, 0);
        const double us = MedianMicros(21, [&] { b.page.refreshNetworkList(); });
        const int rows = b.controls.itemCount(IDC_SURVEY_NETWORK_LIST);
        std::printf("%8d  %4d  %21.0f  %10.2f\n", n, rows, us, us / std::max(rows, 1));
    }
    std::printf("\nprofiles  rows  refreshProfileList/us  per row/us  of which listProfiles/us   (200 networks)\n");
    for (int p : {100, 300, 1000, 2000}) {
        Bench b(200, p);
        const double us = MedianMicros(21, [&] { b.page.refreshProfileList(); });
        const double chain = MedianMicros(21, [&] { b.store.listProfiles(); });
        const int rows = b.controls.itemCount(IDC_SURVEY_PROFILE_LIST);
        std::printf("%8d  %4d  %21.0f  %10.2f  %24.0f\n", p, rows, us, us / std::max(rows, 1), chain);
    }
    return 0;
}
