// startup_cost.exe <program> <mark file> <runs>: starts the program <runs> times and
// reports, per run, the time from CreateProcess to the first poll (the moment the mark
// file first has content) and the program's working set at that moment; then the
// medians. For Lumora the mark file is the simulator's request log (LUMORA_SIM_LOG): its
// first line is the first poll's probe of the adapter. For bare_dialog.exe it is the file
// its first timer tick writes (BARE_DIALOG_MARK). Not a test: a measurement.
//
// startup_cost --idle <program> <settle s> <measure s> <mark> [show]: starts the program
// once, lets it settle, optionally sends Lumora's Show command, marks the measuring
// period for the caller (see idle()) and reports what Lumora's Link Info status field
// says at its end, so that the figure names the state it was taken in.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "resources/resource_ids.h"

namespace {

constexpr DWORD kTimeoutMs = 30000;

bool hasContent(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) &&
           (data.nFileSizeLow > 0 || data.nFileSizeHigh > 0);
}

BOOL CALLBACK closeWindows(HWND w, LPARAM pid) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == DWORD(pid)) {
        PostMessageA(w, WM_COMMAND, ID_TRAY_EXIT, 0);
        PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
    }
    return TRUE;
}

BOOL CALLBACK showWindows(HWND w, LPARAM pid) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner != DWORD(pid)) return TRUE;
    PostMessageA(w, WM_COMMAND, ID_TRAY_SHOW, 0);
    // While in the tray, Lumora's window is a child of the tray's hidden parking window.
    char name[64] = {};
    GetClassNameA(w, name, sizeof name);
    if (std::string(name) == "LumoraTrayParking")
        if (HWND main = FindWindowExA(w, nullptr, nullptr, nullptr)) PostMessageA(main, WM_COMMAND, ID_TRAY_SHOW, 0);
    return TRUE;
}

struct StatusSearch {
    DWORD pid;
    std::string text;
};

BOOL CALLBACK findStatusIn(HWND w, LPARAM found) {
    auto* search = reinterpret_cast<StatusSearch*>(found);
    if (GetDlgCtrlID(w) != IDC_LINK_STATUS) return TRUE;
    char text[256] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(w, WM_GETTEXT, sizeof text, LPARAM(text), SMTO_ABORTIFHUNG, 2000, &copied);
    search->text = text;
    return FALSE;
}

BOOL CALLBACK findStatus(HWND w, LPARAM found) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    auto* search = reinterpret_cast<StatusSearch*>(found);
    if (owner == search->pid) EnumChildWindows(w, findStatusIn, found);
    return search->text.empty();
}

void touch(const std::string& path) {
    HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f != INVALID_HANDLE_VALUE) CloseHandle(f);
}

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool start(const std::string& program, PROCESS_INFORMATION& pi) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::vector<char> line(program.begin(), program.end());
    line.push_back('\0');
    if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return true;
    std::fprintf(stderr, "cannot start %s\n", program.c_str());
    return false;
}

void stop(PROCESS_INFORMATION& pi) {
    EnumWindows(closeWindows, LPARAM(pi.dwProcessId));
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

// Wine does not report another process's CPU times, so the caller reads them from the
// host while the marks say the period runs: <mark>.start and <mark>.end are written at
// its ends, and the program is kept alive until the caller writes <mark>.done.
int idle(const std::string& program, double settleSeconds, double measureSeconds, bool show,
         const std::string& mark) {
    PROCESS_INFORMATION pi{};
    if (!start(program, pi)) return 1;
    WaitForInputIdle(pi.hProcess, kTimeoutMs);
    Sleep(DWORD(settleSeconds * 1000));
    if (show) {
        EnumWindows(showWindows, LPARAM(pi.dwProcessId));
        Sleep(DWORD(settleSeconds * 1000));
    }
    touch(mark + ".start");
    Sleep(DWORD(measureSeconds * 1000));
    touch(mark + ".end");
    for (DWORD waited = 0; !exists(mark + ".done") && waited < kTimeoutMs; waited += 10) Sleep(10);
    StatusSearch status{pi.dwProcessId, {}};
    EnumWindows(findStatus, LPARAM(&status));
    const bool alive = WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT;
    std::printf("idle: state \"%s\"%s\n", status.text.c_str(), alive ? "" : " (the program ended)");
    stop(pi);
    return alive ? 0 : 1;
}

template <typename T>
T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? T() : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 6 && std::string(argv[1]) == "--idle")
        return idle(argv[2], std::atof(argv[3]), std::atof(argv[4]), argc > 6 && std::string(argv[6]) == "show",
                    argv[5]);
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_cost <program> <mark file> <runs>\n"
                             "       startup_cost --idle <program> <settle s> <measure s> <mark> [show]\n");
        return 2;
    }
    std::string program = argv[1], mark = argv[2];
    int runs = std::atoi(argv[3]);
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    std::vector<double> sets;

    for (int i = 0; i < runs; ++i) {
        DeleteFileA(mark.c_str());
        PROCESS_INFORMATION pi{};
        LARGE_INTEGER t0{}, t1{};
        QueryPerformanceCounter(&t0);
        if (!start(program, pi)) return 1;
        bool seen = false;
        DWORD waited = 0;
        while (!(seen = hasContent(mark)) && waited < kTimeoutMs &&
               WaitForSingleObject(pi.hProcess, 1) == WAIT_TIMEOUT)
            ++waited;
        QueryPerformanceCounter(&t1);
        PROCESS_MEMORY_COUNTERS mem{};
        mem.cb = sizeof mem;
        bool memOk = GetProcessMemoryInfo(pi.hProcess, &mem, sizeof mem) != FALSE;
        double ms = double(t1.QuadPart - t0.QuadPart) * 1000.0 / double(frequency.QuadPart);
        double kb = memOk ? double(mem.WorkingSetSize) / 1024.0 : -1;
        if (seen) {
            times.push_back(ms);
            sets.push_back(kb);
            std::printf("run %d: %.0f ms to first poll, working set %.0f KiB\n", i + 1, ms, kb);
        } else {
            std::printf("run %d: no poll seen within %lu ms\n", i + 1, kTimeoutMs);
        }
        std::fflush(stdout);
        stop(pi);
    }
    std::printf("median of %zu runs: %.0f ms to first poll, working set %.0f KiB\n", times.size(), median(times),
                median(sets));
    return times.empty() ? 1 : 0;
}
