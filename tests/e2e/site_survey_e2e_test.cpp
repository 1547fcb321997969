// The site survey page in Lumora.exe under Wine with the simulated adapter: the scan list
// with its images, a rescan after the radio changed, Connect to the open network through
// the profile editor, and Remove. One program run is shared by the steps, in order.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "lumora_process.h"

using namespace lumora_e2e;

namespace {

const char kTitle[] = "Vexa Nimbeo(TM) Wireless USB Adapter Utility";
constexpr int kPageHost = 1002;
constexpr int kSiteSurveyPage = 3, kLinkInfoPage = 0;
constexpr WPARAM kShow = 32771, kSiteSurvey = 1149, kExit = 32773;
constexpr int kNetworkList = 1052, kProfileList = 1196;
constexpr int kRescan = 1134, kConnect = 1185, kRemove = 1187;
constexpr int kEditorOk = 1189;
constexpr DWORD kOnePoll = 2500;

std::string Scenario(bool passingInRange) {
    std::string text =
        "[Driver]\nAssociationDelay=200\nRssiJitter=0\n"
        "[Adapter product]\nDescription=Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter\n"
        "DeviceName=\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}\nMac=00:A0:C5:4E:21:7B\n"
        "[Network home]\nSsid=HomeNet\nBssid=00:11:22:33:44:01\nChannel=6\nRates=g\nRssi=-48\n"
        "[Network lab]\nSsid=VexaLab\nBssid=00:11:22:33:44:02\nChannel=1\nRates=b\nRssi=-67\n"
        "Wep=64\nKey=1234567890\n"
        "[Network party]\nSsid=PartyNet\nBssid=02:11:22:33:44:05\nChannel=10\nMode=adhoc\nRates=b\n"
        "[Network hidden]\nSsid=Backroom\nBssid=00:11:22:33:44:06\nChannel=9\nHidden=1\n"
        "[Network passing]\nSsid=Passing\nBssid=00:11:22:33:44:09\nChannel=11\n";
    // The simulator notices a changed file by its time stamp and size: keep the sizes apart.
    text += passingInRange ? "InRange=1\n" : "InRange=0\n; gone\n";
    return text;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A list view of another process, read through memory lent in that process: the
// control's messages carry pointers, which only mean something there.
class RemoteList {
public:
    RemoteList(DWORD processId, HWND list) : list_(list) {
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (process_) remote_ = VirtualAllocEx(process_, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteList() {
        if (remote_) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    bool ok() const { return remote_ != nullptr && list_ != nullptr; }
    int count() const { return int(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)); }

    std::string cell(int row, int column) {
        LVITEMA it{};
        it.iSubItem = column;
        it.cchTextMax = 256;
        it.pszText = static_cast<char*>(remote_) + 1024;
        if (!put(it)) return "<unreadable>";
        SendMessageA(list_, LVM_GETITEMTEXTA, WPARAM(row), LPARAM(remote_));
        char text[256] = {};
        ReadProcessMemory(process_, static_cast<char*>(remote_) + 1024, text, sizeof text - 1, nullptr);
        return text;
    }
    int image(int row) {
        LVITEMA it{};
        it.mask = LVIF_IMAGE;
        it.iItem = row;
        if (!put(it) || !SendMessageA(list_, LVM_GETITEMA, 0, LPARAM(remote_))) return -1;
        ReadProcessMemory(process_, remote_, &it, sizeof it, nullptr);
        return it.iImage;
    }
    int rowOf(int column, const std::string& text) {
        for (int r = 0; r < count(); ++r)
            if (cell(r, column) == text) return r;
        return -1;
    }
    std::vector<std::string> column(int c) {
        std::vector<std::string> out;
        for (int r = 0; r < count(); ++r) out.push_back(cell(r, c));
        return out;
    }
    // The row's rectangle on the screen.
    RECT rowRect(int row) {
        RECT r{};
        r.left = LVIR_LABEL;
        WriteProcessMemory(process_, remote_, &r, sizeof r, nullptr);
        SendMessageA(list_, LVM_GETITEMRECT, WPARAM(row), LPARAM(remote_));
        ReadProcessMemory(process_, remote_, &r, sizeof r, nullptr);
        MapWindowPoints(list_, nullptr, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

private:
    bool put(const LVITEMA& it) { return WriteProcessMemory(process_, remote_, &it, sizeof it, nullptr) != FALSE; }
    HWND list_;
    HANDLE process_ = nullptr;
    void* remote_ = nullptr;
};

bool ClickAt(int x, int y, int times = 1) {
    SetCursorPos(x, y);
    for (int i = 0; i < times; ++i) {
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_MOUSE;
        input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        if (SendInput(2, input, sizeof(INPUT)) != 2) return false;
    }
    return true;
}
bool Click(HWND control) {
    RECT r{};
    if (!control || !GetWindowRect(control, &r)) return false;
    return ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}
bool ClickRow(RemoteList& list, int row, int times = 1) {
    if (row < 0) return false;
    const RECT r = list.rowRect(row);
    return ClickAt(r.left + 8, (r.top + r.bottom) / 2, times);
}

BOOL CALLBACK AddTitle(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<std::pair<DWORD, std::string>*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid != s->first) return TRUE;
    char title[256] = {};
    GetWindowTextA(w, title, sizeof title);
    s->second += std::string("[") + title + (IsWindowVisible(w) ? " visible]" : "]");
    return TRUE;
}
std::string Titles(DWORD pid) {
    std::pair<DWORD, std::string> s{pid, ""};
    EnumWindows(AddTitle, LPARAM(&s));
    return s.second;
}

class SiteSurveyEndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        scenarioPath = TempPath("lumora_survey_scenario.ini");
        logPath = TempPath("lumora_survey_requests.log");
        DeleteFileA(logPath.c_str());
        WriteTextFile(scenarioPath, Scenario(true));
        SetEnvironmentVariableA("LUMORA_SIM_SCENARIO", scenarioPath.c_str());
        SetEnvironmentVariableA("LUMORA_SIM_LOG", logPath.c_str());
        RemoveAllSettings();
        lumora = std::make_unique<LumoraProcess>();
        started = lumora->Start(BesideThisProgram("Lumora.exe"));
        if (started) WaitFor([] { return (mainWindow = FindProcessWindow(lumora->Id(), kTitle)) != nullptr; });
    }
    static void TearDownTestSuite() {
        lumora.reset();
        DeleteFileA(scenarioPath.c_str());
        DeleteFileA(logPath.c_str());
    }
    void SetUp() override {
        ASSERT_TRUE(started) << "Lumora.exe could not be started";
        ASSERT_NE(mainWindow, nullptr) << "the main window never appeared";
    }

    static int CurrentPage() {
        DWORD_PTR page = 0;
        if (!SendMessageTimeoutA(GetDlgItem(mainWindow, kPageHost), TCM_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &page))
            return -3;
        return int(LONG_PTR(page));
    }
    static HWND VisiblePage() {
        HWND host = GetDlgItem(mainWindow, kPageHost);
        for (HWND w = GetWindow(host, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
            if (IsWindowVisible(w)) return w;
        return nullptr;
    }
    static HWND SurveyPage() {
        HWND page = VisiblePage();
        return page && GetDlgItem(page, kNetworkList) ? page : nullptr;
    }
    static bool OpenSiteSurvey() {
        PostMessageA(mainWindow, WM_COMMAND, kSiteSurvey, 0);
        return WaitFor([] { return CurrentPage() == kSiteSurveyPage && SurveyPage() != nullptr; });
    }

    static std::string scenarioPath, logPath;
    static std::unique_ptr<LumoraProcess> lumora;
    static bool started;
    static HWND mainWindow;
};

std::string SiteSurveyEndToEnd::scenarioPath;
std::string SiteSurveyEndToEnd::logPath;
std::unique_ptr<LumoraProcess> SiteSurveyEndToEnd::lumora;
bool SiteSurveyEndToEnd::started = false;
HWND SiteSurveyEndToEnd::mainWindow = nullptr;

TEST_F(SiteSurveyEndToEnd, ThePageListsTheNetworksInRangeWithTheirImages) {
    PostMessageA(mainWindow, WM_COMMAND, kShow, 0);
    ASSERT_TRUE(WaitFor([] { return IsWindowVisible(mainWindow) != FALSE; }));
    ASSERT_TRUE(OpenSiteSurvey());
    RemoteList networks(lumora->Id(), GetDlgItem(SurveyPage(), kNetworkList));
    ASSERT_TRUE(networks.ok());
    // The page fills its lists only once a poll has found the adapter.
    bool listed = false;
    for (int tries = 0; tries < 10 && !listed; ++tries) {
        ASSERT_TRUE(OpenSiteSurvey());
        listed = WaitFor([&] { return networks.count() == 4; }, kOnePoll);
    }
    ASSERT_TRUE(listed) << ::testing::PrintToString(networks.column(1));
    EXPECT_EQ(networks.column(1), (std::vector<std::string>{"HomeNet", "VexaLab", "PartyNet", "Passing"}));
    EXPECT_EQ(networks.cell(0, 0), "00-11-22-33-44-01");
    EXPECT_EQ(networks.column(2), (std::vector<std::string>{"No", "Yes", "No", "No"}));
    EXPECT_EQ(networks.column(3), (std::vector<std::string>{"Yes", "Yes", "No", "Yes"}));
    EXPECT_EQ(networks.column(4), (std::vector<std::string>{"6", "1", "10", "11"}));
    EXPECT_EQ(networks.cell(0, 5), "100");
    EXPECT_EQ(networks.image(0), 3);   // g access point
    EXPECT_EQ(networks.image(1), 1);   // b access point
    EXPECT_EQ(networks.image(2), 0);   // ad hoc
}

TEST_F(SiteSurveyEndToEnd, RescanShowsWhatTheRadioHearsNow) {
    // The page is on show from the step before: only Re-Scan reads the list again.
    HWND page = SurveyPage();
    ASSERT_NE(page, nullptr);
    RemoteList networks(lumora->Id(), GetDlgItem(page, kNetworkList));
    ASSERT_EQ(networks.count(), 4);
    ASSERT_TRUE(WriteTextFile(scenarioPath, Scenario(false)));
    Sleep(500);
    ASSERT_TRUE(IsWindowVisible(GetDlgItem(page, kRescan)));
    ASSERT_TRUE(Click(GetDlgItem(page, kRescan)));
    EXPECT_TRUE(WaitFor([&] { return networks.count() == 3; }));
    EXPECT_EQ(networks.rowOf(1, "Passing"), -1);
    EXPECT_NE(ReadFile(logPath).find(" 0D01011A 0 "), std::string::npos);   // the scan request, empty
}

TEST_F(SiteSurveyEndToEnd, ConnectToTheOpenNetworkOpensTheEditorAndOkAssociates) {
    ASSERT_TRUE(OpenSiteSurvey());
    HWND page = SurveyPage();
    RemoteList networks(lumora->Id(), GetDlgItem(page, kNetworkList));
    ASSERT_TRUE(ClickRow(networks, networks.rowOf(1, "HomeNet")));
    Sleep(300);
    ASSERT_TRUE(Click(GetDlgItem(page, kConnect)));
    HWND editor = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (editor = FindProcessWindow(lumora->Id(), "Connect:HomeNet")) != nullptr; }))
        << Titles(lumora->Id());
    // The title is set while the dialog initialises, before it is shown: a click before
    // then would land on whatever lies under it.
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(editor) != FALSE; }));
    char name[64] = {};
    GetDlgItemTextA(editor, 1164, name, sizeof name);
    EXPECT_STREQ(name, "HomeNet");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(editor, 1165)));   // the network's SSID is fixed
    ASSERT_TRUE(Click(GetDlgItem(editor, kEditorOk)));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(editor); }));

    EXPECT_TRUE(WaitFor([] { return CurrentPage() == kLinkInfoPage; }));
    EXPECT_EQ(ReadSetting("FactoryDefault", "NextProfile"), "HomeNet");
    EXPECT_EQ(ReadSetting("HomeNet", "SSID"), "HomeNet");
    EXPECT_EQ(ReadSetting("ActiveSetting", "ProfileName"), "HomeNet");
    // The SSID set request that associates: length 7, then the name's bytes.
    EXPECT_TRUE(WaitFor([&] { return ReadFile(logPath).find("0D010102 36 00000000 07000000486F6D654E6574") !=
                                     std::string::npos; }));
    // Once associated, the network list marks the access point the adapter is on.
    Sleep(1000);
    ASSERT_TRUE(OpenSiteSurvey());
    RemoteList again(lumora->Id(), GetDlgItem(SurveyPage(), kNetworkList));
    EXPECT_TRUE(WaitFor([&] { return again.image(again.rowOf(1, "HomeNet")) == 5; }, 8000));
}

TEST_F(SiteSurveyEndToEnd, RemoveDeletesTheProfilesRegistryKey) {
    ASSERT_TRUE(OpenSiteSurvey());
    HWND page = SurveyPage();
    RemoteList profiles(lumora->Id(), GetDlgItem(page, kProfileList));
    ASSERT_TRUE(WaitFor([&] { return profiles.count() == 1; }));
    EXPECT_EQ(profiles.cell(0, 0), "HomeNet");
    EXPECT_EQ(profiles.image(0), 5);   // in range, in force and connected
    ASSERT_TRUE(ClickRow(profiles, 0));
    Sleep(300);
    ASSERT_TRUE(Click(GetDlgItem(page, kRemove)));
    EXPECT_TRUE(WaitFor([&] { return profiles.count() == 0; }));
    EXPECT_EQ(ReadSetting("HomeNet", "SSID"), "<missing>");
    EXPECT_EQ(ReadSetting("FactoryDefault", "NextProfile"), "end");
}

TEST_F(SiteSurveyEndToEnd, ExitEndsTheProgram) {
    PostMessageA(mainWindow, WM_COMMAND, kExit, 0);
    EXPECT_TRUE(lumora->WaitForExit());
}

}  // namespace
