#pragma once
// The wizard's pages over the control double and the simulated adapter: the product's
// adapter is the current adapter record, the profile store lives in memory, and every
// control notification reaches the page as the dialog host would pass it on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "adapter/adapter_context.h"
#include "adapter/current_adapter.h"
#include "adapter/q_adapter_info.h"
#include "adapter/q_adapter_list.h"
#include "language/language_texts.h"
#include "pages/internet_check.h"
#include "kit/page_services.h"
#include "platform/dialog_runner.h"
#include "platform/win32_numbers.h"
#include "profiles/memory_settings_store.h"
#include "profiles/profile_store.h"
#include "sim/sim_adapter_library.h"
#include "support/fake_controls.h"
#include "support/fake_desktop.h"
#include "support/fake_dialog_window.h"
#include "support/fake_text_source.h"

class NoDialogs : public DialogRunner {
public:
    int runModal(Dialog&) override { return -1; }
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

inline std::string wizardScenario(const std::string& productExtra = "", const std::string& driver = "") {
    return "[Driver]\nRssiJitter=0\n" + driver +
           "[Adapter product]\nDescription=Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter\n"
           "DeviceName=\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}\n" +
           productExtra +
           "[Network home]\nSsid=HomeNet\nChannel=6\nRssi=-71\n"
           "[Network lab]\nSsid=VexaLab\nChannel=1\nKey=1234567890\n";
}

class WizardFixture : public ::testing::Test {
protected:
    explicit WizardFixture(const std::string& scenario = wizardScenario()) : sim(ParseScenario(scenario)) {}

    void SetUp() override {
        sim.SetClock([this] { return desktop.now; });
        adapter = list.FindByDescription(kSimProductDescription);
        ASSERT_NE(adapter, nullptr);
        // A driver that refuses SSID requests fails the poll's probe; the page is
        // handed its record all the same, as it would be by an earlier poll.
        if (!refusesSsid) {
            ASSERT_TRUE(adapter->IsUsable());
        }
        SetCurrentAdapter(adapter);
        sim.ClearRequestLog();
    }
    void TearDown() override { SetCurrentAdapter(nullptr); }

    // Every notification of the double, as WM_COMMAND codes, to `dialog`.
    void route(Dialog& dialog) {
        controls.onAny([&dialog](int id, FakeControls::Event e) {
            switch (e) {
            case FakeControls::Event::Change: dialog.OnCommand(id, kEnChange); break;
            case FakeControls::Event::SetFocus: dialog.OnCommand(id, kEnSetFocus); break;
            case FakeControls::Event::Clicked: dialog.OnCommand(id, kBnClicked); break;
            case FakeControls::Event::SelChange: dialog.OnCommand(id, kCbnSelChange); break;
            case FakeControls::Event::KillFocus: break;
            }
        });
    }

    // Set requests the driver saw, in order (the link snapshot's queries left out).
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
    std::string active(const char* name) const { return store.readValue("ActiveSetting", name, "<missing>"); }

    bool refusesSsid = false;
    FakeDesktop desktop;
    SimAdapterLibrary sim;
    AdapterContext context{sim, desktop};
    QAdapterList list{context};
    QAdapterInfo* adapter = nullptr;
    MemorySettingsStore settings;
    ProfileStore store{settings};
    FakeTextSource ini;
    LanguageTexts texts{ini};
    NoDialogs dialogs;
    FakeInternetCheck internet;
    PageServices services{store, desktop, texts, dialogs, nullptr, nullptr, &internet};
    FakeControls controls;
    FakeDialogWindow window{&controls};
};
