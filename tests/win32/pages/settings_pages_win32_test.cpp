// The Configuration, Security and About pages in the program's own templates under
// Wine: which controls show, how the real controls take the pages' calls, and the
// registry bindings the pages read and write (the driver keys below HKEY_LOCAL_MACHINE,
// ActiveSetting below HKEY_CURRENT_USER). The adapter is the simulator, in-process.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "adapter/adapter_context.h"
#include "adapter/current_adapter.h"
#include "adapter/device_information.h"
#include "adapter/machine_registry_win32.h"
#include "adapter/q_adapter_info.h"
#include "adapter/q_adapter_list.h"
#include "language/language_texts.h"
#include "pages/about_page.h"
#include "pages/configuration_page.h"
#include "kit/page_services.h"
#include "pages/security_page.h"
#include "platform/dialog_host_win32.h"
#include "platform/dialog_runner.h"
#include "profiles/profile_store.h"
#include "profiles/registry_settings_store.h"
#include "profiles/wep_key_fields.h"
#include "sim/sim_adapter_library.h"
#include "support/driver_keys_win32.h"
#include "support/fake_desktop.h"
#include "support/fake_text_source.h"

namespace {

const char kTestRoot[] = "Software\\Vexa\\LumoraPagesTest";
const std::string kProductDevice = "\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}";

class NoDialogs : public DialogRunner {
public:
    int runModal(Dialog&) override { return -1; }
};

std::string textOf(HWND page, int id) {
    char text[512] = {};
    GetDlgItemTextA(page, id, text, sizeof text);
    return text;
}
bool visible(HWND page, int id) {
    HWND control = GetDlgItem(page, id);
    return control && (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
}
void click(HWND page, int id) {
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

class SettingsPagesOnWine : public ::testing::Test {
protected:
    void SetUp() override {
        SHDeleteKeyA(HKEY_CURRENT_USER, kTestRoot);
        sim.SetClock([this] { return desktop.now; });
        adapter = list.FindByDescription(kSimProductDescription);
        ASSERT_NE(adapter, nullptr);
        ASSERT_TRUE(adapter->IsUsable());
        SetCurrentAdapter(adapter);
        frame = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 700, 600, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(frame, nullptr);
    }
    void TearDown() override {
        SetCurrentAdapter(nullptr);
        driver_keys::Remove();
        if (frame) DestroyWindow(frame);
        SHDeleteKeyA(HKEY_CURRENT_USER, kTestRoot);
    }
    std::vector<uint32_t> setOids() const {
        std::vector<uint32_t> out;
        for (const auto& e : sim.RequestLog())
            if (e.type == NdisRequestSetInformation) out.push_back(e.oid);
        return out;
    }
    std::string active(const char* name) { return store.readValue("ActiveSetting", name, "<missing>"); }

    FakeDesktop desktop;
    SimAdapterLibrary sim;
    AdapterContext adapterContext{sim, desktop};
    QAdapterList list{adapterContext};
    QAdapterInfo* adapter = nullptr;
    RegistrySettingsStore settings{kTestRoot};
    ProfileStore store{settings};
    FakeTextSource textSource;
    LanguageTexts texts{textSource};
    NoDialogs dialogs;
    MachineRegistryWin32 machineRegistry;
    PageServices services{store, desktop, texts, dialogs, &machineRegistry, &sim};
    HWND frame = nullptr;
};

TEST_F(SettingsPagesOnWine, DriverKeyIsFoundPastItsNeighboursAndBadValuesReadAsUnreadable) {
    ASSERT_TRUE(driver_keys::Seed("3.4.5.6"));
    const std::string classKey = sim.GetNetCardRegistryPath();
    ASSERT_EQ(classKey, driver_keys::kClassKey);
    DriverKeyInformation info = ReadDriverKey(machineRegistry, classKey, kProductDevice);
    EXPECT_TRUE(info.found);
    EXPECT_EQ(info.driverVersion, "3.4.5.6");   // not 9.9.9.9 of the long-named key

    const std::string tooLong(300, '4');
    ASSERT_TRUE(driver_keys::SetRawDriverVersion(REG_SZ, tooLong.c_str(), DWORD(tooLong.size() + 1)));
    info = ReadDriverKey(machineRegistry, classKey, kProductDevice);
    EXPECT_TRUE(info.found);
    EXPECT_EQ(info.driverVersion, "");
    const DWORD number = 7;
    ASSERT_TRUE(driver_keys::SetRawDriverVersion(REG_DWORD, &number, sizeof number));
    EXPECT_EQ(ReadDriverKey(machineRegistry, classKey, kProductDevice).driverVersion, "");

    EXPECT_FALSE(ReadDriverKey(machineRegistry, classKey, "\\DEVICE\\{00000000-0000-0000-0000-000000000000}").found);
    EXPECT_FALSE(ReadDriverKey(machineRegistry, "SYSTEM\\NoSuchClassKey", kProductDevice).found);
}

TEST_F(SettingsPagesOnWine, AboutPageShowsTheSeededDriverVersionInItsReadOnlyFields) {
    ASSERT_TRUE(driver_keys::Seed("3.4.5.6"));
    AboutPage page(services);
    DialogHost host(page);
    HWND hwnd = host.createModeless(frame);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(textOf(hwnd, IDC_ABOUT_DRIVER_VERSION), "");   // empty until the first fill
    page.Show();
    EXPECT_EQ(textOf(hwnd, IDC_ABOUT_MAC_ADDRESS), "00:A0:C5:4E:21:7B");
    EXPECT_EQ(textOf(hwnd, IDC_ABOUT_UTILITY_VERSION), "v1.00");
    EXPECT_EQ(textOf(hwnd, IDC_ABOUT_DRIVER_VERSION), "3.4.5.6");
    EXPECT_EQ(textOf(hwnd, IDC_ABOUT_REGION), "FCC(USA) Channel 1-11");
    for (int id : {IDC_ABOUT_UTILITY_VERSION, IDC_ABOUT_DRIVER_VERSION, IDC_ABOUT_MAC_ADDRESS}) {
        const LONG style = GetWindowLongA(GetDlgItem(hwnd, id), GWL_STYLE);
        EXPECT_TRUE(style & WS_VISIBLE) << id;
        EXPECT_TRUE(style & ES_READONLY) << id;
        EXPECT_TRUE(style & ES_CENTER) << id;
        EXPECT_FALSE(style & WS_DISABLED) << id;   // in the text colour, and selectable
    }
    // The MAC address can be selected and copied.
    HWND mac = GetDlgItem(hwnd, IDC_ABOUT_MAC_ADDRESS);
    SendMessageA(mac, EM_SETSEL, 0, -1);
    DWORD start = 0, end = 0;
    SendMessageA(mac, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end - start, 17u);
    SendMessageA(mac, WM_COPY, 0, 0);
    std::string copied;
    if (OpenClipboard(hwnd)) {
        if (HANDLE data = GetClipboardData(CF_TEXT)) {
            if (const char* text = static_cast<const char*>(GlobalLock(data))) copied = text;
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    EXPECT_EQ(copied, "00:A0:C5:4E:21:7B");
    EXPECT_FALSE(visible(hwnd, IDC_ABOUT_REGION));
    EXPECT_FALSE(visible(hwnd, IDC_ABOUT_FIRMWARE_VERSION));
    EXPECT_EQ(page.buttons().count(), 5u);

    driver_keys::Remove();   // no driver key: the driver's own version
    SetDlgItemTextA(hwnd, IDC_ABOUT_DRIVER_VERSION, "");
    page.Show();
    EXPECT_EQ(textOf(hwnd, IDC_ABOUT_DRIVER_VERSION), "1.0.3.12");
    host.destroy();
}

TEST_F(SettingsPagesOnWine, ConfigurationApplyReachesTheAdapterAndTheRegistry) {
    ConfigurationPage page(services);
    DialogHost host(page);
    HWND hwnd = host.createModeless(frame);
    ASSERT_NE(hwnd, nullptr);
    for (int id : {IDC_CONFIG_SSID, IDC_CONFIG_BSS_TYPE, IDC_CONFIG_CHANNEL, IDC_CONFIG_AUTO_SEARCH, IDC_APPLY,
                   IDC_CANCEL_IMAGE})
        EXPECT_TRUE(visible(hwnd, id)) << id;
    for (int id : {IDC_CONFIG_POWER_MODE, IDC_CONFIG_TX_RATE, IDC_CONFIG_PREAMBLE, IDC_CONFIG_APPLY_BUTTON,
                   IDC_CONFIG_CANCEL_BUTTON})
        EXPECT_FALSE(visible(hwnd, id)) << id;
    EXPECT_EQ(page.buttons().count(), 7u);

    page.Show();   // not associated: the factory network, channel position 5
    EXPECT_EQ(textOf(hwnd, IDC_CONFIG_SSID), "vexa");
    EXPECT_EQ(textOf(hwnd, IDC_CONFIG_CHANNEL), "6");
    EXPECT_EQ(textOf(hwnd, IDC_CONFIG_BSS_TYPE), "Infrastructure");
    EXPECT_EQ(textOf(hwnd, IDC_CONFIG_AUTO_SEARCH), "On");
    // The real edit stops typing at 32 characters.
    EXPECT_EQ(SendDlgItemMessageA(hwnd, IDC_CONFIG_SSID, EM_GETLIMITTEXT, 0, 0), 32);

    SetDlgItemTextA(hwnd, IDC_CONFIG_SSID, "HomeNet");
    sim.ClearRequestLog();
    click(hwnd, IDC_APPLY);
    EXPECT_EQ(setOids(), (std::vector<uint32_t>{OID_802_11_INFRASTRUCTURE_MODE, OID_802_11_SSID}));
    EXPECT_EQ(active("SSID"), "HomeNet");
    EXPECT_EQ(active("Channel"), "6");
    EXPECT_EQ(active("OperationMode"), "0");
    EXPECT_EQ(active("MaxRate"), "0");

    // Spain: two channels. The real list, asked for position 5, is left with no choice.
    SimScenario s = sim.Driver().Scenario();
    for (SimAdapterConfig& a : s.adapters) a.region = 0x31;
    sim.SetScenario(s);
    desktop.now += 5000;   // the link to HomeNet is up: Load selects its channel
    page.Load();
    EXPECT_EQ(SendDlgItemMessageA(hwnd, IDC_CONFIG_CHANNEL, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendDlgItemMessageA(hwnd, IDC_CONFIG_CHANNEL, CB_GETCURSEL, 0, 0), CB_ERR);   // channel 6
    host.destroy();
}

TEST_F(SettingsPagesOnWine, SecurityApplyStoresTheTypedKeyAndSendsIt) {
    store.writeValue("ActiveSetting", "WepEnabled", "1");
    store.writeValue("ActiveSetting", "KeyFormat", "0");
    store.writeValue("ActiveSetting", "KeyIndex", "1");
    store.writeValue("ActiveSetting", "SSID", "VexaLab");
    SecurityPage page(services);
    DialogHost host(page);
    HWND hwnd = host.createModeless(frame);
    ASSERT_NE(hwnd, nullptr);
    for (int id : {IDC_EDITOR_8021X, IDC_SECURITY_WEP_GROUP, IDC_SECURITY_AUTH_GROUP, IDC_SECURITY_8021X_GROUP,
                   IDC_SECURITY_LABEL1, IDC_SECURITY_LABEL5, IDC_SECURITY_LABEL6, IDC_SECURITY_ENCRYPTION_LIST,
                   IDC_SECURITY_KEY_LIST, IDC_SECURITY_APPLY_BUTTON, IDC_SECURITY_CANCEL_BUTTON,
                   IDC_SECURITY_PROGRESS, IDC_EDITOR_HEX_REMARK})
        EXPECT_FALSE(visible(hwnd, id)) << id;
    for (int id : {IDC_EDITOR_WEP, IDC_EDITOR_AUTH_MODE, IDC_EDITOR_KEY1, IDC_EDITOR_KEY4_LENGTH,
                   IDC_EDITOR_DEFAULT_KEY4, IDC_EDITOR_KEY_FORMAT, IDC_SECURITY_KEY_LABEL})
        EXPECT_TRUE(visible(hwnd, id)) << id;
    EXPECT_EQ(IsDlgButtonChecked(hwnd, IDC_EDITOR_WEP), BST_CHECKED);
    EXPECT_EQ(page.buttons().count(), 7u);

    // The edit's own change notification brings the page back until only digits remain.
    SetDlgItemTextA(hwnd, IDC_EDITOR_KEY1, "12345G");
    EXPECT_EQ(textOf(hwnd, IDC_EDITOR_KEY1), "12345");
    SetDlgItemTextA(hwnd, IDC_EDITOR_KEY1, "1234567890");
    sim.ClearRequestLog();
    click(hwnd, IDC_APPLY);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(active("Key1"), "1234567890");
    EXPECT_EQ(active("WepEnabled"), "1");
    const std::vector<uint32_t> oids = setOids();
    ASSERT_EQ(oids.size(), 11u);
    EXPECT_EQ(oids[7], OID_802_11_ADD_WEP);
    EXPECT_EQ(oids.back(), OID_802_11_PRIVACY_FILTER);
    EXPECT_EQ(SendDlgItemMessageA(hwnd, IDC_EDITOR_KEY1, EM_GETPASSWORDCHAR, 0, 0), '*');
    host.destroy();
}

}  // namespace
