// The setup wizard in Lumora.exe under Wine, end to end: welcome -> setup -> test with the
// simulated adapter, the Internet check against servers this program runs on
// 127.0.0.1 for the length of one step, and the longest time the user interface is held
// during each test run (measured by a probe that keeps asking the main window for an
// answer).
#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

#include "lumora_process.h"

using namespace lumora_e2e;

namespace {

constexpr WPARAM kWizardButton = IDC_HEADER_WIZARD, kLinkInfoButton = IDC_HEADER_LINK_INFO,
                 kAboutButton = IDC_HEADER_ABOUT, kNext = IDC_WIZARD_NEXT, kShow = ID_TRAY_SHOW;
constexpr int kSsid = IDC_WIZARD_SSID, kWepOn = IDC_WIZARD_WEP_ON, kHexKey = IDC_WIZARD_HEX_KEY, kKey = IDC_WIZARD_KEY,
              kApply = IDC_APPLY;
constexpr int kWirelessLine = IDC_WIZARD_WIRELESS_TEXT, kInternetLine = IDC_WIZARD_INTERNET_TEXT,
              kSignalPercent = IDC_SIGNAL_PERCENT;
const std::string kTesting = "Connection Testing ...";
// The checks decide 10 s after the start; the Internet one may then take its time-out.
constexpr DWORD kVerdictMs = 10000 + 5000 + 3000;
// How many ticks of the link monitor pass, after the wireless check reached its fourth
// tick, before both checks would have decided.
constexpr size_t kVerdictTicks = (kVerdictMs - 4000) / 1000;

std::string Scenario() {
    return "[Driver]\nAssociationDelay=500\nRssiJitter=0\n"
           "[Adapter product]\nDescription=Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter\n"
           "DeviceName=\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}\nMac=00:A0:C5:4E:21:7B\n"
           "[Network home]\nSsid=HomeNet\nChannel=6\nRssi=-60\n"
           "[Network lab]\nSsid=VexaLab\nChannel=1\nKey=1234567890\n";
}

// A listening socket on 127.0.0.1 that either answers every request with a small page
// or never accepts a connection at all (the system completes the handshake and keeps
// the request: a server that never answers). Stopped and closed by its destructor.
class LocalServer {
public:
    enum class Kind { Answers, Silent };
    explicit LocalServer(Kind kind) : kind_(kind) {
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = 0;
        int len = sizeof a;
        if (listener_ == INVALID_SOCKET || bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
            listen(listener_, 8) != 0 || getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &len) != 0)
            return;
        port_ = ntohs(a.sin_port);
        if (kind_ == Kind::Answers) thread_ = std::thread([this] { serve(); });
    }
    ~LocalServer() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        if (listener_ != INVALID_SOCKET) closesocket(listener_);
    }
    int port() const { return port_; }
    int answered() const { return answered_; }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/check.txt"; }

    // A port nothing listens on: bound once to learn a free number, then closed.
    static int ClosedPort() {
        SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int len = sizeof a;
        bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
        getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
        closesocket(s);
        return ntohs(a.sin_port);
    }

private:
    void serve() {
        while (!stop_) {
            fd_set ready;
            FD_ZERO(&ready);
            FD_SET(listener_, &ready);
            timeval wait{0, 100000};   // the stop flag is looked at ten times a second
            if (select(0, &ready, nullptr, nullptr, &wait) != 1) continue;
            SOCKET c = accept(listener_, nullptr, nullptr);
            if (c == INVALID_SOCKET) continue;
            DWORD ms = 2000;
            setsockopt(c, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&ms), sizeof ms);
            std::string request;
            char buffer[1024];
            int n = 0;
            while (request.find("\r\n\r\n") == std::string::npos && (n = recv(c, buffer, sizeof buffer, 0)) > 0)
                request.append(buffer, size_t(n));
            ++answered_;   // counted before the reply, so the page's "Pass" never comes first
            const char reply[] = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 2\r\n\r\nOK";
            send(c, reply, int(sizeof reply - 1), 0);
            shutdown(c, SD_SEND);
            closesocket(c);
        }
    }

    Kind kind_;
    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> answered_{0};
    std::thread thread_;
};

// Keeps asking the main window for an answer (WM_NULL) and records the longest wait:
// how long the user interface was held at most while it ran.
class StallProbe {
public:
    explicit StallProbe(HWND window) : thread_([this, window] {
        while (!stop_) {
            const DWORD start = GetTickCount();
            DWORD_PTR result = 0;
            SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result);
            longest_ = std::max<DWORD>(longest_, GetTickCount() - start);
            Sleep(10);
        }
    }) {}
    ~StallProbe() { stop(); }
    DWORD stop() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        return longest_;
    }

private:
    std::atomic<bool> stop_{false};
    std::atomic<DWORD> longest_{0};
    std::thread thread_;
};

class WizardEndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WSADATA wsa{};
        WSAStartup(MAKEWORD(2, 2), &wsa);
        run = std::make_unique<LumoraRun>("wizard_e2e");
        RemoveAllSettings();
        if (!run->WriteScenario(Scenario()) || !run->Start()) return;
        mainWindow = run->main;
        // Show switches pages once a poll has made the adapter the current one; the
        // steps start from the page Show chose.
        adapterFound = run->WaitForAdapter() && run->ShowPage(kAboutButton, MainPages::kAbout);
        run->Command(kShow);
        adapterFound = adapterFound && WaitFor([] { return IsWindowVisible(mainWindow) && CurrentPage() != MainPages::kAbout; });
    }
    static void TearDownTestSuite() {
        run.reset();
        RemoveAllSettings();
        WSACleanup();
    }
    void SetUp() override {
        ASSERT_NE(mainWindow, nullptr) << "Lumora's main window never appeared";
        ASSERT_TRUE(adapterFound) << "the adapter never became the current one";
        ASSERT_TRUE(IsWindowVisible(mainWindow));
    }

    static int CurrentPage() { return lumora_e2e::CurrentPage(mainWindow); }
    static bool ShowPage(WPARAM command, int page) { return run->ShowPage(command, page); }
    // The page of the host that carries control `id`.
    static HWND PageWith(int id) { return lumora_e2e::PageWith(mainWindow, id); }
    static std::string Text(HWND page, int id) { return ControlText(page, id); }
    static bool Reads(HWND page, int id, const std::string& text, DWORD ms) {
        return WaitFor([&] { return Text(page, id) == text; }, ms);
    }

    struct Network {
        std::string ssid;
        std::string hexKey;   // empty: WEP off
    };
    // Wizard button, Next, the form, Apply: the test page comes up with its test running.
    static HWND StartTest(const Network& network) {
        if (!ShowPage(kWizardButton, MainPages::kWizardWelcome) || !ShowPage(kNext, MainPages::kWizardSetup)) return nullptr;
        HWND setup = PageWith(kSsid);
        if (!setup || Text(setup, kSsid) != "vexa") return nullptr;   // the form was reset
        SetDlgItemTextA(setup, kSsid, network.ssid.c_str());
        if (!network.hexKey.empty()) {
            SendMessageA(GetDlgItem(setup, kWepOn), BM_CLICK, 0, 0);
            SendMessageA(GetDlgItem(setup, kHexKey), BM_CLICK, 0, 0);
            SetDlgItemTextA(setup, kKey, network.hexKey.c_str());
        }
        PostMessageA(setup, WM_COMMAND, MAKEWPARAM(kApply, 0), LPARAM(GetDlgItem(setup, kApply)));
        if (!WaitFor([] { return CurrentPage() == MainPages::kWizardTest; })) return nullptr;
        return PageWith(kWirelessLine);
    }

    static std::unique_ptr<LumoraRun> run;
    static HWND mainWindow;
    static bool adapterFound;
};

std::unique_ptr<LumoraRun> WizardEndToEnd::run;
HWND WizardEndToEnd::mainWindow = nullptr;
bool WizardEndToEnd::adapterFound = false;

void Report(const char* what, DWORD ms) {
    std::printf("[ stall    ] %s: the user interface was held at most %lu ms\n", what, static_cast<unsigned long>(ms));
    ::testing::Test::RecordProperty(what, int(ms));
}

TEST_F(WizardEndToEnd, AnAssociatedNetworkAndAReachableServerPass) {
    ASSERT_TRUE(ShowPage(kWizardButton, MainPages::kWizardWelcome));
    HWND welcome = PageWith(kNext);
    ASSERT_NE(welcome, nullptr);
    EXPECT_NE(FindWindowExA(welcome, nullptr, "Static", "connect to your wireless LAN."), nullptr);

    LocalServer server(LocalServer::Kind::Answers);
    ASSERT_NE(server.port(), 0);
    WriteSetting("Settings", "InternetCheckUrl", server.url());
    StallProbe probe(mainWindow);
    HWND test = StartTest({"HomeNet", ""});
    ASSERT_NE(test, nullptr);
    EXPECT_EQ(ReadSetting("ActiveSetting", "SSID"), "HomeNet");
    EXPECT_EQ(ReadSetting("ActiveSetting", "WepEnabled"), "0");
    EXPECT_TRUE(Reads(test, kWirelessLine, "Pass", 6000)) << Text(test, kWirelessLine);
    EXPECT_TRUE(Reads(test, kSignalPercent, "86%", 3000)) << Text(test, kSignalPercent);   // -60 dBm
    EXPECT_TRUE(Reads(test, kInternetLine, "Pass", kVerdictMs)) << Text(test, kInternetLine);
    EXPECT_EQ(server.answered(), 1);
    const DWORD stall = probe.stop();
    Report("reachable server", stall);
    EXPECT_LT(stall, 5000u);
}

TEST_F(WizardEndToEnd, AWrongKeyAndAClosedPortFail) {
    WriteSetting("Settings", "InternetCheckUrl", "http://127.0.0.1:" + std::to_string(LocalServer::ClosedPort()) + "/");
    StallProbe probe(mainWindow);
    HWND test = StartTest({"VexaLab", "0000000000"});
    ASSERT_NE(test, nullptr);
    EXPECT_EQ(ReadSetting("ActiveSetting", "Key1"), "0000000000");
    const DWORD start = GetTickCount();
    EXPECT_TRUE(Reads(test, kWirelessLine, "Fail", 12000)) << Text(test, kWirelessLine);
    EXPECT_GE(GetTickCount() - start, 8000u) << "the wireless check gives up at its fifth tick";
    EXPECT_TRUE(Reads(test, kInternetLine, "Fail", kVerdictMs)) << Text(test, kInternetLine);
    EXPECT_EQ(Text(test, kSignalPercent), "0%");
    const DWORD stall = probe.stop();
    Report("closed port", stall);
    EXPECT_LT(stall, 5000u);
}

TEST_F(WizardEndToEnd, AServerThatNeverAnswersFailsWithinTheTimeOut) {
    LocalServer silent(LocalServer::Kind::Silent);
    ASSERT_NE(silent.port(), 0);
    WriteSetting("Settings", "InternetCheckUrl", silent.url());
    StallProbe probe(mainWindow);
    HWND test = StartTest({"VexaLab", "1234567890"});
    ASSERT_NE(test, nullptr);
    EXPECT_TRUE(Reads(test, kWirelessLine, "Pass", 6000)) << Text(test, kWirelessLine);
    EXPECT_TRUE(Reads(test, kInternetLine, "Fail", kVerdictMs)) << Text(test, kInternetLine);
    const DWORD stall = probe.stop();
    Report("server that never answers", stall);
    EXPECT_LT(stall, 5000u);
}

TEST_F(WizardEndToEnd, LeavingTheWizardStopsTheTestWithItsDottedLines) {
    LocalServer server(LocalServer::Kind::Answers);
    WriteSetting("Settings", "InternetCheckUrl", server.url());
    // A network that never associates, so that the wireless line would end in "Fail".
    HWND test = StartTest({"VexaLab", "0000000000"});
    ASSERT_NE(test, nullptr);
    ASSERT_TRUE(WaitFor([&] { return Text(test, kWirelessLine) == kTesting + "...."; }, 6000))
        << Text(test, kWirelessLine);
    ASSERT_TRUE(ShowPage(kLinkInfoButton, MainPages::kLinkInfo));
    const std::string wireless = Text(test, kWirelessLine), internet = Text(test, kInternetLine);
    const std::string figure = Text(test, kSignalPercent);
    // Nothing may change for as long as the checks would have taken to decide, counted
    // on the program's own clock: the link monitor's one-second ticks.
    run->log.Mark();
    ASSERT_TRUE(run->log.WaitForLines(MonitorTickLine(), kVerdictTicks, kVerdictMs + kWaitMs));
    EXPECT_EQ(Text(test, kWirelessLine), wireless);
    EXPECT_EQ(Text(test, kInternetLine), internet);
    EXPECT_EQ(wireless.rfind(kTesting, 0), 0u) << wireless;
    EXPECT_EQ(internet.rfind(kTesting, 0), 0u) << internet;
    EXPECT_EQ(server.answered(), 0) << "the Internet check never ran";
    EXPECT_EQ(Text(test, kSignalPercent), figure);
}

}  // namespace
