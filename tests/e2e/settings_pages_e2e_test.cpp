// Lumora.exe under Wine: the Configuration, Security and About pages with the simulated
// adapter. Apply reaches the driver (the simulator's request log, LUMORA_SIM_LOG) and
// the registry; the About page shows the driver version of the driver key seeded in
// HKEY_LOCAL_MACHINE. One program run, steps in the order written.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "lumora_process.h"
#include "support/driver_keys_win32.h"

using namespace lumora_e2e;

namespace {

const char kTitle[] = "Vexa Nimbeo(TM) Wireless USB Adapter Utility";
constexpr int kPageHost = 1002;
constexpr DWORD kOnePoll = 2500;

// Spain's two channels, and an ad-hoc network on channel 11.
const char kScenario[] =
    "[Driver]\nAssociationDelay=200\n"
    "[Adapter product]\nDescription=Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter\n"
    "DeviceName=\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}\nMac=00:A0:C5:4E:21:7B\n"
    "Region=0x31\nVersion=1.0.3.12\n"
    "[Network party]\nSsid=PartyNet\nChannel=11\nMode=adhoc\n"
    "[Network lab]\nSsid=VexaLab\nChannel=11\nWep=64\nKey=1234567890\n";

struct LogLine {
    bool set;
    std::string oid;     // 8 upper-case hex digits
    std::string bytes;   // upper-case hex
};

std::vector<LogLine> ReadLog(const std::string& path) {
    std::vector<LogLine> out;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string kind, device, oid, length, status, bytes;
        fields >> kind >> device >> oid >> length >> status >> bytes;
        out.push_back({kind == "S", oid, bytes});
    }
    return out;
}

// The set requests logged after the first `skip` lines.
std::vector<LogLine> SetsAfter(const std::vector<LogLine>& log, size_t skip) {
    std::vector<LogLine> out;
    for (size_t i = skip; i < log.size(); ++i)
        if (log[i].set) out.push_back(log[i]);
    return out;
}

std::string Hex32(uint32_t v) {   // little-endian bytes, as the log writes them
    char text[9];
    snprintf(text, sizeof text, "%02X%02X%02X%02X", v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF, v >> 24);
    return text;
}

class SettingsPagesEndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        scenarioPath = TempPath("lumora_pages_e2e_scenario.ini");
        logPath = TempPath("lumora_pages_e2e_requests.log");
        WriteTextFile(scenarioPath, kScenario);
        DeleteFileA(logPath.c_str());
        SetEnvironmentVariableA("LUMORA_SIM_SCENARIO", scenarioPath.c_str());
        SetEnvironmentVariableA("LUMORA_SIM_LOG", logPath.c_str());
        RemoveAllSettings();
        seeded = driver_keys::Seed("2.1.0.8");
        program = std::make_unique<LumoraProcess>();
        started = program->Start(BesideThisProgram("Lumora.exe"));
        if (started) WaitFor([] { return (mainWindow = FindProcessWindow(program->Id(), kTitle)) != nullptr; });
        // A poll must have chosen the adapter: until then the About page's fill does
        // nothing, after that it shows the MAC address.
        if (mainWindow)
            adapterFound = WaitFor([] {
                HWND about = OpenPage(1146, 4, 1062);
                return about && !Text(about, 1062).empty();
            }, kWaitMs + kOnePoll);
    }
    static void TearDownTestSuite() {
        program.reset();
        driver_keys::Remove();
        SetEnvironmentVariableA("LUMORA_SIM_LOG", nullptr);
        DeleteFileA(scenarioPath.c_str());
        DeleteFileA(logPath.c_str());
    }
    void SetUp() override {
        ASSERT_TRUE(seeded) << "the driver keys could not be written";
        ASSERT_TRUE(started) << "Lumora.exe could not be started";
        ASSERT_NE(mainWindow, nullptr) << "the main window never appeared";
        ASSERT_TRUE(adapterFound) << "the adapter was never chosen";
    }

    static int CurrentPage() {
        DWORD_PTR page = 0;
        HWND host = GetDlgItem(mainWindow, kPageHost);
        if (!host || !SendMessageTimeoutA(host, TCM_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &page)) return -1;
        return int(LONG_PTR(page));
    }
    // Brings a page forward with its header command and finds its window by a control
    // only that page has.
    static HWND OpenPage(WPARAM command, int index, int ownControl) {
        PostMessageA(mainWindow, WM_COMMAND, command, 0);
        if (!WaitFor([&] { return CurrentPage() == index; })) return nullptr;
        HWND host = GetDlgItem(mainWindow, kPageHost);
        for (HWND w = GetWindow(host, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
            if (GetDlgItem(w, ownControl)) return w;
        return nullptr;
    }
    static std::string Text(HWND page, int id) {
        char text[512] = {};
        DWORD_PTR got = 0;
        SendMessageTimeoutA(GetDlgItem(page, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                            SMTO_ABORTIFHUNG, 5000, &got);
        return text;
    }
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

    static std::string scenarioPath, logPath;
    static std::unique_ptr<LumoraProcess> program;
    static bool started, seeded, adapterFound;
    static HWND mainWindow;
};

std::string SettingsPagesEndToEnd::scenarioPath;
std::string SettingsPagesEndToEnd::logPath;
std::unique_ptr<LumoraProcess> SettingsPagesEndToEnd::program;
bool SettingsPagesEndToEnd::started = false;
bool SettingsPagesEndToEnd::seeded = false;
bool SettingsPagesEndToEnd::adapterFound = false;
HWND SettingsPagesEndToEnd::mainWindow = nullptr;

TEST_F(SettingsPagesEndToEnd, AboutShowsTheSeededDriverVersionAndTheMacWithColons) {
    HWND about = OpenPage(1146, 4, 1061);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(Text(about, 1061), "2.1.0.8");
    EXPECT_EQ(Text(about, 1062), "00:A0:C5:4E:21:7B");
    EXPECT_EQ(Text(about, 1165), "v1.00");
    EXPECT_EQ(Text(about, 1129), "SPAIN Channel 10-11");
}

TEST_F(SettingsPagesEndToEnd, ConfigurationApplySendsTheAdHocNetworkAndStoresIt) {
    HWND page = OpenPage(1142, 1, 1026);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(Text(page, 1024), "vexa");   // no link yet
    DWORD_PTR count = 0;
    SendMessageTimeoutA(GetDlgItem(page, 1026), CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
    EXPECT_EQ(count, 2u);   // Spain: 10 and 11

    Send(page, 1024, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("PartyNet"));
    Send(page, 1025, CB_SETCURSEL, 1, 0);
    Notify(page, 1025, CBN_SELCHANGE);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, 1026)));
    Send(page, 1026, CB_SETCURSEL, 1, 0);
    const size_t before = ReadLog(logPath).size();
    PostMessageA(page, WM_COMMAND, MAKEWPARAM(1133, STN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, 1133)));
    ASSERT_TRUE(WaitFor([] { return CurrentPage() == 0; }));   // Apply ends on Link Info

    EXPECT_EQ(ReadSetting("ActiveSetting", "SSID"), "PartyNet");
    EXPECT_EQ(ReadSetting("ActiveSetting", "OperationMode"), "1");
    EXPECT_EQ(ReadSetting("ActiveSetting", "Channel"), "11");
    // Network type, SSID and the channel's configuration, one after the other.
    const std::vector<LogLine> sets = SetsAfter(ReadLog(logPath), before);
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
    HWND page = OpenPage(1143, 2, 1171);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(SendMessageA(GetDlgItem(page, 1171), BM_GETCHECK, 0, 0), BST_UNCHECKED);   // factory: WEP off

    Send(page, 1171, BM_SETCHECK, BST_CHECKED, 0);
    Notify(page, 1171, BN_CLICKED);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, 1177)));
    Send(page, 1181, CB_SETCURSEL, 0, 0);   // Hex
    Notify(page, 1181, CBN_SELCHANGE);
    Send(page, 1177, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("1234567890"));
    const size_t before = ReadLog(logPath).size();
    PostMessageA(page, WM_COMMAND, MAKEWPARAM(1133, STN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, 1133)));
    ASSERT_TRUE(WaitFor([] { return CurrentPage() == 0; }));

    EXPECT_EQ(ReadSetting("ActiveSetting", "WepEnabled"), "1");
    EXPECT_EQ(ReadSetting("ActiveSetting", "KeyFormat"), "0");
    EXPECT_EQ(ReadSetting("ActiveSetting", "Key1"), "1234567890");
    const std::vector<LogLine> sets = SetsAfter(ReadLog(logPath), before);
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
    PostMessageA(mainWindow, WM_COMMAND, 32773, 0);
    EXPECT_TRUE(program->WaitForExit());
}

}  // namespace
