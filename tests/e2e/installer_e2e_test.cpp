// Lumora-Setup.exe under Wine, end to end: a silent install, Lumora started from the
// installed folder in the chosen language, and a silent uninstall that ends the running
// program, lets Regsweep remove the driver's keys named in the uninstall entry, and
// leaves nothing behind. The steps share one machine and run in the order written.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_dialog.h"
#include "lumora_process.h"

using namespace lumora_e2e;

namespace {

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumora";
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kLumoraKey[] = "Software\\Vexa\\Lumora";
constexpr UINT kTrayCallback = MainDialog::kTrayCallback;
constexpr WPARAM kTrayIconId = MainDialog::kTrayIconId;
constexpr WPARAM kTrayExit = ID_TRAY_EXIT;
constexpr DWORD kSetupMs = 60000;

// The driver's keys as its setup leaves them: two hardware keys, one with two device
// instances, each instance with its driver (class) key and network connection.
const char kCcs[] = "SYSTEM\\CurrentControlSet\\";
const char kClass[] = "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\";
const char kNetwork[] = "SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\";
const char kDescriptions[] =
    "SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\Descriptions";
struct Instance {
    const char* hardware;   // below CurrentControlSet, as a DEL_HKR value names it
    const char* instance;
    const char* classKey;   // the instance's "Driver" value
    const char* connection;
    const char* description;
};
const Instance kInstances[] = {
    {"Enum\\USB\\VID_13B1&PID_7E51", "5&2C1A9F0&0&1", "0931", "{8E1C5A20-6F3B-4D71-9A24-3B6E0F5C7D11}",
     "Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter"},
    {"Enum\\USB\\VID_13B1&PID_7E51", "5&2C1A9F0&0&2", "0932", "{8E1C5A20-6F3B-4D71-9A24-3B6E0F5C7D12}",
     "Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter #2"},
    {"Enum\\USB\\VID_13B1&PID_7E52", "6&1D0B3E4&0&3", "0933", "{8E1C5A20-6F3B-4D71-9A24-3B6E0F5C7D13}",
     "Vexa Nimbeo 54 Mbps Wireless USB Adapter"},
};
// Neighbours Regsweep must leave alone: another device, another driver key and connection.
const char kNeighbourHardware[] = "SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_13B1&PID_7E53";
const char kNeighbourClass[] = "0934";
const char kNeighbourConnection[] = "{8E1C5A20-6F3B-4D71-9A24-3B6E0F5C7D14}";
const char kNeighbourDescription[] = "Generic 10/100 Fast Ethernet PCI Adapter";

bool KeyExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

std::string ReadString(HKEY root, const std::string& path, const std::string& name) {
    char value[1024] = {};
    DWORD size = sizeof value - 1, type = 0;
    if (SHGetValueA(root, path.c_str(), name.c_str(), &type, value, &size) != ERROR_SUCCESS || type != REG_SZ)
        return "<missing>";
    return value;
}

void WriteString(HKEY root, const std::string& path, const std::string& name, const std::string& value) {
    SHSetValueA(root, path.c_str(), name.c_str(), REG_SZ, value.c_str(), DWORD(value.size() + 1));
}

bool ValueExists(HKEY root, const std::string& path, const std::string& name) {
    return SHGetValueA(root, path.c_str(), name.c_str(), nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::string Folder(int csidl) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl, nullptr, 0, path);
    return path;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Runs a command line and waits for it; its exit code, or -1 when it could not be
// started or did not end in time.
long RunAndWait(const std::string& commandLine, DWORD ms) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
    long result = -1;
    if (WaitForSingleObject(pi.hProcess, ms) == WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeProcess(pi.hProcess, &code);
        result = long(code);
    } else {
        TerminateProcess(pi.hProcess, 1);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return result;
}

// The visible popup menu window of a process, or null.
HWND OpenMenuOf(DWORD processId) {
    HWND w = nullptr;
    while ((w = FindWindowExA(nullptr, w, "#32768", nullptr)) != nullptr) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == processId && IsWindowVisible(w)) return w;
    }
    return nullptr;
}

// Size of an open menu window; the menu is closed again afterwards.
SIZE MeasureAndClose(HWND menuWindow) {
    RECT r{};
    GetWindowRect(menuWindow, &r);
    PostMessageA(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
    WaitFor([&] { return !IsWindowVisible(menuWindow); }, 5000);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

// The size of the tray menu Lumora opens on a right click. Another process's menu items
// cannot be read under Wine, but the menu is laid out to fit its texts: a menu of the same
// items opened here, the same way, has the same size.
SIZE TrayMenuSize(DWORD processId) {
    HWND tray = nullptr;
    WaitFor([&] { return (tray = TrayWindowOf(processId)) != nullptr; });
    HWND menu = nullptr;
    if (!tray || !PostMessageA(tray, kTrayCallback, kTrayIconId, WM_RBUTTONUP) ||
        !WaitFor([&] { return (menu = OpenMenuOf(processId)) != nullptr; }))
        return SIZE{0, 0};
    return MeasureAndClose(menu);
}

// The texts of the tray menu's items in one language; the status line is the only one
// that changes while the program runs.
struct MenuJob {
    std::string status, show, profiles, none, exit;
};

DWORD WINAPI OpenMenuHere(void* param) {
    auto* job = static_cast<MenuJob*>(param);
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    HMENU menu = CreatePopupMenu();
    HMENU profiles = CreatePopupMenu();
    AppendMenuA(profiles, MF_STRING | MF_GRAYED, ID_TRAY_PROFILE_FIRST, job->none.c_str());
    AppendMenuA(menu, MF_STRING | MF_GRAYED, ID_TRAY_STATUS, job->status.c_str());
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, ID_TRAY_SHOW, job->show.c_str());
    AppendMenuA(menu, MF_POPUP, UINT_PTR(profiles), job->profiles.c_str());
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kTrayExit, job->exit.c_str());
    SetMenuDefaultItem(menu, ID_TRAY_SHOW, FALSE);
    POINT at{};
    GetCursorPos(&at);
    SetForegroundWindow(owner);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
    DestroyMenu(menu);
    DestroyWindow(owner);
    return 0;
}

// The size of a popup menu of these items, opened by this program.
SIZE MenuSizeFor(const MenuJob& texts) {
    MenuJob job = texts;
    HANDLE thread = CreateThread(nullptr, 0, OpenMenuHere, &job, 0, nullptr);
    if (!thread) return SIZE{0, 0};
    HWND menu = nullptr;
    SIZE size{0, 0};
    if (WaitFor([&] { return (menu = OpenMenuOf(GetCurrentProcessId())) != nullptr; }, 5000))
        size = MeasureAndClose(menu);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    return size;
}

bool operator==(const SIZE& a, const SIZE& b) { return a.cx == b.cx && a.cy == b.cy; }

class InstallerEndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setup = BesideThisProgram("Lumora-Setup.exe");
        installDir = Folder(CSIDL_PROGRAM_FILES) + "\\Lumora";
        shortcut = Folder(CSIDL_COMMON_PROGRAMS) + "\\Lumora.lnk";
        // Left from an interrupted run: start from a clean machine.
        RemoveInstallation();
        RemoveAllSettings();
        SetEnvironmentVariableA("LUMORA_SIM_SCENARIO", nullptr);   // the built-in machine
    }
    static void TearDownTestSuite() {
        lumora.reset();
        RemoveInstallation();
        RemoveDriverKeys();
        RemoveAllSettings();
    }
    void SetUp() override {
        if (!FileExists(setup))
            GTEST_SKIP() << "Lumora-Setup.exe was not built: makensis (Debian's nsis) was not found when the "
                            "build was configured";
    }

    static void RemoveInstallation() {
        for (const char* file : {"Lumora.exe", "Regsweep.exe", "Config.INI", "W32N50.dll", "Uninstall.exe"})
            DeleteFileA((installDir + "\\" + file).c_str());
        RemoveDirectoryA(installDir.c_str());
        DeleteFileA(shortcut.c_str());
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstallKey);
        SHDeleteValueA(HKEY_CURRENT_USER, kRunKey, "Lumora");
    }
    static void SeedDriverKeys() {
        for (const auto& i : kInstances) {
            std::string instance = std::string(kCcs) + i.hardware + "\\" + i.instance;
            std::string driver = std::string("{4D36E972-E325-11CE-BFC1-08002BE10318}\\") + i.classKey;
            WriteString(HKEY_LOCAL_MACHINE, instance, "Driver", driver);
            WriteString(HKEY_LOCAL_MACHINE, instance + "\\Device Parameters", "Speed", "54");
            std::string classKey = std::string(kClass) + i.classKey;
            WriteString(HKEY_LOCAL_MACHINE, classKey, "NetCfgInstanceId", i.connection);
            WriteString(HKEY_LOCAL_MACHINE, classKey, "DriverDesc", i.description);
            WriteString(HKEY_LOCAL_MACHINE, classKey + "\\Ndi", "Service", "VXN54");
            WriteString(HKEY_LOCAL_MACHINE, std::string(kNetwork) + i.connection + "\\Connection", "Name",
                        "Wireless Network Connection");
            DWORD one = 1;
            SHSetValueA(HKEY_LOCAL_MACHINE, kDescriptions, i.description, REG_DWORD, &one, sizeof one);
        }
        WriteString(HKEY_LOCAL_MACHINE, std::string(kNeighbourHardware) + "\\7&0&1", "Driver",
                    std::string("{4D36E972-E325-11CE-BFC1-08002BE10318}\\") + kNeighbourClass);
        WriteString(HKEY_LOCAL_MACHINE, std::string(kClass) + kNeighbourClass, "NetCfgInstanceId", kNeighbourConnection);
        WriteString(HKEY_LOCAL_MACHINE, std::string(kNetwork) + kNeighbourConnection + "\\Connection", "Name",
                    "Local Area Connection");
        DWORD one = 1;
        SHSetValueA(HKEY_LOCAL_MACHINE, kDescriptions, kNeighbourDescription, REG_DWORD, &one, sizeof one);
    }
    static void RemoveDriverKeys() {
        for (const auto& i : kInstances) {
            SHDeleteKeyA(HKEY_LOCAL_MACHINE, (std::string(kCcs) + i.hardware).c_str());
            SHDeleteKeyA(HKEY_LOCAL_MACHINE, (std::string(kClass) + i.classKey).c_str());
            SHDeleteKeyA(HKEY_LOCAL_MACHINE, (std::string(kNetwork) + i.connection).c_str());
            SHDeleteValueA(HKEY_LOCAL_MACHINE, kDescriptions, i.description);
        }
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, kNeighbourHardware);
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, (std::string(kClass) + kNeighbourClass).c_str());
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, (std::string(kNetwork) + kNeighbourConnection).c_str());
        SHDeleteValueA(HKEY_LOCAL_MACHINE, kDescriptions, kNeighbourDescription);
    }
    // Runs the uninstall entry's own quiet command, as the system would, and waits for the
    // uninstaller (which goes on in a copy of itself outside the folder it removes) to have
    // taken the entry away.
    static bool UninstallQuietly(const std::string& extra) {
        std::string command = ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString");
        if (command == "<missing>") return false;
        if (RunAndWait(command + extra, kSetupMs) != 0) return false;
        return WaitFor([] { return !KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey) && !FileExists(installDir); },
                       kSetupMs);
    }
    static void ExpectNothingLeft() {
        for (const char* file : {"Lumora.exe", "Regsweep.exe", "Config.INI", "W32N50.dll", "Uninstall.exe"})
            EXPECT_FALSE(FileExists(installDir + "\\" + file)) << file;
        EXPECT_FALSE(FileExists(installDir));
        EXPECT_FALSE(FileExists(shortcut));
        EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, kRunKey, "Lumora"));
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    }

    static std::string setup;
    static std::string installDir;
    static std::string shortcut;
    static std::unique_ptr<LumoraProcess> lumora;
};

std::string InstallerEndToEnd::setup;
std::string InstallerEndToEnd::installDir;
std::string InstallerEndToEnd::shortcut;
std::unique_ptr<LumoraProcess> InstallerEndToEnd::lumora;

TEST_F(InstallerEndToEnd, SilentInstallPutsEverythingInPlace) {
    ASSERT_EQ(RunAndWait("\"" + setup + "\" /S /LANGUAGE=French /SIMADAPTER", kSetupMs), 0);
    for (const char* file : {"Lumora.exe", "Regsweep.exe", "Config.INI", "W32N50.dll", "Uninstall.exe"})
        EXPECT_TRUE(FileExists(installDir + "\\" + file)) << file;
    EXPECT_TRUE(FileExists(shortcut));
    const std::string exe = installDir + "\\Lumora.exe";
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, kRunKey, "Lumora"), "\"" + exe + "\"");
    EXPECT_EQ(ReadSetting("Settings", "Language"), "French");

    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), "Lumora");
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "Publisher"), "Vexa");
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion"), "1.00");
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation"), installDir);
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayIcon"), exe + ",0");
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"),
              "\"" + installDir + "\\Uninstall.exe\"");
    EXPECT_EQ(ReadString(HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString"),
              "\"" + installDir + "\\Uninstall.exe\" /S");
}

TEST_F(InstallerEndToEnd, InstalledLumoraRunsWithTheChosenLanguagesTrayMenu) {
    lumora = std::make_unique<LumoraProcess>();
    ASSERT_TRUE(lumora->Start(installDir + "\\Lumora.exe"));
    HWND main = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (main = FindProcessWindow(lumora->Id(), kMainTitle)) != nullptr; }));
    // Start-up records where it runs from: the installed folder, not the build's.
    EXPECT_EQ(ReadSetting("Settings", "ProfilePath"), installDir + "\\");
    const SIZE shown = TrayMenuSize(lumora->Id());
    // The built-in machine has no network of the settings in force: the status line says
    // that no adapter was found yet, or that there is no link.
    std::string sizes;
    bool french = false;
    for (const MenuJob& job : {MenuJob{"Aucun adaptateur trouv\xE9", "Afficher", "&Profils", "(aucun)", "Quitter"},
                               MenuJob{"Non connect\xE9", "Afficher", "&Profils", "(aucun)", "Quitter"}}) {
        const SIZE size = MenuSizeFor(job);
        ASSERT_GT(size.cx, 0);
        french = french || shown == size;
        sizes += " " + job.status + " " + std::to_string(size.cx) + "x" + std::to_string(size.cy);
        for (const char* status : {"No Card Found", "No Connect"})   // the sizes tell the languages apart
            EXPECT_FALSE(size == MenuSizeFor(MenuJob{status, "Show", "&Profiles", "(none)", "Exit"})) << status;
    }
    EXPECT_TRUE(french) << "tray menu " << shown.cx << "x" << shown.cy << ", French menus:" << sizes;
    EXPECT_TRUE(lumora->Running());
}

TEST_F(InstallerEndToEnd, SilentUninstallEndsLumoraSweepsTheDriverKeysAndKeepsProfiles) {
    ASSERT_TRUE(lumora && lumora->Running()) << "needs the Lumora of the previous step";
    SeedDriverKeys();
    // As the driver's setup leaves them: the two hardware keys, numbered without a gap.
    WriteString(HKEY_LOCAL_MACHINE, kUninstallKey, "DEL_HKR_0000", kInstances[0].hardware);
    WriteString(HKEY_LOCAL_MACHINE, kUninstallKey, "DEL_HKR_0001", kInstances[2].hardware);
    WriteSetting("Home", "SSID", "HomeNet");

    ASSERT_TRUE(UninstallQuietly(""));
    EXPECT_TRUE(lumora->WaitForExit(5000)) << "Lumora still runs after the uninstall";
    ExpectNothingLeft();

    for (const auto& i : kInstances) {
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, std::string(kCcs) + i.hardware)) << i.hardware;
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, std::string(kClass) + i.classKey)) << i.classKey;
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, std::string(kNetwork) + i.connection)) << i.connection;
        EXPECT_FALSE(ValueExists(HKEY_LOCAL_MACHINE, kDescriptions, i.description)) << i.description;
    }
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, std::string(kNeighbourHardware) + "\\7&0&1"));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, std::string(kClass) + kNeighbourClass));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, std::string(kNetwork) + kNeighbourConnection + "\\Connection"));
    EXPECT_TRUE(ValueExists(HKEY_LOCAL_MACHINE, kDescriptions, kNeighbourDescription));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Enum\\USB"));

    // The box was left unticked: the profiles and settings stay.
    EXPECT_EQ(ReadSetting("Home", "SSID"), "HomeNet");
    EXPECT_EQ(ReadSetting("FactoryDefault", "SSID"), "vexa");
    EXPECT_EQ(ReadSetting("Settings", "Language"), "French");
}

TEST_F(InstallerEndToEnd, ComponentsLeftOutAndProfilesRemovedOnRequest) {
    // Installed again over the kept settings: no language asked for keeps the one chosen
    // before; without the simulated library and the logon start.
    ASSERT_EQ(RunAndWait("\"" + setup + "\" /S /NOAUTOSTART", kSetupMs), 0);
    EXPECT_TRUE(FileExists(installDir + "\\Lumora.exe"));
    EXPECT_FALSE(FileExists(installDir + "\\W32N50.dll"));
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, kRunKey, "Lumora"));
    EXPECT_EQ(ReadSetting("Settings", "Language"), "French");

    ASSERT_TRUE(UninstallQuietly(" /REMOVEPROFILES"));
    ExpectNothingLeft();
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kLumoraKey));
    EXPECT_EQ(ReadSetting("Home", "SSID"), "<missing>");
}

}  // namespace
