#pragma once
// What a page under test reaches: PageServices over an in-memory store, a desktop
// double and no language file, with the simulated adapter as the current adapter
// record (as the main window's poll would have chosen it), and the routing of the
// control double's notifications into a dialog's command handler.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "adapter/adapter_context.h"
#include "adapter/current_adapter.h"
#include "adapter/q_adapter_info.h"
#include "adapter/q_adapter_list.h"
#include "language/language_texts.h"
#include "kit/page_services.h"
#include "platform/dialog.h"
#include "platform/dialog_runner.h"
#include "platform/win32_numbers.h"
#include "profiles/memory_settings_store.h"
#include "profiles/profile_store.h"
#include "sim/sim_adapter_library.h"
#include "support/fake_controls.h"
#include "support/fake_desktop.h"
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

class SimPageServices {
public:
    explicit SimPageServices(SimScenario scenario = DefaultScenario()) : sim(std::move(scenario)) {
        sim.SetClock([this] { return desktop.now; });
        adapter = list.FindByDescription(kSimProductDescription);
        if (adapter && adapter->IsUsable()) SetCurrentAdapter(adapter);
        sim.ClearRequestLog();
    }
    ~SimPageServices() { SetCurrentAdapter(nullptr); }
    SimPageServices(const SimPageServices&) = delete;
    SimPageServices& operator=(const SimPageServices&) = delete;

    void profile(const std::string& name, const std::vector<std::pair<std::string, std::string>>& values) {
        for (const auto& v : values) store.writeValue(name, v.first, v.second);
    }
    // Set requests since the log was last cleared, in order (private commands left out).
    std::vector<uint32_t> setOids() const {
        std::vector<uint32_t> out;
        for (const auto& e : sim.RequestLog())
            if (e.type == NdisRequestSetInformation) out.push_back(e.oid);
        return out;
    }

    FakeDesktop desktop;
    SimAdapterLibrary sim;
    AdapterContext adapterContext{sim, desktop};
    QAdapterList list{adapterContext};
    QAdapterInfo* adapter = nullptr;
    MemorySettingsStore settings;
    ProfileStore store{settings};
    FakeTextSource textSource;
    LanguageTexts texts{textSource};
    RecordingDialogRunner dialogs;
    PageServices services{store, desktop, texts, dialogs};
};

// Every notification of the double reaches the dialog as WM_COMMAND would.
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
