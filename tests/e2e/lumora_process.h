#pragma once
// Starting Lumora.exe under test and finding its windows. Every wait is bounded: a hung
// program fails the test instead of hanging the run.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "resources/resource_ids.h"

namespace lumora_e2e {

// The main window looks for the adapter this often.
constexpr DWORD kOnePoll = 2500;

// A generous bound for things that normally take well under a second under Wine.
constexpr DWORD kWaitMs = 20000;

// Polls `done` every 50 ms until it returns true or `ms` have passed.
bool WaitFor(const std::function<bool()>& done, DWORD ms = kWaitMs);

class LumoraProcess {
public:
    LumoraProcess() = default;
    ~LumoraProcess();   // ends the process if a test left it running
    LumoraProcess(const LumoraProcess&) = delete;
    LumoraProcess& operator=(const LumoraProcess&) = delete;

    bool Start(const std::string& exePath);
    bool Running() const;
    // Waits for the process to end; false on time-out.
    bool WaitForExit(DWORD ms = kWaitMs);
    DWORD Id() const { return info_.dwProcessId; }
    void Kill();

private:
    PROCESS_INFORMATION info_{};
};

// The invisible window that receives the process's tray icon messages, or null.
HWND TrayWindowOf(DWORD processId);
// The process's top-level window whose title is `title` (hidden ones too), or null.
HWND FindProcessWindow(DWORD processId, const std::string& title);
// The page host's current page index in the main window; -1 when it does not answer
// (bounded: a hung program fails the step instead of hanging the run).
int CurrentPage(HWND mainWindow);
// The first page of the main window's page host that `is` picks, or null.
HWND FindPage(HWND mainWindow, const std::function<bool(HWND)>& is);
// The page that carries control `id`, or null.
HWND PageWith(HWND mainWindow, int id);
// The text of a window of any process, asked by message; empty when it does not answer.
std::string WindowText(HWND window);
// The text of control `id` of `page`; empty when it does not answer.
std::string ControlText(HWND page, int id);
// Real left clicks through the system's input queue: at a point, or in the middle of a control.
bool ClickAt(int x, int y, int times = 1);
bool Click(HWND control);
// A top-level dialog of the process that has a child whose text is `text`, or null.
HWND FindDialogWithText(DWORD processId, const std::string& text);

// Registry helpers below HKEY_CURRENT_USER\Software\Vexa\Lumora.
std::string ReadSetting(const std::string& section, const std::string& name,
                        const std::string& fallback = "<missing>");
void WriteSetting(const std::string& section, const std::string& name, const std::string& value);
void RemoveAllSettings();
// An open infrastructure profile for `ssid` on channel 6, followed in the chain by `next`.
void WriteOpenProfile(const std::string& name, const std::string& ssid, const std::string& next);

// Full path of a file in the temporary folder.
std::string TempPath(const char* name);

// Full path of a file in this test program's own folder (bin/, where everything lands).
std::string BesideThisProgram(const std::string& file);

bool WriteTextFile(const std::string& path, const std::string& text);

// The simulated library's request log of the programs under test (LUMORA_SIM_LOG), read
// while they run: a step waits for the request it needs to have happened instead of
// sleeping for as long as that usually takes.
class RequestLog {
public:
    // Names an empty log at `path` for the programs started from now on.
    explicit RequestLog(const std::string& path);
    ~RequestLog();
    RequestLog(const RequestLog&) = delete;
    RequestLog& operator=(const RequestLog&) = delete;

    // Later waits look only at what is logged after this point.
    void Mark();
    // True as soon as a line after the mark begins with `prefix`; false after `ms`.
    bool WaitForLine(const std::string& prefix, DWORD ms = kWaitMs) { return WaitForLines(prefix, 1, ms); }
    // True as soon as `count` lines after the mark begin with `prefix`; false after `ms`.
    bool WaitForLines(const std::string& prefix, size_t count, DWORD ms = kWaitMs);
    // The OIDs of the set requests logged after the mark, in order ("0D010102", ...).
    std::vector<std::string> SetOidsSinceMark() const;

private:
    std::string Text() const;

    std::string path_;
    size_t mark_ = 0;
};

// The product adapter answering its SSID query: the main window's poll has probed it and
// takes it as the current adapter in the same step.
std::string ProductFoundLine();
// The product adapter reporting its medium connected: the link monitor has seen the link.
std::string LinkUpLine();
// The link-speed query that every tick of the link monitor makes, and nothing else.
std::string MonitorTickLine();

}  // namespace lumora_e2e
