#include "regsweep_fixture.h"

#include <shlwapi.h>

#include <vector>

namespace regsweep_e2e {

void SetString(const std::string& path, const std::string& name, const std::string& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}

bool KeyExists(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

bool ValueExists(const std::string& path, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    const bool found = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return found;
}

void DeleteTree(const std::string& path) { SHDeleteKeyA(HKEY_LOCAL_MACHINE, path.c_str()); }

std::set<std::string> KeysBelow(const std::string& path) {
    std::set<std::string> out;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return out;
    std::vector<std::string> names;
    for (DWORD i = 0;; ++i) {
        char name[256] = {};
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    for (const std::string& name : names) {
        const std::string child = path + "\\" + name;
        out.insert(child);
        for (const std::string& below : KeysBelow(child)) out.insert(below);
    }
    return out;
}

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    folder.resize(folder.find_last_of("\\/") + 1);
    return folder + "Regsweep.exe";
}

namespace {

struct WindowSearch {
    DWORD processId;
    const char* title;
    HWND found;
};

BOOL CALLBACK FindProcessWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    if (owner == search->processId && IsWindowVisible(window) && lstrcmpA(title, search->title) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindVisibleWindow(DWORD processId, const char* title) {
    WindowSearch search{processId, title, nullptr};
    EnumWindows(&FindProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

bool StartRegsweep(const std::string& arguments, PROCESS_INFORMATION* process) {
    const std::string program = ProgramPath();
    std::string commandLine = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    return CreateProcessA(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          process) != FALSE;
}

RunResult RunRegsweep(const std::string& arguments, DWORD waitMs) {
    RunResult run;
    PROCESS_INFORMATION process{};
    run.started = StartRegsweep(arguments, &process);
    if (!run.started) return run;
    for (DWORD waited = 0; waited < waitMs; waited += 10) {
        if (FindVisibleWindow(process.dwProcessId, "Regsweep") != nullptr) run.sawVisibleWindow = true;
        if (WaitForSingleObject(process.hProcess, 10) == WAIT_OBJECT_0) {
            run.finished = true;
            break;
        }
    }
    if (run.finished) {
        GetExitCodeProcess(process.hProcess, &run.exitCode);
    } else {
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return run;
}

HWND WaitForWindow(DWORD processId, const char* title, DWORD waitMs) {
    for (DWORD waited = 0; waited < waitMs; waited += 50) {
        if (HWND window = FindVisibleWindow(processId, title)) return window;
        Sleep(50);
    }
    return nullptr;
}

std::string ControlText(HWND dialog, int id) {
    std::vector<char> text(8192, '\0');
    GetDlgItemTextA(dialog, id, text.data(), static_cast<int>(text.size()));
    return text.data();
}

}  // namespace regsweep_e2e
