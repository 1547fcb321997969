#pragma once
// SimAdapterLibrary: the simulated adapter library in-process. Host tests (and other
// subsystems' tests) use it in place of W32N50.dll; the DLL itself is a thin shell over
// the same class.
//
//   FakeDesktop desktop;
//   SimAdapterLibrary sim;                       // built-in default scenario
//   sim.SetClock([&] { return desktop.now; });   // association delay follows the test clock
//   AdapterContext context(sim, desktop);
//   QAdapterList list(context);
//   ... list.GetAt(0)->SetInformation(OID_802_11_SSID, &ssid, 36, &needed) ...
//   sim.RequestLog()   // every request, in order
//
// Scenario: SetScenario(ParseScenario(text)) or SetScenarioFile(path), which is read
// at once and re-read whenever the file changes (checked when an enumeration or an
// adapter is opened, and at most every 250 ms of the clock during requests).

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "adapter/adapter_library.h"
#include "sim/sim_driver.h"
#include "sim/sim_scenario_file.h"

struct SimRequestLogEntry {
    std::string deviceName;
    uint32_t type = 0;            // 0 query, 1 set
    uint32_t oid = 0;
    uint32_t length = 0;
    // Set: every byte handed over. Query: the buffer as handed in, at most the first
    // kSimLogQueryBytes bytes (enough for the private packet's header and command).
    std::vector<uint8_t> bytes;
    uint32_t status = 0;
};
constexpr uint32_t kSimLogQueryBytes = 64;

// One log line: "Q|S <deviceName> <oid:8 hex> <length> <status:8 hex> <bytes hex>".
std::string FormatLogLine(const SimRequestLogEntry& entry);

class SimAdapterLibrary : public AdapterLibrary {
public:
    explicit SimAdapterLibrary(SimScenario scenario = DefaultScenario());
    ~SimAdapterLibrary() override;

    // ---- Test controls ----
    void SetScenario(const SimScenario& scenario) { driver_.SetScenario(scenario); }
    void SetScenarioFile(const std::string& path);
    SimDriver& Driver() { return driver_; }
    // Time for association delays and traffic, in ms. By default a manual clock that
    // starts at 0 and moves only with AdvanceClock, so tests never wait.
    void SetClock(std::function<uint32_t()> clock) { clock_ = std::move(clock); }
    void AdvanceClock(uint32_t ms) { manualNow_ += ms; }
    // Every request, in order; cleared by ClearRequestLog.
    const std::vector<SimRequestLogEntry>& RequestLog() const { return log_; }
    void ClearRequestLog() { log_.clear(); }
    // Also append each request as a line to this file ("" = no file).
    void SetLogFile(const std::string& path) { logFile_ = path; }
    // Whether the request log and event names are kept in memory. Tests read them; the
    // DLL inside a program that runs all day must not let them grow without end.
    void KeepHistory(bool keep) { keepHistory_ = keep; }
    // Events: how many were made and closed, with their names ("" for unnamed).
    int EventsCreated() const { return eventsCreated_; }
    int EventsClosed() const { return eventsClosed_; }
    int EventsOpen() const { return static_cast<int>(events_.size()); }
    const std::vector<std::string>& EventNames() const { return eventNames_; }
    // The next `count` event creations fail.
    void FailNextEvents(int count) { failEvents_ = count; }
    int AdaptersOpen() const { return static_cast<int>(adapters_.size()); }
    int OpenAdapterCalls() const { return openCalls_; }

    // ---- AdapterLibrary ----
    LibHandle OpenEnumeration9x(uint32_t flags) override;
    LibHandle OpenEnumerationNt() override;
    void CloseEnumeration(LibHandle enumeration) override;
    LibHandle FirstEntry(LibHandle enumeration) override;
    LibHandle NextEntry(LibHandle enumeration) override;
    void ReleaseEntry(LibHandle entry) override;
    uint32_t EntryDescription(LibHandle entry, char* buffer, uint32_t* length) override;
    uint32_t EntryDeviceName(LibHandle entry, char* buffer, uint32_t* length) override;
    LibHandle OpenAdapter(const std::string& deviceName) override;
    void CloseAdapter(LibHandle adapter) override;
    uint32_t MakeNdisRequest(LibHandle adapter, NdisRequest& request, EventHandle event) override;
    std::string GetNetCardRegistryPath() override;
    EventHandle CreateSignalEvent(const std::string& name) override;
    void ResetSignalEvent(EventHandle event) override;
    void CloseSignalEvent(EventHandle event) override;

    // Which enumeration variant was opened last: 49 or 50 (0 none yet).
    uint32_t LastEnumerationOrdinal() const { return lastEnumOrdinal_; }
    uint32_t LastEnumerationFlags() const { return lastEnumFlags_; }

private:
    struct Enumeration {
        std::vector<std::pair<std::string, std::string>> adapters;  // (description, device name) when opened
        size_t next = 0;
    };
    LibHandle NewHandle();
    uint32_t Now() const;
    void CheckScenarioFile(bool force);
    uint32_t CopyText(const std::string& text, char* buffer, uint32_t* length) const;
    void Log(const SimRequestLogEntry& entry);

    SimDriver driver_;
    std::function<uint32_t()> clock_;
    uint32_t manualNow_ = 0;
    SimScenarioFile scenarioFile_;
    uint32_t lastFileCheck_ = 0;
    bool fileChecked_ = false;
    std::vector<SimRequestLogEntry> log_;
    bool keepHistory_ = true;
    std::string logFile_;
    std::map<LibHandle, Enumeration> enumerations_;
    std::map<LibHandle, std::pair<std::string, std::string>> entries_;  // entry -> (description, device name)
    std::map<LibHandle, std::string> adapters_;  // open adapter -> device name
    std::map<EventHandle, std::string> events_;
    std::vector<std::string> eventNames_;
    LibHandle nextHandle_ = 0x100;
    EventHandle nextEvent_ = 0x10;
    int eventsCreated_ = 0, eventsClosed_ = 0, failEvents_ = 0, openCalls_ = 0;
    uint32_t lastEnumOrdinal_ = 0, lastEnumFlags_ = 0;
};
