// startup_cost.exe <program> <mark file> <runs>: starts the program <runs> times and
// reports, per run, the time from CreateProcess to the first poll (the moment the mark
// file first has content) and the program's working set at that moment; then the
// medians. For Lumora the mark file is the simulator's request log (LUMORA_SIM_LOG): its
// first line is the first poll's probe of the adapter. For bare_dialog.exe it is the file
// its first timer tick writes (BARE_DIALOG_MARK). Not a test: a measurement.
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

template <typename T>
T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? T() : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_cost <program> <mark file> <runs>\n");
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
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        std::vector<char> line(program.begin(), program.end());
        line.push_back('\0');
        LARGE_INTEGER t0{}, t1{};
        QueryPerformanceCounter(&t0);
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
            std::fprintf(stderr, "cannot start %s\n", program.c_str());
            return 1;
        }
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
        EnumWindows(closeWindows, LPARAM(pi.dwProcessId));
        if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
        WaitForSingleObject(pi.hProcess, 10000);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    std::printf("median of %zu runs: %.0f ms to first poll, working set %.0f KiB\n", times.size(), median(times),
                median(sets));
    return times.empty() ? 1 : 0;
}
