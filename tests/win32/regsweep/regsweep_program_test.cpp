// Regsweep.exe under Wine, end to end: a driver installation laid out in the registry
// as the system does it, the program run as the uninstaller runs it, and exactly the
// driver's keys gone afterwards.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "regsweep_fixture.h"

using namespace regsweep_e2e;

namespace {

constexpr DWORD kWaitMs = 60000;  // a safety net against a hung program, not a timing check
const std::string kHw = "Enum\\USB\\VID_1A2B&PID_0054";
const std::string kHwRoot = "Enum\\Root\\NIMBEO";
const std::string kHwAfterGap = "Enum\\USB\\VID_1A2B&PID_0099";
const std::string kHwOther = "Enum\\USB\\VID_FFFF&PID_0001";
const std::string kHwBare = "Enum\\USB\\VID_1A2B&PID_00BA";  // its instance's Driver names no instance

std::string ClassKey(int n) {
    char name[8] = {};
    wsprintfA(name, "%04d", n);
    return kClassNet + std::string(name);
}
std::string Guid(int n) {
    char name[64] = {};
    wsprintfA(name, "{6B0E1%03d-4C2A-4F3E-9D11-000000000%03d}", n, n);
    return name;
}
std::string Description(int n) { return n == 101 ? "Vexa Nimbeo 54M USB" : "Vexa Nimbeo 54M USB #" + std::to_string(n - 100); }

// One device instance driven by driver number n, with its class and connection keys.
void AddInstance(const std::string& hardware, const std::string& instance, int n) {
    const std::string instancePath = kCcs + hardware + "\\" + instance;
    char driver[64] = {};
    wsprintfA(driver, "{4D36E972-E325-11CE-BFC1-08002BE10318}\\%04d", n);
    SetString(instancePath, "Driver", driver);
    SetString(instancePath, "Service", "nimbeo");
    SetString(instancePath + "\\Device Parameters", "InstanceIndex", "1");
    SetString(ClassKey(n), "NetCfgInstanceId", Guid(n));
    SetString(ClassKey(n), "DriverDesc", Description(n));
    SetString(ClassKey(n) + "\\Ndi\\Interfaces", "LowerRange", "ethernet");
    SetString(kNetwork + Guid(n) + "\\Connection", "Name", "Wireless Network Connection " + std::to_string(n));
    SetString(kDescriptions, Description(n), "1");
}

const std::vector<std::string> kWatched = {
    std::string(kCcs) + "Enum",
    std::string(kClassNet, sizeof kClassNet - 2),
    std::string(kNetwork, sizeof kNetwork - 2),
};

std::set<std::string> Snapshot() {
    std::set<std::string> all;
    for (const std::string& root : kWatched) {
        const auto below = KeysBelow(root);
        all.insert(below.begin(), below.end());
    }
    return all;
}

// Key names compare without case, as the registry compares them.
bool Under(const std::string& key, const std::string& root) {
    if (key.size() < root.size()) return false;
    if (CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, key.c_str(), static_cast<int>(root.size()), root.c_str(),
                       static_cast<int>(root.size())) != CSTR_EQUAL)
        return false;
    return key.size() == root.size() || key[root.size()] == '\\';
}

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// Dialog 102 made from Regsweep.exe's own template in this process, never shown: it
// turns dialog units into pixels for that font (MapDialogRect cannot reach into
// another process's window).
class TemplateCopy {
public:
    TemplateCopy() {
        module_ = LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (module_ != nullptr)
            dialog_ = CreateDialogParamA(module_, MAKEINTRESOURCEA(102), nullptr, &IgnoreMessages, 0);
    }
    ~TemplateCopy() {
        if (dialog_ != nullptr) DestroyWindow(dialog_);
        if (module_ != nullptr) FreeLibrary(module_);
    }
    TemplateCopy(const TemplateCopy&) = delete;
    TemplateCopy& operator=(const TemplateCopy&) = delete;
    bool made() const { return dialog_ != nullptr; }
    LOGFONTA font() const {
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog_, WM_GETFONT, 0, 0)), sizeof font, &font);
        return font;
    }
    // Position and size convert apart, as the dialog manager places controls.
    RECT pixels(int x, int y, int width, int height) const {
        RECT origin{x, y, width, height};
        MapDialogRect(dialog_, &origin);
        return RECT{origin.left, origin.top, origin.left + origin.right, origin.top + origin.bottom};
    }

private:
    HMODULE module_ = nullptr;
    HWND dialog_ = nullptr;
};

// A control's rectangle in its dialog's client coordinates.
RECT ChildRect(HWND dialog, int id) {
    RECT rect{};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// A message box shows its icon in a static control of id 1088 (0x440), which holds
// no icon when the box has none.
bool HasIcon(HWND box) {
    HWND icon = GetDlgItem(box, 0x440);
    return icon != nullptr && SendMessageA(icon, STM_GETICON, 0, 0) != 0;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { removeAll(); }
    void TearDown() override { removeAll(); }
    static void removeAll() {
        for (const std::string& hw : {kHw, kHwRoot, kHwAfterGap, kHwOther}) DeleteTree(kCcs + hw);
        for (int n : {100, 101, 102, 103, 104, 109}) {
            DeleteTree(ClassKey(n));
            DeleteTree(kNetwork + Guid(n));
        }
        HKEY descriptions = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kDescriptions, 0, KEY_ALL_ACCESS, &descriptions) == ERROR_SUCCESS) {
            for (int n : {100, 101, 102, 103, 104, 109}) RegDeleteValueA(descriptions, Description(n).c_str());
            RegCloseKey(descriptions);
        }
        DeleteTree(std::string(kUninstall) + "NimbeoUSB");
        DeleteTree("SOFTWARE\\Vexa");
        DeleteTree(kCcs + kHwBare);
        DeleteTree("Enum\\USB\\VID_1A2B&PID_0054");
        DeleteTree("Enum\\USB\\VID_1A2B&PID_00BA");
        DeleteTree("System\\CurrentControlSet\\Services\\Class\\Net\\0106");
        DeleteTree("System\\CurrentControlSet\\Services\\Class\\Net\\0107");
        SHDeleteKeyA(HKEY_CURRENT_USER, kWine98);
    }
    static constexpr char kWine98[] = "Software\\Wine\\AppDefaults\\Regsweep.exe";
    // Wine reports the named version record to Regsweep.exe alone.
    static void reportVersion(const char* version) {
        HKEY appDefaults = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kWine98, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &appDefaults,
                                  nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(appDefaults, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                       static_cast<DWORD>(lstrlenA(version) + 1));
        RegCloseKey(appDefaults);
    }

    static void addSmallInstallation() {
        const std::string entry = std::string(kUninstall) + "NimbeoUSB";
        SetString(entry, "DEL_HKR_0000", kHw);
        AddInstance(kHw, "5&1A2B0054&0&1", 101);
    }
    static std::string allStaticTexts(HWND window) {
        std::string texts;
        for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            char className[32] = {};
            GetClassNameA(child, className, sizeof className);
            if (lstrcmpiA(className, "Static") != 0) continue;
            char text[512] = {};
            GetWindowTextA(child, text, sizeof text);
            texts += text;
        }
        return texts;
    }
};

}  // namespace

TEST_F(ProgramTest, UninstallEntryRemovesExactlyTheDriversKeysAndNothingElse) {
    const std::string entry = std::string(kUninstall) + "NimbeoUSB";
    SetString(entry, "DisplayName", "Vexa Nimbeo 54M USB Wireless LAN Driver");
    SetString(entry, "DEL_HKR_0000", kHw);
    SetString(entry, "DEL_HKR_0001", kHwRoot);
    SetString(entry, "DEL_HKR_0003", kHwAfterGap);  // after the gap at 0002: left alone
    AddInstance(kHw, "5&1A2B0054&0&1", 101);
    AddInstance(kHw, "5&1A2B0054&0&2", 102);
    AddInstance(kHw, "5&1A2B0054&0&3", 103);
    AddInstance(kHwRoot, "0000", 104);
    AddInstance(kHwAfterGap, "5&99&0&1", 109);
    AddInstance(kHwOther, "5&FFFF&0&1", 100);  // another vendor's adapter
    SetString(kDescriptions, "", "default value stays");
    const std::set<std::string> before = Snapshot();

    const RunResult run = RunRegsweep("NimbeoUSB", kWaitMs);
    ASSERT_TRUE(run.started);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_FALSE(run.sawVisibleWindow);

    std::set<std::string> expected;
    for (const std::string& k : before) {
        for (const std::string& root : {kCcs + kHw, kCcs + kHwRoot})
            if (Under(k, root)) expected.insert(k);
        for (int n : {101, 102, 103, 104})
            if (Under(k, ClassKey(n)) || Under(k, kNetwork + Guid(n))) expected.insert(k);
    }
    // Two hardware keys, four instances with a subkey each, four class keys with two
    // subkeys each, four connections with one each.
    ASSERT_EQ(expected.size(), 2u + 4 * 2 + 4 * 3 + 4 * 2);
    const std::set<std::string> after = Snapshot();
    std::set<std::string> gone;
    std::set_difference(before.begin(), before.end(), after.begin(), after.end(), std::inserter(gone, gone.end()));
    EXPECT_EQ(gone, expected);
    EXPECT_EQ(after.size(), before.size() - expected.size());

    for (int n : {101, 102, 103, 104}) {
        EXPECT_FALSE(KeyExists(ClassKey(n))) << n;
        EXPECT_FALSE(KeyExists(kNetwork + Guid(n))) << n;
        EXPECT_FALSE(ValueExists(kDescriptions, Description(n))) << n;
    }
    for (int n : {100, 109}) {
        EXPECT_TRUE(KeyExists(ClassKey(n) + "\\Ndi\\Interfaces")) << n;
        EXPECT_TRUE(KeyExists(kNetwork + Guid(n) + "\\Connection")) << n;
        EXPECT_TRUE(ValueExists(kDescriptions, Description(n))) << n;
    }
    EXPECT_TRUE(ValueExists(kDescriptions, ""));
    EXPECT_TRUE(KeyExists(kCcs + kHwAfterGap + "\\5&99&0&1"));
    EXPECT_TRUE(KeyExists(kCcs + kHwOther + "\\5&FFFF&0&1"));
    EXPECT_TRUE(KeyExists("SYSTEM\\CurrentControlSet\\Enum\\USB"));
    EXPECT_TRUE(ValueExists(entry, "DEL_HKR_0000"));  // the entry is the uninstaller's to remove
}

TEST_F(ProgramTest, WithoutANameTheUsageBoxShowsAndNothingIsDeleted) {
    addSmallInstallation();
    const std::set<std::string> before = Snapshot();
    for (const char* arguments : {"", "/debug"}) {
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(StartRegsweep(arguments, &process));
        HWND box = WaitForWindow(process.dwProcessId, "Usage...", kWaitMs);
        ASSERT_NE(box, nullptr) << arguments;
        EXPECT_NE(allStaticTexts(box).find("Regsweep UnInstallName/Registry /debug"), std::string::npos);
        // Like every box of ours, it carries the information icon.
        EXPECT_TRUE(HasIcon(box)) << arguments;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(WaitForSingleObject(process.hProcess, kWaitMs), WAIT_OBJECT_0);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(ProgramTest, InDebugModeTheLogShowsNewestFirstAndTheWindowStaysUntilOk) {
    addSmallInstallation();
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(StartRegsweep("/debug NimbeoUSB", &process));
    HWND window = WaitForWindow(process.dwProcessId, "Regsweep", kWaitMs);
    ASSERT_NE(window, nullptr);
    const std::string lastStep = "Del Hardware Key SYSTEM\\CurrentControlSet\\" + kHw + "\n";
    std::string log;
    for (int i = 0; i < 600 && log.rfind(lastStep, 0) != 0; ++i) {
        Sleep(50);
        log = ControlText(window, 1000);
    }
    EXPECT_EQ(log.rfind(lastStep, 0), 0u) << log;
    EXPECT_NE(log.find("\nDel Hardware instance 5&1A2B0054&0&1\n"), std::string::npos);
    EXPECT_NE(log.find("\nChange permission1\n"), std::string::npos);
    EXPECT_NE(log.find("\nGet OS Version\n"), std::string::npos);
    EXPECT_LT(log.find("Del Software key"), log.find("Open Software Key"));
    EXPECT_FALSE(KeyExists(kCcs + kHw));

    // The work is done and the window is still there, with OK showing and Cancel not.
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 300), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, IDOK)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, IDCANCEL)));
    // Instance names carry ampersands; the log field must show them, not underline.
    EXPECT_NE(GetWindowLongA(GetDlgItem(window, 1000), GWL_STYLE) & SS_NOPREFIX, 0);
    EXPECT_NE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    // The title and the layout of dialog 102 in dialog units. (Its icons cannot be
    // checked from here: Wine answers WM_GETICON only within the window's process.)
    char title[32] = {};
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "Regsweep");
    const TemplateCopy units;
    ASSERT_TRUE(units.made());
    const LOGFONTA font = units.font();
    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(font.lfHeight, -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);
    EXPECT_GT(units.pixels(0, 0, 4, 8).right, 4);  // the mapping worked, not a 1:1 fallback
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_TRUE(SameRect(client, units.pixels(0, 0, 452, 229)));
    EXPECT_TRUE(SameRect(ChildRect(window, IDOK), units.pixels(395, 7, 50, 14)));
    EXPECT_TRUE(SameRect(ChildRect(window, 1000), units.pixels(7, 7, 386, 215)));
    EXPECT_EQ(ChildRect(window, IDCANCEL).left, units.pixels(395, 208, 1, 1).left);
    EXPECT_EQ(ChildRect(window, IDCANCEL).top, units.pixels(395, 208, 1, 1).top);
    PostMessageA(window, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, kWaitMs), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

TEST_F(ProgramTest, ARegistryPathIsDeletedButTopLevelKeysAreRefused) {
    SetString("SOFTWARE\\Vexa\\Leftover\\Profiles\\Home", "SSID", "home");
    SetString("SOFTWARE\\Vexa\\Keep", "x", "1");

    for (const char* topLevel : {"SOFTWARE", "SOFTWARE\\", "Software"}) {
        const RunResult refused = RunRegsweep(topLevel, kWaitMs);
        ASSERT_TRUE(refused.finished) << topLevel;
        EXPECT_FALSE(refused.sawVisibleWindow) << topLevel;
        EXPECT_TRUE(KeyExists("SOFTWARE\\Vexa\\Leftover\\Profiles\\Home")) << topLevel;
    }

    const RunResult run = RunRegsweep("SOFTWARE\\Vexa\\Leftover", kWaitMs);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_FALSE(run.sawVisibleWindow);
    EXPECT_FALSE(KeyExists("SOFTWARE\\Vexa\\Leftover"));
    EXPECT_TRUE(ValueExists("SOFTWARE\\Vexa\\Keep", "x"));
}

TEST_F(ProgramTest, OnA9xSystemTheServicesClassBranchIsUsedAndNetworkKeysStay) {
    reportVersion("win98");

    const std::string classKey = "System\\CurrentControlSet\\Services\\Class\\Net\\0107";
    SetString(std::string(kUninstall) + "NimbeoUSB", "DEL_HKR_0000", kHw);
    SetString(kHw + "\\0001", "Driver", "Net\\0107");  // 9x: relative to the machine root
    SetString(classKey, "NetCfgInstanceId", Guid(107));
    SetString(classKey, "DriverDesc", Description(107));
    SetString(kNetwork + Guid(107) + "\\Connection", "Name", "stays");
    SetString(kDescriptions, Description(107), "1");
    // What an NT run would clean instead.
    AddInstance(kHw, "0001", 101);

    const RunResult run = RunRegsweep("NimbeoUSB", kWaitMs);
    ASSERT_TRUE(run.finished);
    EXPECT_FALSE(KeyExists(kHw));
    EXPECT_FALSE(KeyExists(classKey));
    EXPECT_TRUE(KeyExists(kNetwork + Guid(107) + "\\Connection"));
    EXPECT_TRUE(ValueExists(kDescriptions, Description(107)));
    EXPECT_TRUE(KeyExists(kCcs + kHw + "\\0001"));
    EXPECT_TRUE(KeyExists(ClassKey(101)));
    EXPECT_TRUE(KeyExists(kNetwork + Guid(101)));
}

// A DEL_HKR value that is no device's enumeration key would delete a whole branch of the
// machine (below the CurrentControlSet on NT): one key, or two ("Enum\\USB" is every USB
// device). A Driver value without an instance names every adapter's class key, and a
// connection identifier that is no GUID another key of the network class. All are
// skipped; the devices listed around them are cleaned.
TEST_F(ProgramTest, OnAnXpSystemValuesOfOtherShapesDeleteNothing) {
    reportVersion(sizeof(void*) == 8 ? "winxp64" : "winxp");
    const std::string entry = std::string(kUninstall) + "NimbeoUSB";
    const std::string values[] = {"Control", "Services\\", "\\Enum",      kHwBare,          kHw,
                                  "Enum\\USB", "Control\\Class", "Services\\Tcpip", kHwAfterGap};
    for (int i = 0; i < 9; ++i) SetString(entry, "DEL_HKR_000" + std::to_string(i), values[i]);
    SetString(kCcs + kHwBare + "\\5&BA&0&1", "Driver", "{4D36E972-E325-11CE-BFC1-08002BE10318}");
    AddInstance(kHw, "5&1A2B0054&0&1", 101);
    AddInstance(kHwOther, "5&FFFF&0&1", 100);  // another adapter of the same class
    AddInstance(kHwAfterGap, "5&1A2B0099&0&1", 102);
    AddInstance(kHwAfterGap, "5&1A2B0099&0&2", 103);
    SetString(ClassKey(103), "NetCfgInstanceId", "Descriptions");
    const std::set<std::string> controlBefore = KeysBelow("SYSTEM\\CurrentControlSet\\Control");
    const std::set<std::string> servicesBefore = KeysBelow("SYSTEM\\CurrentControlSet\\Services");
    const std::set<std::string> enumBefore = KeysBelow("SYSTEM\\CurrentControlSet\\Enum");
    ASSERT_FALSE(controlBefore.empty());
    ASSERT_FALSE(servicesBefore.empty());
    ASSERT_TRUE(KeyExists("SYSTEM\\CurrentControlSet\\Services\\Tcpip"));

    const RunResult run = RunRegsweep("NimbeoUSB", kWaitMs);
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0u);

    // The ordinary cleanup: the device, its driver key and its connection.
    EXPECT_FALSE(KeyExists(kCcs + kHw));
    EXPECT_FALSE(KeyExists(ClassKey(101)));
    EXPECT_FALSE(KeyExists(kNetwork + Guid(101)));
    EXPECT_FALSE(KeyExists(kCcs + kHwBare + "\\5&BA&0&1"));  // the listed device's instance goes
    // Everything else stays, the other adapter's keys with it.
    std::set<std::string> controlAfter = KeysBelow("SYSTEM\\CurrentControlSet\\Control");
    std::set<std::string> gone;
    std::set_difference(controlBefore.begin(), controlBefore.end(), controlAfter.begin(), controlAfter.end(),
                        std::inserter(gone, gone.end()));
    for (const std::string& k : gone)
        EXPECT_TRUE(Under(k, ClassKey(101)) || Under(k, kNetwork + Guid(101)) || Under(k, ClassKey(102)) ||
                    Under(k, kNetwork + Guid(102)) || Under(k, ClassKey(103)))
            << k << " went";
    EXPECT_FALSE(KeyExists(ClassKey(102)));
    EXPECT_FALSE(KeyExists(ClassKey(103)));
    EXPECT_TRUE(KeyExists(kDescriptions));
    EXPECT_TRUE(ValueExists(kDescriptions, Description(103)));
    EXPECT_TRUE(KeyExists(kNetwork + Guid(103) + "\\Connection"));
    EXPECT_TRUE(KeyExists(ClassKey(100) + "\\Ndi\\Interfaces"));
    EXPECT_TRUE(KeyExists(kNetwork + Guid(100) + "\\Connection"));
    EXPECT_EQ(KeysBelow("SYSTEM\\CurrentControlSet\\Services"), servicesBefore);
    EXPECT_TRUE(KeyExists(kCcs + kHwOther + "\\5&FFFF&0&1"));
    for (const std::string& k : enumBefore) {
        if (!Under(k, kCcs + kHw) && !Under(k, kCcs + kHwAfterGap) && !Under(k, kCcs + kHwBare)) {
            EXPECT_TRUE(KeyExists(k)) << k << " went";
        }
    }
}

// On 9x the values are paths below the machine root: "System", "Enum" or "SOFTWARE"
// alone would take that whole branch, the uninstall entry being read with it, and so
// would "SOFTWARE\\Microsoft", "System\\CurrentControlSet" or "Enum\\USB".
TEST_F(ProgramTest, OnA9xSystemValuesOfOtherShapesDeleteNothing) {
    reportVersion("win98");
    const std::string entry = std::string(kUninstall) + "NimbeoUSB";
    const std::string netClass = "System\\CurrentControlSet\\Services\\Class\\Net";
    const std::string values[] = {"System", "SOFTWARE\\", "Enum", kHwBare, kHw, "SOFTWARE\\Microsoft",
                                  "System\\CurrentControlSet", "Enum\\USB"};
    for (int i = 0; i < 8; ++i) SetString(entry, "DEL_HKR_000" + std::to_string(i), values[i]);
    SetString("Enum\\USB\\VID_FFFF&PID_0001\\0001", "Driver", "Net\\0106");
    SetString("Enum\\Root\\Keep", "x", "1");
    SetString(kHwBare + "\\0001", "Driver", "Net");
    SetString(kHw + "\\0001", "Driver", "Net\\0107");
    SetString(netClass + "\\0107", "DriverDesc", Description(107));
    SetString(netClass + "\\0106", "DriverDesc", "another adapter");
    const std::set<std::string> softwareBefore = KeysBelow("SOFTWARE\\Microsoft\\Windows\\CurrentVersion");

    const RunResult run = RunRegsweep("NimbeoUSB", kWaitMs);
    ASSERT_TRUE(run.finished);

    EXPECT_FALSE(KeyExists(kHw));
    EXPECT_FALSE(KeyExists(netClass + "\\0107"));
    EXPECT_FALSE(KeyExists(kHwBare + "\\0001"));
    EXPECT_TRUE(KeyExists(netClass + "\\0106"));
    EXPECT_TRUE(KeyExists("Enum\\Root\\Keep"));
    EXPECT_TRUE(ValueExists(entry, "DEL_HKR_0004"));
    EXPECT_EQ(KeysBelow("SOFTWARE\\Microsoft\\Windows\\CurrentVersion"), softwareBefore);
    EXPECT_TRUE(KeyExists("System\\CurrentControlSet\\Control"));
    EXPECT_TRUE(KeyExists("Enum\\USB\\VID_FFFF&PID_0001\\0001"));
    DeleteTree("Enum\\Root\\Keep");
    DeleteTree("Enum\\USB\\VID_FFFF&PID_0001");
}
