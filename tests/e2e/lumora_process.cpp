#include "lumora_process.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <sstream>
#include <vector>

namespace lumora_e2e {

namespace {

const char kRoot[] = "Software\\Vexa\\Lumora";

struct Search {
    DWORD processId;
    std::string title;
    std::string text;
    HWND found;
};

BOOL CALLBACK byTitle(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<Search*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid != s->processId) return TRUE;
    char title[256] = {};
    GetWindowTextA(w, title, sizeof title);
    if (s->title == title) {
        s->found = w;
        return FALSE;
    }
    // A window put away in the tray lives under a hidden parent window.
    if (HWND child = FindWindowExA(w, nullptr, nullptr, s->title.c_str())) {
        s->found = child;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK childText(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<Search*>(p);
    char text[512] = {};
    GetWindowTextA(w, text, sizeof text);
    if (s->text == text) {
        s->found = w;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK dialogWithText(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<Search*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid != s->processId) return TRUE;
    Search inner{pid, "", s->text, nullptr};
    EnumChildWindows(w, childText, reinterpret_cast<LPARAM>(&inner));
    if (inner.found) {
        s->found = w;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool WaitFor(const std::function<bool()>& done, DWORD ms) {
    DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (GetTickCount() - start >= ms) return done();
        Sleep(50);
    }
}

LumoraProcess::~LumoraProcess() {
    if (Running()) Kill();
    if (info_.hProcess) CloseHandle(info_.hProcess);
    if (info_.hThread) CloseHandle(info_.hThread);
}

bool LumoraProcess::Start(const std::string& exePath) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::vector<char> commandLine(exePath.begin(), exePath.end());
    commandLine.push_back('\0');
    return CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          &info_) != FALSE;
}

bool LumoraProcess::Running() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool LumoraProcess::WaitForExit(DWORD ms) {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0;
}

void LumoraProcess::Kill() {
    if (!info_.hProcess) return;
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, kWaitMs);
}

void WriteOpenProfile(const std::string& name, const std::string& ssid, const std::string& next) {
    WriteSetting(name, "SSID", ssid);
    WriteSetting(name, "OperationMode", "0");
    WriteSetting(name, "Authentication", "2");
    WriteSetting(name, "WepEnabled", "0");
    WriteSetting(name, "Channel", "6");
    WriteSetting(name, "NextProfile", next);
}

HWND TrayWindowOf(DWORD processId) {
    HWND w = nullptr;
    while ((w = FindWindowExA(nullptr, w, "LumoraTrayWindow", nullptr)) != nullptr) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == processId) return w;
    }
    return nullptr;
}

HWND FindProcessWindow(DWORD processId, const std::string& title) {
    // Searched afresh each time: the window changes parents between tray and screen.
    Search s{processId, title, "", nullptr};
    EnumWindows(byTitle, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

int CurrentPage(HWND mainWindow) {
    DWORD_PTR page = 0;
    HWND host = GetDlgItem(mainWindow, IDC_PAGE_HOST);
    if (!host || !SendMessageTimeoutA(host, TCM_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &page)) return -1;
    return int(LONG_PTR(page));
}

HWND FindPage(HWND mainWindow, const std::function<bool(HWND)>& is) {
    HWND host = GetDlgItem(mainWindow, IDC_PAGE_HOST);
    for (HWND w = GetWindow(host, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (is(w)) return w;
    return nullptr;
}

HWND VisiblePage(HWND mainWindow) {
    return FindPage(mainWindow, [](HWND w) { return IsWindowVisible(w) != FALSE; });
}

HWND PageWith(HWND mainWindow, int id) {
    return FindPage(mainWindow, [id](HWND w) { return GetDlgItem(w, id) != nullptr; });
}

std::string WindowText(HWND window) {
    char text[16384] = {};
    DWORD_PTR got = 0;
    if (window) SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                                    5000, &got);
    return text;
}

std::string ControlText(HWND page, int id) { return WindowText(GetDlgItem(page, id)); }

bool ClickAt(int x, int y, int times) {
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

HWND FindDialogWithText(DWORD processId, const std::string& text) {
    Search s{processId, "", text, nullptr};
    EnumWindows(dialogWithText, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

std::string ReadSetting(const std::string& section, const std::string& name, const std::string& fallback) {
    std::string path = std::string(kRoot) + "\\" + section;
    char value[1024] = {};
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    if (SHGetValueA(HKEY_CURRENT_USER, path.c_str(), name.c_str(), &type, value, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return fallback;
    return std::string(value);
}

void WriteSetting(const std::string& section, const std::string& name, const std::string& value) {
    std::string path = std::string(kRoot) + "\\" + section;
    SHSetValueA(HKEY_CURRENT_USER, path.c_str(), name.c_str(), REG_SZ, value.c_str(), DWORD(value.size() + 1));
}

void RemoveAllSettings() { SHDeleteKeyA(HKEY_CURRENT_USER, kRoot); }

std::string TempPath(const char* name) {
    char dir[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

std::string BesideThisProgram(const std::string& file) {
    char path[MAX_PATH + 1] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path, n < MAX_PATH ? n : 0);
    size_t slash = dir.find_last_of('\\');
    return (slash == std::string::npos ? std::string() : dir.substr(0, slash + 1)) + file;
}

RequestLog::RequestLog(const std::string& path) : path_(path) {
    DeleteFileA(path_.c_str());
    SetEnvironmentVariableA("LUMORA_SIM_LOG", path_.c_str());
}

RequestLog::~RequestLog() {
    SetEnvironmentVariableA("LUMORA_SIM_LOG", nullptr);
    DeleteFileA(path_.c_str());
}

std::string RequestLog::Text() const {
    // Shared both ways: the program appends to the file while we read it.
    HANDLE f = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return std::string();
    std::string text;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(f, chunk, sizeof chunk, &got, nullptr) && got > 0) text.append(chunk, got);
    CloseHandle(f);
    return text;
}

void RequestLog::Mark() { mark_ = Text().size(); }

bool RequestLog::WaitForLines(const std::string& prefix, size_t count, DWORD ms) {
    return WaitFor(
        [&] {
            const std::string text = Text();
            size_t found = 0;
            for (size_t at = text.find(prefix, mark_); at != std::string::npos; at = text.find(prefix, at + 1))
                if ((at == 0 || text[at - 1] == '\n') && ++found >= count) return true;
            return false;
        },
        ms);
}

std::vector<RequestLog::Set> RequestLog::SetsSinceMark() const {
    std::vector<Set> sets;
    const std::string text = Text();
    size_t at = mark_;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) break;   // a line still being written
        std::istringstream fields(text.substr(at, end - at));
        at = end + 1;
        std::string kind, device, oid, length, status, bytes;
        fields >> kind >> device >> oid >> length >> status >> bytes;
        if (kind == "S") sets.push_back({oid, bytes});
    }
    return sets;
}

std::vector<std::string> RequestLog::SetOidsSinceMark() const {
    std::vector<std::string> oids;
    for (const Set& s : SetsSinceMark()) oids.push_back(s.oid);
    return oids;
}

LumoraRun::LumoraRun(const std::string& name)
    : scenarioPath(TempPath(("lumora_" + name + "_scenario.ini").c_str())),
      log(TempPath(("lumora_" + name + "_requests.log").c_str())) {
    DeleteFileA(scenarioPath.c_str());
    SetEnvironmentVariableA("LUMORA_SIM_SCENARIO", scenarioPath.c_str());
}

LumoraRun::~LumoraRun() {
    Exit();
    SetEnvironmentVariableA("LUMORA_SIM_SCENARIO", nullptr);
    DeleteFileA(scenarioPath.c_str());
}

bool LumoraRun::Start() {
    Exit();
    log.Mark();
    main = nullptr;
    process_ = std::make_unique<LumoraProcess>();
    if (!process_->Start(BesideThisProgram("Lumora.exe"))) return false;
    return WaitFor([this] { return (main = FindProcessWindow(process_->Id(), kMainTitle)) != nullptr; });
}

bool LumoraRun::WriteScenario(const std::string& text) const {
    const std::string next = scenarioPath + ".next";
    return WriteTextFile(next, text) && MoveFileExA(next.c_str(), scenarioPath.c_str(), MOVEFILE_REPLACE_EXISTING);
}

bool LumoraRun::SendCommand(WPARAM id) const {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(main, WM_COMMAND, id, 0, SMTO_ABORTIFHUNG, kWaitMs, &ignored) != 0;
}

bool LumoraRun::JournalStartsWith(const std::string& text) const {
    const std::string journal = Journal();
    const size_t timeOfDay = sizeof "HH:MM:SS  " - 1;   // before each line
    return journal.size() > timeOfDay && journal.compare(timeOfDay, text.size(), text) == 0;
}

void LumoraRun::Exit() {
    if (!Running()) return;
    if (main) Command(ID_TRAY_EXIT);
    if (!process_->WaitForExit()) process_->Kill();
}

std::string ProductLine(char kind, const std::string& request) {
    return std::string(1, kind) + " \\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14} " + request;
}
std::string ProductFoundLine() { return ProductLine('Q', "0D010102 36 00000000 "); }
std::string MonitorTickLine() { return ProductLine('Q', "00010107 4 "); }

bool WriteTextFile(const std::string& path, const std::string& text) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(f, text.data(), DWORD(text.size()), &written, nullptr) && written == text.size();
    CloseHandle(f);
    return ok;
}


}  // namespace lumora_e2e
