// The site survey page in Lumora.exe under Wine with the simulated adapter: the scan list
// with its images, a rescan after the radio changed, Connect to the open network through
// the profile editor, and Remove. One program run is shared by the steps, in order.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "lumora_process.h"

using namespace lumora_e2e;

namespace {

constexpr WPARAM kShow = ID_TRAY_SHOW, kSiteSurvey = IDC_HEADER_SITE_SURVEY, kExit = ID_TRAY_EXIT;
constexpr int kNetworkList = IDC_SURVEY_NETWORK_LIST, kProfileList = IDC_SURVEY_PROFILE_LIST;
constexpr int kRescan = IDC_SURVEY_RESCAN, kConnect = IDC_SURVEY_CONNECT, kRemove = IDC_SURVEY_REMOVE;
constexpr int kEditorOk = IDC_EDITOR_OK;

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
        run = std::make_unique<LumoraRun>("survey");
        RemoveAllSettings();
        started = run->WriteScenario(Scenario(true)) && run->Start();
        mainWindow = run->main;
        // The page fills its lists only once a poll has chosen the adapter.
        adapterFound = started && run->WaitForAdapter();
    }
    static void TearDownTestSuite() { run.reset(); }
    void SetUp() override {
        ASSERT_TRUE(started) << "Lumora.exe could not be started";
        ASSERT_NE(mainWindow, nullptr) << "the main window never appeared";
        ASSERT_TRUE(adapterFound) << "the poll never found the adapter";
    }

    static int CurrentPage() { return run->CurrentPage(); }
    static HWND VisiblePage() { return lumora_e2e::VisiblePage(mainWindow); }
    static HWND SurveyPage() {
        HWND page = VisiblePage();
        return page && GetDlgItem(page, kNetworkList) ? page : nullptr;
    }
    static bool OpenSiteSurvey() {
        PostMessageA(mainWindow, WM_COMMAND, kSiteSurvey, 0);
        return WaitFor([] { return CurrentPage() == MainPages::kSiteSurvey && SurveyPage() != nullptr; });
    }

    // Clicks `row` of `list` and waits until the list has it selected.
    static bool SelectRow(RemoteList& list, HWND control, int row) {
        return ClickRow(list, row) &&
               WaitFor([&] { return SendMessageA(control, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED) == row; });
    }

    static std::unique_ptr<LumoraRun> run;
    static bool started, adapterFound;
    static HWND mainWindow;
};

std::unique_ptr<LumoraRun> SiteSurveyEndToEnd::run;
bool SiteSurveyEndToEnd::started = false;
bool SiteSurveyEndToEnd::adapterFound = false;
HWND SiteSurveyEndToEnd::mainWindow = nullptr;

TEST_F(SiteSurveyEndToEnd, ThePageListsTheNetworksInRangeWithTheirImages) {
    PostMessageA(mainWindow, WM_COMMAND, kShow, 0);
    ASSERT_TRUE(WaitFor([] { return IsWindowVisible(mainWindow) != FALSE; }));
    ASSERT_TRUE(OpenSiteSurvey());
    RemoteList networks(run->Id(), GetDlgItem(SurveyPage(), kNetworkList));
    ASSERT_TRUE(networks.ok());
    ASSERT_TRUE(WaitFor([&] { return networks.count() == 4; })) << ::testing::PrintToString(networks.column(1));
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
    RemoteList networks(run->Id(), GetDlgItem(page, kNetworkList));
    ASSERT_EQ(networks.count(), 4);
    run->log.Mark();
    ASSERT_TRUE(run->WriteScenario(Scenario(false)));
    // The simulator reads its file again when the next poll lists the adapters.
    ASSERT_TRUE(run->WaitForAdapter());
    ASSERT_TRUE(IsWindowVisible(GetDlgItem(page, kRescan)));
    ASSERT_TRUE(Click(GetDlgItem(page, kRescan)));
    EXPECT_TRUE(WaitFor([&] { return networks.count() == 3; }));
    EXPECT_EQ(networks.rowOf(1, "Passing"), -1);
    EXPECT_TRUE(run->log.WaitForLine(ProductLine('S', "0D01011A 0 ")));   // the scan request, empty
}

TEST_F(SiteSurveyEndToEnd, ConnectToTheOpenNetworkOpensTheEditorAndOkAssociates) {
    ASSERT_TRUE(OpenSiteSurvey());
    HWND page = SurveyPage();
    RemoteList networks(run->Id(), GetDlgItem(page, kNetworkList));
    ASSERT_TRUE(SelectRow(networks, GetDlgItem(page, kNetworkList), networks.rowOf(1, "HomeNet")));
    ASSERT_TRUE(Click(GetDlgItem(page, kConnect)));
    HWND editor = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (editor = FindProcessWindow(run->Id(), "Connect:HomeNet")) != nullptr; }))
        << Titles(run->Id());
    // The title is set while the dialog initialises, before it is shown: a click before
    // then would land on whatever lies under it.
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(editor) != FALSE; }));
    char name[64] = {};
    GetDlgItemTextA(editor, IDC_EDITOR_PROFILE_NAME, name, sizeof name);
    EXPECT_STREQ(name, "HomeNet");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(editor, IDC_EDITOR_SSID)));   // the network's SSID is fixed
    run->log.Mark();
    ASSERT_TRUE(Click(GetDlgItem(editor, kEditorOk)));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(editor); }));

    EXPECT_TRUE(WaitFor([] { return CurrentPage() == MainPages::kLinkInfo; }));
    EXPECT_EQ(ReadSetting("FactoryDefault", "NextProfile"), "HomeNet");
    EXPECT_EQ(ReadSetting("HomeNet", "SSID"), "HomeNet");
    EXPECT_EQ(ReadSetting("ActiveSetting", "ProfileName"), "HomeNet");
    // The SSID set request that associates: length 7, then the name's bytes.
    EXPECT_TRUE(run->log.WaitForLine(ProductLine('S', "0D010102 36 00000000 07000000486F6D654E6574")));
    // Once associated (the link monitor has seen the link), the network list marks the
    // access point the adapter is on.
    ASSERT_TRUE(run->WaitForLinkUp()) << "the link never came up";
    ASSERT_TRUE(OpenSiteSurvey());
    RemoteList again(run->Id(), GetDlgItem(SurveyPage(), kNetworkList));
    EXPECT_TRUE(WaitFor([&] { return again.image(again.rowOf(1, "HomeNet")) == 5; }, 8000));
}

TEST_F(SiteSurveyEndToEnd, RemoveDeletesTheProfilesRegistryKey) {
    ASSERT_TRUE(OpenSiteSurvey());
    HWND page = SurveyPage();
    RemoteList profiles(run->Id(), GetDlgItem(page, kProfileList));
    ASSERT_TRUE(WaitFor([&] { return profiles.count() == 1; }));
    EXPECT_EQ(profiles.cell(0, 0), "HomeNet");
    EXPECT_EQ(profiles.image(0), 5);   // in range, in force and connected
    ASSERT_TRUE(SelectRow(profiles, GetDlgItem(page, kProfileList), 0));
    ASSERT_TRUE(Click(GetDlgItem(page, kRemove)));
    EXPECT_TRUE(WaitFor([&] { return profiles.count() == 0; }));
    EXPECT_EQ(ReadSetting("HomeNet", "SSID"), "<missing>");
    EXPECT_EQ(ReadSetting("FactoryDefault", "NextProfile"), "end");
}

TEST_F(SiteSurveyEndToEnd, ExitEndsTheProgram) {
    run->Command(kExit);
    EXPECT_TRUE(run->WaitForExit());
}

}  // namespace
