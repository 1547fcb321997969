// Lumora.exe under Wine: the Configuration, Security and About pages with the simulated
// adapter. Apply reaches the driver (the simulator's request log, LUMORA_SIM_LOG) and
// the registry; the About page shows the driver version of the driver key seeded in
// HKEY_LOCAL_MACHINE. One program run, steps in the order written.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "lumora_process.h"
#include "support/driver_keys_win32.h"

using namespace lumora_e2e;

namespace {


// Spain's two channels, and an ad-hoc network on channel 11.
const char kScenario[] =
    "[Driver]\nAssociationDelay=200\n"
    "[Adapter product]\nDescription=Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter\n"
    "DeviceName=\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}\nMac=00:A0:C5:4E:21:7B\n"
    "Region=0x31\nVersion=1.0.3.12\n"
    "[Network party]\nSsid=PartyNet\nChannel=11\nMode=adhoc\n"
    "[Network lab]\nSsid=VexaLab\nChannel=11\nWep=64\nKey=1234567890\n";

std::string Hex32(uint32_t v) {   // little-endian bytes, as the log writes them
    char text[9];
    snprintf(text, sizeof text, "%02X%02X%02X%02X", v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF, v >> 24);
    return text;
}

class SettingsPagesEndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        run = std::make_unique<LumoraRun>("pages_e2e");
        RemoveAllSettings();
        seeded = driver_keys::Seed("2.1.0.8");
        started = run->WriteScenario(kScenario) && run->Start();
        mainWindow = run->main;
        // Until a poll has chosen the adapter the About page's fill does nothing; after
        // that it shows the MAC address.
        HWND about = started && run->WaitForAdapter() ? OpenPage(IDC_HEADER_ABOUT, MainPages::kAbout, IDC_ABOUT_MAC_ADDRESS) : nullptr;
        adapterFound = about && WaitFor([about] { return !Text(about, IDC_ABOUT_MAC_ADDRESS).empty(); });
    }
    static void TearDownTestSuite() {
        run.reset();
        driver_keys::Remove();
    }
    void SetUp() override {
        ASSERT_TRUE(seeded) << "the driver keys could not be written";
        ASSERT_TRUE(started) << "Lumora.exe could not be started";
        ASSERT_NE(mainWindow, nullptr) << "the main window never appeared";
        ASSERT_TRUE(adapterFound) << "the adapter was never chosen";
    }

    static int CurrentPage() { return lumora_e2e::CurrentPage(mainWindow); }
    // Brings a page forward with its header command and finds its window by a control
    // only that page has.
    static HWND OpenPage(WPARAM command, int index, int ownControl) {
        PostMessageA(mainWindow, WM_COMMAND, command, 0);
        return WaitFor([&] { return CurrentPage() == index; }) ? PageWith(mainWindow, ownControl) : nullptr;
    }
    static std::string Text(HWND page, int id) { return ControlText(page, id); }
    static void Send(HWND page, int id, UINT message, WPARAM w, LPARAM l) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(GetDlgItem(page, id), message, w, l, SMTO_ABORTIFHUNG, 5000, &ignored);
    }
    // What the control tells its page when the user acts on it.
    static void Notify(HWND page, int id, WORD code) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(page, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(GetDlgItem(page, id)),
                            SMTO_ABORTIFHUNG, 5000, &ignored);
    }

    static std::unique_ptr<LumoraRun> run;
    static bool started, seeded, adapterFound;
    static HWND mainWindow;
};

std::unique_ptr<LumoraRun> SettingsPagesEndToEnd::run;
bool SettingsPagesEndToEnd::started = false;
bool SettingsPagesEndToEnd::seeded = false;
bool SettingsPagesEndToEnd::adapterFound = false;
HWND SettingsPagesEndToEnd::mainWindow = nullptr;

TEST_F(SettingsPagesEndToEnd, AboutShowsTheSeededDriverVersionAndTheMacWithColons) {
    HWND about = OpenPage(IDC_HEADER_ABOUT, MainPages::kAbout, IDC_ABOUT_DRIVER_VERSION);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(Text(about, IDC_ABOUT_DRIVER_VERSION), "2.1.0.8");
    EXPECT_EQ(Text(about, IDC_ABOUT_MAC_ADDRESS), "00:A0:C5:4E:21:7B");
    EXPECT_EQ(Text(about, IDC_ABOUT_UTILITY_VERSION), "v1.00");
    EXPECT_EQ(Text(about, IDC_ABOUT_REGION), "SPAIN Channel 10-11");
}

TEST_F(SettingsPagesEndToEnd, ConfigurationApplySendsTheAdHocNetworkAndStoresIt) {
    HWND page = OpenPage(IDC_HEADER_CONFIG, MainPages::kConfiguration, IDC_CONFIG_CHANNEL);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(Text(page, IDC_CONFIG_SSID), "vexa");   // no link yet
    DWORD_PTR count = 0;
    SendMessageTimeoutA(GetDlgItem(page, IDC_CONFIG_CHANNEL), CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
    EXPECT_EQ(count, 2u);   // Spain: 10 and 11

    Send(page, IDC_CONFIG_SSID, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("PartyNet"));
    Send(page, IDC_CONFIG_BSS_TYPE, CB_SETCURSEL, 1, 0);
    Notify(page, IDC_CONFIG_BSS_TYPE, CBN_SELCHANGE);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_CONFIG_CHANNEL)));
    Send(page, IDC_CONFIG_CHANNEL, CB_SETCURSEL, 1, 0);
    run->log.Mark();
    PostMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_APPLY, STN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_APPLY)));
    ASSERT_TRUE(WaitFor([] { return CurrentPage() == MainPages::kLinkInfo; }));   // Apply ends on Link Info

    EXPECT_EQ(ReadSetting("ActiveSetting", "SSID"), "PartyNet");
    EXPECT_EQ(ReadSetting("ActiveSetting", "OperationMode"), "1");
    EXPECT_EQ(ReadSetting("ActiveSetting", "Channel"), "11");
    // Network type, SSID and the channel's configuration, one after the other.
    const std::vector<RequestLog::Set> sets = run->log.SetsSinceMark();
    bool found = false;
    for (size_t i = 0; i + 2 < sets.size() && !found; ++i)
        found = sets[i].oid == "0D010108" && sets[i].bytes == Hex32(0) && sets[i + 1].oid == "0D010102" &&
                sets[i + 1].bytes.compare(0, 24, Hex32(8) + "50617274794E6574") == 0 &&
                sets[i + 2].oid == "0D010211" && sets[i + 2].bytes.compare(24, 8, Hex32(2462000)) == 0;
    EXPECT_TRUE(found) << "no mode, SSID and channel 11 in " << sets.size() << " set requests";
}

TEST_F(SettingsPagesEndToEnd, SecurityApplySendsTheTypedKeyAndStoresIt) {
    WriteSetting("ActiveSetting", "SSID", "VexaLab");
    WriteSetting("ActiveSetting", "OperationMode", "0");
    HWND page = OpenPage(IDC_HEADER_SECURITY, MainPages::kSecurity, IDC_EDITOR_WEP);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(SendMessageA(GetDlgItem(page, IDC_EDITOR_WEP), BM_GETCHECK, 0, 0), BST_UNCHECKED);   // factory: WEP off

    Send(page, IDC_EDITOR_WEP, BM_SETCHECK, BST_CHECKED, 0);
    Notify(page, IDC_EDITOR_WEP, BN_CLICKED);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, IDC_EDITOR_KEY1)));
    Send(page, IDC_EDITOR_KEY_FORMAT, CB_SETCURSEL, 0, 0);   // Hex
    Notify(page, IDC_EDITOR_KEY_FORMAT, CBN_SELCHANGE);
    Send(page, IDC_EDITOR_KEY1, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1234567890"));
    run->log.Mark();
    PostMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_APPLY, STN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_APPLY)));
    ASSERT_TRUE(WaitFor([] { return CurrentPage() == MainPages::kLinkInfo; }));

    EXPECT_EQ(ReadSetting("ActiveSetting", "WepEnabled"), "1");
    EXPECT_EQ(ReadSetting("ActiveSetting", "KeyFormat"), "0");
    EXPECT_EQ(ReadSetting("ActiveSetting", "Key1"), "1234567890");
    const std::vector<RequestLog::Set> sets = run->log.SetsSinceMark();
    bool keySent = false, filterLast = false;
    for (size_t i = 0; i < sets.size(); ++i) {
        if (sets[i].oid == "0D010113" && sets[i].bytes == Hex32(17) + Hex32(0x80000000u) + Hex32(5) + "1234567890")
            keySent = true;
        if (keySent && sets[i].oid == "0D010119") filterLast = sets[i].bytes == Hex32(0);
    }
    EXPECT_TRUE(keySent);
    EXPECT_TRUE(filterLast);
}

TEST_F(SettingsPagesEndToEnd, ExitEndsTheProgram) {
    run->Command(ID_TRAY_EXIT);
    EXPECT_TRUE(run->WaitForExit());
}

}  // namespace
