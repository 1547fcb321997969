#pragma once
// What a test over the simulated adapter stands on, in two layers:
// - SimMachine: a desktop double whose clock drives the simulated radio, and the library
//   the program talks to (the simulator itself, or a wrapper put in front of it such as
//   the lying driver of hostile_library.h);
// - SimBench: the program's adapter list over that machine with the product's adapter
//   polled and made the current adapter record, an in-memory profile store with the
//   chain checker over it, texts without a language file, the services a page reaches,
//   and an in-memory dialog window whose control notifications reach a dialog the way
//   the dialog host delivers WM_COMMAND.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "adapter/adapter_context.h"
#include "adapter/current_adapter.h"
#include "adapter/q_adapter_info.h"
#include "adapter/q_adapter_list.h"
#include "kit/page_services.h"
#include "language/language_texts.h"
#include "pages/internet_check.h"
#include "platform/dialog.h"
#include "platform/dialog_runner.h"
#include "platform/win32_numbers.h"
#include "profiles/chain_checker.h"
#include "sim/sim_adapter_library.h"
#include "support/fake_controls.h"
#include "support/fake_desktop.h"
#include "support/fake_dialog_window.h"
#include "support/fake_text_source.h"

// Records the dialogs a page opens and answers with `result`.
class RecordingDialogRunner : public DialogRunner {
public:
    int result = 2;
    std::vector<Dialog*> opened;
    int runModal(Dialog& dialog) override {
        opened.push_back(&dialog);
        return result;
    }
};

class FakeInternetCheck : public InternetCheck {
public:
    InternetOutcome outcome = InternetOutcome::Handle;
    std::vector<std::string> urls;
    InternetOutcome openPage(const std::string& url) override {
        urls.push_back(url);
        return outcome;
    }
};

// Every notification of the double reaches `dialog` as the dialog host passes WM_COMMAND on.
inline void routeNotifications(FakeControls& controls, Dialog& dialog) {
    controls.onAny([&dialog](int id, FakeControls::Event event) {
        int code = -1;
        switch (event) {
        case FakeControls::Event::Change: code = kEnChange; break;
        case FakeControls::Event::SetFocus: code = kEnSetFocus; break;
        case FakeControls::Event::SelChange: code = kCbnSelChange; break;
        case FakeControls::Event::Clicked: code = kBnClicked; break;
        case FakeControls::Event::KillFocus: return;
        }
        dialog.DispatchCommand(id, code);
    });
}

class SimMachine {
public:
    // Puts a library of the test's own in front of the simulator.
    using Front = std::function<std::unique_ptr<AdapterLibrary>(SimAdapterLibrary&)>;

    explicit SimMachine(SimScenario scenario = DefaultScenario(), const Front& front = nullptr)
        : sim(std::move(scenario)), front_(front ? front(sim) : nullptr) {
        sim.SetClock([this] { return desktop.now; });
    }
    SimMachine(const SimMachine&) = delete;
    SimMachine& operator=(const SimMachine&) = delete;

    // The set requests the driver saw since its log was last cleared, in order.
    std::vector<SimRequestLogEntry> sets() const {
        std::vector<SimRequestLogEntry> out;
        for (const auto& e : sim.RequestLog())
            if (e.type == NdisRequestSetInformation) out.push_back(e);
        return out;
    }
    std::vector<uint32_t> setOids() const {
        std::vector<uint32_t> out;
        for (const auto& e : sets()) out.push_back(e.oid);
        return out;
    }

    // What the program talks to: the simulator, or what was put in front of it.
    AdapterLibrary& library() { return front_ ? *front_ : sim; }

    FakeDesktop desktop;
    SimAdapterLibrary sim;

private:
    std::unique_ptr<AdapterLibrary> front_;

public:
    AdapterContext context{library(), desktop};
};

class SimBench : public SimMachine {
public:
    explicit SimBench(SimScenario scenario = DefaultScenario(), const Front& front = nullptr)
        : SimMachine(std::move(scenario), front) {
        // As the main window's poll would: probe the product's adapter and make it the
        // current one (a driver that refuses the probe leaves `polled` false).
        adapter = list.FindByDescription(kSimProductDescription);
        polled = adapter && adapter->IsUsable();
        SetCurrentAdapter(adapter);
        sim.ClearRequestLog();
    }
    ~SimBench() { SetCurrentAdapter(nullptr); }

    void profile(const std::string& name, const std::vector<std::pair<std::string, std::string>>& values) {
        for (const auto& v : values) store.writeValue(name, v.first, v.second);
    }
    // Attaches `dialog` to the bench's window with its notifications routed, and
    // initialises it as the host does on creation.
    void create(Dialog& dialog) {
        routeNotifications(controls, dialog);
        dialog.attachWindow(&window);
        dialog.DispatchInitDialog();
    }

    QAdapterList list{context};
    QAdapterInfo* adapter = nullptr;
    bool polled = false;
    ChainChecker chain;
    MemorySettingsStore& settings = chain.settings;
    ProfileStore& store = chain.store;
    FakeTextSource textSource;
    LanguageTexts texts{textSource};
    RecordingDialogRunner dialogs;
    FakeInternetCheck internet;
    PageServices services{store, desktop, texts, dialogs, nullptr, nullptr, &internet};
    FakeControls controls;
    FakeDialogWindow window{&controls};
};
