#pragma once
// A settings page on the simulated adapter: the program's adapter list over the
// simulator, the product's adapter as the current adapter record, an in-memory profile
// store and an in-memory dialog whose notifications reach the page as the dialog host
// delivers them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "adapter/adapter_context.h"
#include "adapter/current_adapter.h"
#include "adapter/q_adapter_info.h"
#include "adapter/q_adapter_list.h"
#include "language/language_texts.h"
#include "kit/page_services.h"
#include "platform/dialog_runner.h"
#include "platform/win32_numbers.h"
#include "profiles/memory_settings_store.h"
#include "profiles/profile_names.h"
#include "profiles/profile_store.h"
#include "sim/sim_adapter_library.h"
#include "support/fake_controls.h"
#include "support/fake_desktop.h"
#include "support/fake_dialog_window.h"
#include "support/fake_text_source.h"

class NoModalDialogs : public DialogRunner {
public:
    int runModal(Dialog&) override { return -1; }
};

class SettingsPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim.SetClock([this] { return desktop.now; });
        adapter = list.FindByDescription(kSimProductDescription);
        ASSERT_NE(adapter, nullptr);
        ASSERT_TRUE(adapter->IsUsable());
        SetCurrentAdapter(adapter);
    }
    void TearDown() override { SetCurrentAdapter(nullptr); }

    // Creates the page on the in-memory dialog, as the main window does at start-up.
    void create(Dialog& page) {
        controls.onAny([&page](int id, FakeControls::Event event) {
            switch (event) {
            case FakeControls::Event::Change: page.DispatchCommand(id, kEnChange); break;
            case FakeControls::Event::SetFocus: page.DispatchCommand(id, kEnSetFocus); break;
            case FakeControls::Event::SelChange: page.DispatchCommand(id, kCbnSelChange); break;
            case FakeControls::Event::Clicked: page.DispatchCommand(id, kBnClicked); break;
            case FakeControls::Event::KillFocus: break;
            }
        });
        page.attachWindow(&window);
        page.DispatchInitDialog();
    }

    // Changes the simulated product adapter (region, refused requests) while it stays
    // plugged in, so its driver keeps its state.
    template <typename Change>
    void changeAdapter(Change change) {
        SimScenario s = sim.Driver().Scenario();
        for (SimAdapterConfig& a : s.adapters)
            if (a.description == kSimProductDescription) change(a);
        sim.SetScenario(s);
    }

    // Joins an open network in range, as a profile would, and lets the link come up.
    void associate(const std::string& ssid) {
        NDIS_802_11_SSID record{};
        record.SsidLength = static_cast<uint32_t>(ssid.size());
        for (size_t i = 0; i < ssid.size(); ++i) record.Ssid[i] = static_cast<uint8_t>(ssid[i]);
        uint32_t mode = Ndis802_11Infrastructure, needed = 0;
        adapter->SetInformation(OID_802_11_INFRASTRUCTURE_MODE, &mode, 4, &needed);
        adapter->SetInformation(OID_802_11_SSID, &record, sizeof record, &needed);
        desktop.now += 5000;
        adapter->RefreshStatus();
        ASSERT_EQ(adapter->mediaState, NdisMediaStateConnected);
    }

    // The set requests the page sent since the log was last cleared, in order.
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
    static uint32_t u32At(const SimRequestLogEntry& e, size_t offset) {
        uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = (v << 8) | (offset + i < e.bytes.size() ? e.bytes[offset + i] : 0);
        return v;
    }
    static std::string ssidOf(const SimRequestLogEntry& e) {
        const uint32_t n = u32At(e, 0);
        return std::string(e.bytes.begin() + 4, e.bytes.begin() + 4 + (n > 32 ? 32 : n));
    }

    std::string active(const char* name) const { return store.readValue(ProfileName::ActiveSetting, name, "<missing>"); }
    void setActive(const char* name, const std::string& value) {
        store.writeValue(ProfileName::ActiveSetting, name, value);
    }
    bool sentLinkInfo() const {
        for (const auto& c : window.parentCommands)
            if (c.first == IDC_HEADER_LINK_INFO) return true;
        return false;
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
    NoModalDialogs dialogs;
    PageServices services{store, desktop, texts, dialogs};
    FakeControls controls;
    FakeDialogWindow window{&controls};
};
