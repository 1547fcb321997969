// Lumora on Windows XP (as Wine reports it for Lumora.exe) against Wine's real service
// manager, with a stand-in service under the wireless configuration service's name:
// start-up stops the service, Exit gives the adapter's interface back and starts it.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include <memory>
#include <string>

#include "lumora_process.h"
#include "resources/resource_ids.h"

using namespace lumora_e2e;

namespace {

const char kService[] = "WZCSVC";
const char kInterfaceKey[] =
    "SOFTWARE\\Microsoft\\WZCSVC\\Parameters\\Interfaces\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}";
const char kAppDefaults[] = "Software\\Wine\\AppDefaults\\Lumora.exe";
// How long the stand-in stays "stop pending": long enough that a start sent at once fails.
constexpr DWORD kStopDelayMs = 1500;

DWORD ServiceState() {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    SC_HANDLE service = manager ? OpenServiceA(manager, kService, SERVICE_QUERY_STATUS) : nullptr;
    SERVICE_STATUS status{};
    DWORD state = service && QueryServiceStatus(service, &status) ? status.dwCurrentState : 0;
    if (service) CloseServiceHandle(service);
    if (manager) CloseServiceHandle(manager);
    return state;
}

DWORD ControlFlags() {
    DWORD value = 0, size = sizeof value;
    if (SHGetValueA(HKEY_LOCAL_MACHINE, kInterfaceKey, "ControlFlags", nullptr, &value, &size) != ERROR_SUCCESS)
        return 0xFFFFFFFF;
    return value;
}

class ZeroConfigHandOff : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
        if (!manager) return;
        // Left over from an interrupted run: start afresh.
        if (SC_HANDLE old = OpenServiceA(manager, kService, SERVICE_ALL_ACCESS)) {
            SERVICE_STATUS status{};
            ControlService(old, SERVICE_CONTROL_STOP, &status);
            WaitFor([] { return ServiceState() == SERVICE_STOPPED; }, 5000);
            DeleteService(old);
            CloseServiceHandle(old);
        }
        const std::string command =
            "\"" + BesideThisProgram("wzc_stand_in.exe") + "\" --stop-delay=" + std::to_string(kStopDelayMs);
        SC_HANDLE service = CreateServiceA(manager, kService, kService, SERVICE_ALL_ACCESS,
                                           SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, SERVICE_ERROR_IGNORE,
                                           command.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr);
        if (service) {
            serviceMade = StartServiceA(service, 0, nullptr) != FALSE;
            if (!serviceMade) failure = "StartService: error " + std::to_string(GetLastError());
            CloseServiceHandle(service);
        } else {
            failure = "CreateService: error " + std::to_string(GetLastError());
        }
        CloseServiceHandle(manager);
        if (!serviceMade) return;
        if (!WaitFor([] { return ServiceState() == SERVICE_RUNNING; })) {
            serviceMade = false;
            failure = "the service never ran: state " + std::to_string(ServiceState());
            return;
        }

        SHSetValueA(HKEY_CURRENT_USER, kAppDefaults, "Version", REG_SZ, "winxp", 6);
        // No scenario written: the simulator runs its built-in machine.
        run = std::make_unique<LumoraRun>("e2e_wzc");
    }
    // Each step gets a running program that started with the interface left to the
    // service (a step that exited it leaves the next one a fresh start).
    static void StartProgram() {
        DWORD flags = 0x0000000B;
        SHSetValueA(HKEY_LOCAL_MACHINE, kInterfaceKey, "ControlFlags", REG_DWORD, &flags, sizeof flags);
        run->Start();
        mainWindow = run->main;
    }
    static bool StartStandIn() {
        SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
        SC_HANDLE service = manager ? OpenServiceA(manager, kService, SERVICE_ALL_ACCESS) : nullptr;
        bool started = service && StartServiceA(service, 0, nullptr);
        if (service) CloseServiceHandle(service);
        if (manager) CloseServiceHandle(manager);
        return started;
    }
    static void TearDownTestSuite() {
        run.reset();
        SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
        SC_HANDLE service = manager ? OpenServiceA(manager, kService, SERVICE_ALL_ACCESS) : nullptr;
        if (service) {
            SERVICE_STATUS status{};
            ControlService(service, SERVICE_CONTROL_STOP, &status);
            WaitFor([] { return ServiceState() == SERVICE_STOPPED; }, 5000);
            DeleteService(service);
            CloseServiceHandle(service);
        }
        if (manager) CloseServiceHandle(manager);
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\WZCSVC");
        SHDeleteKeyA(HKEY_CURRENT_USER, kAppDefaults);
    }
    void SetUp() override {
        ASSERT_TRUE(serviceMade) << "the stand-in service could not be installed and started: " << failure;
        if (!run->Running()) StartProgram();
        ASSERT_NE(mainWindow, nullptr) << "Lumora's main window never appeared";
    }

    static bool serviceMade;
    static std::string failure;
    static std::unique_ptr<LumoraRun> run;
    static HWND mainWindow;
};

bool ZeroConfigHandOff::serviceMade = false;
std::string ZeroConfigHandOff::failure;
std::unique_ptr<LumoraRun> ZeroConfigHandOff::run;
HWND ZeroConfigHandOff::mainWindow = nullptr;

TEST_F(ZeroConfigHandOff, StartUpStopsTheServiceOnXp) {
    EXPECT_TRUE(WaitFor([] { return ServiceState() == SERVICE_STOPPED; }));
    EXPECT_EQ(ControlFlags(), 0x0000000Bu);   // nothing written at start
}

TEST_F(ZeroConfigHandOff, ExitMarksTheInterfaceAndStartsTheServiceAgain) {
    // A hand-back needs the adapter the poll found.
    ASSERT_TRUE(run->log.WaitForLine(ProductFoundLine(), kOnePoll + 5000));
    PostMessageA(mainWindow, WM_COMMAND, ID_TRAY_EXIT, 0);
    ASSERT_TRUE(run->WaitForExit());
    EXPECT_EQ(ControlFlags(), 0x0000800Bu);   // bit 15 added, the others kept
    EXPECT_TRUE(WaitFor([] {
        DWORD s = ServiceState();
        return s == SERVICE_RUNNING || s == SERVICE_START_PENDING;
    }));
}

// Something started the service again while Lumora ran: Exit has to stop it to mark the
// interface, and the service takes a while to stop. It must still run when Lumora has ended.
TEST_F(ZeroConfigHandOff, ExitWithTheServiceRunningAndTheFlagClearLeavesItRunning) {
    ASSERT_TRUE(WaitFor([] { return ServiceState() == SERVICE_STOPPED; }));   // start-up's stop
    ASSERT_TRUE(StartStandIn());
    ASSERT_TRUE(WaitFor([] { return ServiceState() == SERVICE_RUNNING; }));
    ASSERT_TRUE(run->log.WaitForLine(ProductFoundLine(), kOnePoll + 5000));

    PostMessageA(mainWindow, WM_COMMAND, ID_TRAY_EXIT, 0);
    ASSERT_TRUE(run->WaitForExit());
    EXPECT_EQ(ControlFlags(), 0x0000800Bu);
    // A start sent while the service was still stopping would have failed and left it
    // stopped for good; give it well beyond its stop delay to show that.
    EXPECT_TRUE(WaitFor([] { return ServiceState() == SERVICE_RUNNING; }, 4 * kStopDelayMs))
        << "service state " << ServiceState();
    Sleep(kStopDelayMs);
    EXPECT_EQ(ServiceState(), DWORD(SERVICE_RUNNING));
}

}  // namespace
