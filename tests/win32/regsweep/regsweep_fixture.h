#pragma once
// Helpers for running the built Regsweep.exe against Wine's registry.
#include <windows.h>

#include <set>
#include <string>

namespace regsweep_e2e {

constexpr char kUninstall[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
constexpr char kCcs[] = "SYSTEM\\CurrentControlSet\\";
constexpr char kClassNet[] = "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\";
constexpr char kNetwork[] = "SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\";
constexpr char kDescriptions[] =
    "SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\Descriptions";

void SetString(const std::string& path, const std::string& name, const std::string& value);
bool KeyExists(const std::string& path);
bool ValueExists(const std::string& path, const std::string& name);
void DeleteTree(const std::string& path);
// Every key below path, as full paths, for before/after comparisons.
std::set<std::string> KeysBelow(const std::string& path);

// Regsweep.exe beside the test program.
std::string ProgramPath();

struct RunResult {
    bool started = false;
    bool finished = false;
    DWORD exitCode = 0;
    bool sawVisibleWindow = false;
};

// Starts Regsweep.exe (beside the test) with the given arguments and waits up to
// waitMs for it to end, watching whether a window titled "Regsweep" shows.
RunResult RunRegsweep(const std::string& arguments, DWORD waitMs);

// For runs that keep a window open: start, then hand back the process.
bool StartRegsweep(const std::string& arguments, PROCESS_INFORMATION* process);
// Waits up to waitMs for a visible top-level window of the process with that title.
HWND WaitForWindow(DWORD processId, const char* title, DWORD waitMs);
std::string ControlText(HWND dialog, int id);

}  // namespace regsweep_e2e
