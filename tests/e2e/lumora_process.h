#pragma once
// Starting Lumora.exe under test and finding its windows. Every wait is bounded: a hung
// program fails the test instead of hanging the run.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_pages.h"
#include "resources/resource_ids.h"

namespace lumora_e2e {

// The main window's title.
constexpr char kMainTitle[] = "Vexa Nimbeo(TM) Wireless USB Adapter Utility";

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
// The page on show: the visible child dialog of the page host, or null.
HWND VisiblePage(HWND mainWindow);
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
    struct Set {
        std::string oid;     // 8 upper-case hex digits ("0D010102")
        std::string bytes;   // upper-case hex, in the order sent
    };
    // The set requests logged after the mark, in order.
    std::vector<Set> SetsSinceMark() const;
    std::vector<std::string> SetOidsSinceMark() const;

private:
    std::string Text() const;

    std::string path_;
    size_t mark_ = 0;
};

// A request about the product adapter as the log shows it: 'Q' (query) or 'S' (set),
// then the OID in hex and what follows it (length, status, bytes).
std::string ProductLine(char kind, const std::string& request);
// The product adapter answering its SSID query: the main window's poll has probed it and
// takes it as the current adapter in the same step.
std::string ProductFoundLine();
// The link-speed query that every tick of the link monitor makes, and nothing else.
std::string MonitorTickLine();

// One run of Lumora.exe under test, shared by the steps of a suite: the machine the
// simulator reads (a scenario file the test may rewrite while the program runs), the
// request log, the process and its main window. Files live in the temporary folder,
// named after the suite.
class LumoraRun {
public:
    explicit LumoraRun(const std::string& name);
    ~LumoraRun();   // ends a program still running, deletes the scenario file
    LumoraRun(const LumoraRun&) = delete;
    LumoraRun& operator=(const LumoraRun&) = delete;

    // Replaces the scenario file whole: the simulator never reads it half written.
    bool WriteScenario(const std::string& text) const;
    // Starts the program (a run still going is ended first) and waits for its main window.
    bool Start();
    // Waits until a poll of this run has chosen the product adapter.
    bool WaitForAdapter(DWORD ms = kWaitMs) { return log.WaitForLine(ProductFoundLine(), ms); }
    // Exit from the tray menu; a program that does not end is killed.
    void Exit();
    bool Running() const { return process_ && process_->Running(); }
    bool WaitForExit() { return process_ && process_->WaitForExit(); }
    DWORD Id() const { return process_ ? process_->Id() : 0; }

    void Command(WPARAM id) const { PostMessageA(main, WM_COMMAND, id, 0); }
    // The command sent rather than posted: back once the program has carried it out.
    bool SendCommand(WPARAM id) const;
    bool Shown() const { return IsWindowVisible(main) != FALSE; }
    int CurrentPage() const { return lumora_e2e::CurrentPage(main); }
    // Sends a header (or wizard) command and waits until the host shows page `index`.
    bool ShowPage(WPARAM command, int index) const {
        Command(command);
        return WaitFor([&] { return CurrentPage() == index; });
    }

    // The link journal on the Link Info page, newest line first.
    std::string Journal() const { return ControlText(PageWith(main, IDC_LINK_JOURNAL), IDC_LINK_JOURNAL); }
    // True once the journal's newest line begins with `text` (after its time of day).
    bool JournalStartsWith(const std::string& text) const;
    // Waits until the link monitor has seen the link come up: the journal, changed since
    // it read `before`, says so in its newest line. (The request log shows what was asked,
    // not what the driver answered.)
    bool WaitForLinkUp(const std::string& before = "", DWORD ms = kWaitMs) const {
        return WaitFor([&] { return Journal() != before && JournalStartsWith("Link up: "); }, ms);
    }

    const std::string scenarioPath;
    RequestLog log;
    HWND main = nullptr;

private:
    std::unique_ptr<LumoraProcess> process_;
};


}  // namespace lumora_e2e
