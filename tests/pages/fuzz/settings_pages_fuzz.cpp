// The Security page, the Configuration page and the profile editor loading hand-edited
// values over a driver that lies, a few user actions, then Apply (OK for the editor).
// Every set request must be well-formed, every value the window wrote one it could
// produce from its controls, the settings in force unchanged or a copy of the edited
// profile, and no notification may nest deeper than a handler and the key check's own
// edits (2). A broken rule aborts with what broke.
#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "pages/configuration_page.h"
#include "pages/profile_editor_dialog.h"
#include "pages/security_page.h"
#include "support/fake_dialog_window.h"
#include "support/hostile_rig.h"
#include "support/profile_editor_controls.h"
#include "support/settings_page_controls.h"

namespace {

[[noreturn]] void fail(const char* window, const std::string& what) {
    std::fprintf(stderr, "%s: %s\n", window, what.c_str());
    std::abort();
}

bool isNumberIn(const std::string& text, int low, int high) {
    if (text.empty() || text.size() > 3) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i])) && !(i == 0 && text[i] == '-' && text.size() > 1))
            return false;
    const int n = std::stoi(text);
    return n >= low && n <= high;
}

bool isHexOnly(const std::string& text) {
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

using Values = std::map<std::string, std::string>;

Values snapshot(const ChainChecker& chain, const std::string& profile) {
    Values out;
    for (const std::string& v : ProfileStore::settingNames()) out[v] = chain.settings.readValue(profile, v, "\x01");
    out["AutoSearch"] = chain.settings.readValue(profile, "AutoSearch", "\x01");
    return out;
}

// "" when every value that changed holds a text the window's controls can give.
std::string writtenFault(const Values& before, const Values& after, bool keysChecked) {
    for (const auto& [name, text] : after) {
        if (before.at(name) == text) continue;
        const auto& n = name;
        bool ok = true;
        if (n == "Authentication" || n == "PowerSaveMode") ok = isNumberIn(text, n == "PowerSaveMode" ? -1 : 0, 2);
        else if (n == "WepEnabled" || n == "1X") ok = text == "0" || text == "1";
        else if (n == "KeyIndex") ok = isNumberIn(text, 1, 4);
        else if (n.size() == 10 && n.compare(0, 3, "Key") == 0) ok = text == "0" || text == "1";   // Key<n>Length
        else if (n == "KeyFormat") ok = text == "0" || text == "1";
        else if (n == "OperationMode") ok = text == "0" || text == "1";
        else if (n == "Channel") ok = text.empty() || isNumberIn(text, 1, 14);
        else if (n == "AutoSearch" || n == "PreambleType") ok = isNumberIn(text, -1, 1);
        else if (n == "MaxRate") ok = isNumberIn(text, -1, 12);
        else if (n == "SSID") ok = text.size() <= NDIS_802_11_MAX_SSID;
        else if (n.size() == 4 && n.compare(0, 3, "Key") == 0) ok = !keysChecked || isHexOnly(text);
        if (!ok) return n + " written as \"" + text + "\"";
    }
    return "";
}

// A few things a user does between load and Apply: clicks, choices, typing into keys.
void userActs(FuzzedDataProvider& in, FakeControls& c, const std::vector<int>& lists, const std::vector<int>& edits,
              const std::vector<int>& clicks) {
    const int actions = in.ConsumeIntegralInRange<int>(0, 6);
    static const char* const kTyped[] = {"1", "G", "12345", "abcdef0123456", "zz", "0123456789ABCDEF0123456789"};
    for (int i = 0; i < actions; ++i) {
        switch (in.ConsumeIntegralInRange<int>(0, 2)) {
        case 0:
            c.selectByUser(lists[in.ConsumeIntegralInRange<size_t>(0, lists.size() - 1)],
                           in.ConsumeIntegralInRange<int>(0, 14));
            break;
        case 1:
            c.type(edits[in.ConsumeIntegralInRange<size_t>(0, edits.size() - 1)],
                   kTyped[in.ConsumeIntegralInRange<size_t>(0, 5)]);
            break;
        default: c.click(clicks[in.ConsumeIntegralInRange<size_t>(0, clicks.size() - 1)]); break;
        }
    }
}

const std::vector<int> kKeyEdits = {IDC_EDITOR_KEY1, IDC_EDITOR_KEY2, IDC_EDITOR_KEY3, IDC_EDITOR_KEY4};
// The key format is left to the loaded value: a user who switches it keeps texts of the
// other format (they are checked at the next change), which this rule does not cover.
const std::vector<int> kWepLists = {IDC_EDITOR_AUTH_MODE, IDC_EDITOR_KEY1_LENGTH, IDC_EDITOR_KEY2_LENGTH,
                                    IDC_EDITOR_KEY3_LENGTH, IDC_EDITOR_KEY4_LENGTH};
const std::vector<int> kWepClicks = {IDC_EDITOR_WEP, IDC_EDITOR_DEFAULT_KEY1, IDC_EDITOR_DEFAULT_KEY3};

// After a window's work: requests, nesting, and what it wrote into `profile`.
void check(const char* window, HostileRig& rig, FakeControls& c, const Values& before, const std::string& profile) {
    if (!rig.hostile.fault.empty()) fail(window, "malformed set request: " + rig.hostile.fault);
    if (c.deepest > 2 || c.runaway) fail(window, "notifications nested " + std::to_string(c.deepest) + " deep");
    const bool hex = rig.chain.settings.readValue(profile, "KeyFormat", "") == "0";
    const std::string f = writtenFault(before, snapshot(rig.chain, profile), hex);
    if (!f.empty()) fail(window, f);
}

// One of the two pages over ActiveSetting: created, shown as the main window shows it,
// a few user actions, Apply.
template <typename Page>
void settingsPage(const char* name, FuzzedDataProvider& in, HostileRig& rig, void (*addControls)(FakeControls&),
                  const std::vector<int>& lists, const std::vector<int>& edits, const std::vector<int>& clicks,
                  void (Page::*show)()) {
    FakeControls c;
    FakeDialogWindow window{&c};
    addControls(c);
    const Values before = snapshot(rig.chain, "ActiveSetting");
    Page page{rig.services};
    page.attachWindow(&window);
    routeNotifications(c, page);
    page.DispatchInitDialog();
    (page.*show)();
    userActs(in, c, lists, edits, clicks);
    c.click(IDC_APPLY);
    check(name, rig, c, before, "ActiveSetting");
}

void profileEditor(FuzzedDataProvider& in, HostileRig& rig) {
    FakeControls c;
    FakeDialogWindow window{&c};
    addProfileEditorControls(c);
    const std::string profile = in.ConsumeBool() ? "Home" : "Office";
    const Values before = snapshot(rig.chain, profile);
    const ChainChecker::Active active = rig.chain.active();
    ProfileEditorDialog editor{rig.services};
    editor.mode = EditorMode::Edit;
    editor.profileName = profile;
    editor.networkUsesWep = true;
    editor.attachWindow(&window);
    routeNotifications(c, editor);
    editor.DispatchInitDialog();
    std::vector<int> lists = kWepLists;
    for (int id : {IDC_EDITOR_BSS_TYPE, IDC_EDITOR_CHANNEL, IDC_EDITOR_TX_RATE, IDC_EDITOR_PREAMBLE, IDC_EDITOR_POWER_MODE})
        lists.push_back(id);
    std::vector<int> edits = kKeyEdits;
    edits.push_back(IDC_EDITOR_SSID);
    userActs(in, c, lists, edits, kWepClicks);
    c.click(IDC_EDITOR_OK);
    check("Profile editor", rig, c, before, profile);
    const std::string f = rig.chain.activeSettingCheck(active, {profile});
    if (!f.empty()) fail("Profile editor", f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    HostileRig rig([&in] { return in.ConsumeIntegral<uint8_t>(); });
    if (!rig.adapter) return 0;
    rig.fillStore();
    switch (in.ConsumeIntegralInRange<int>(0, 2)) {
    case 0:
        settingsPage<SecurityPage>("Security page", in, rig, addSecurityPageControls, kWepLists, kKeyEdits, kWepClicks,
                                   &SecurityPage::reloadSecurityPage);
        break;
    case 1:
        settingsPage<ConfigurationPage>("Configuration page", in, rig, addConfigurationPageControls,
                                        {IDC_CONFIG_BSS_TYPE, IDC_CONFIG_CHANNEL, IDC_CONFIG_AUTO_SEARCH,
                                         IDC_CONFIG_POWER_MODE, IDC_CONFIG_TX_RATE, IDC_CONFIG_PREAMBLE},
                                        {IDC_CONFIG_SSID}, {IDC_CANCEL_IMAGE}, &ConfigurationPage::Show);
        break;
    default: profileEditor(in, rig); break;
    }
    return 0;
}
