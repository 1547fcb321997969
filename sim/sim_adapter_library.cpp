#include "sim/sim_adapter_library.h"

#include <cstdio>
#include <cstring>
#include <fstream>

#include "adapter/ndis.h"

namespace {
constexpr uint32_t kErrorInvalidParameter = 87;
constexpr uint32_t kErrorInsufficientBuffer = 122;
constexpr uint32_t kScenarioCheckIntervalMs = 250;
const char kHex[] = "0123456789ABCDEF";
}  // namespace

std::string FormatLogLine(const SimRequestLogEntry& e) {
    char head[64];
    std::snprintf(head, sizeof head, " %08X %u %08X ", e.oid, e.length, e.status);
    std::string line = e.type == NdisRequestSetInformation ? "S " : "Q ";
    line += e.deviceName.empty() ? std::string("-") : e.deviceName;
    line += head;
    for (uint8_t b : e.bytes) {
        line += kHex[b >> 4];
        line += kHex[b & 15];
    }
    return line;
}

SimAdapterLibrary::SimAdapterLibrary(SimScenario scenario) : driver_(std::move(scenario)) {}

SimAdapterLibrary::~SimAdapterLibrary() = default;

uint32_t SimAdapterLibrary::Now() const { return clock_ ? clock_() : manualNow_; }

void SimAdapterLibrary::SetScenarioFile(const std::string& path) {
    scenarioFile_.SetPath(path);
    CheckScenarioFile(true);
}

void SimAdapterLibrary::CheckScenarioFile(bool force) {
    if (scenarioFile_.Path().empty()) return;
    const uint32_t now = Now();
    if (!force && fileChecked_ && now - lastFileCheck_ < kScenarioCheckIntervalMs) return;
    fileChecked_ = true;
    lastFileCheck_ = now;
    SimScenario scenario;
    if (scenarioFile_.Poll(scenario)) driver_.SetScenario(scenario);
}

LibHandle SimAdapterLibrary::NewHandle() {
    LibHandle h = nextHandle_++;
    if (nextHandle_ == kNoHandle) nextHandle_ = 0x100;
    return h;
}

LibHandle SimAdapterLibrary::OpenEnumeration9x(uint32_t flags) {
    lastEnumOrdinal_ = 49;
    lastEnumFlags_ = flags;
    CheckScenarioFile(true);
    Enumeration e;
    for (const auto& a : driver_.Scenario().adapters)
        if (a.present) e.adapters.emplace_back(a.description, a.deviceName);
    const LibHandle h = NewHandle();
    enumerations_[h] = std::move(e);
    return h;
}

LibHandle SimAdapterLibrary::OpenEnumerationNt() {
    const LibHandle h = OpenEnumeration9x(0);
    lastEnumOrdinal_ = 50;
    return h;
}

void SimAdapterLibrary::CloseEnumeration(LibHandle enumeration) { enumerations_.erase(enumeration); }

LibHandle SimAdapterLibrary::FirstEntry(LibHandle enumeration) {
    auto it = enumerations_.find(enumeration);
    if (it == enumerations_.end()) return kNoHandle;
    it->second.next = 0;
    return NextEntry(enumeration);
}

LibHandle SimAdapterLibrary::NextEntry(LibHandle enumeration) {
    auto it = enumerations_.find(enumeration);
    if (it == enumerations_.end() || it->second.next >= it->second.adapters.size()) return kNoHandle;
    const LibHandle h = NewHandle();
    entries_[h] = it->second.adapters[it->second.next++];
    return h;
}

void SimAdapterLibrary::ReleaseEntry(LibHandle entry) { entries_.erase(entry); }

uint32_t SimAdapterLibrary::CopyText(const std::string& text, char* buffer, uint32_t* length) const {
    if (!buffer || !length) return kErrorInvalidParameter;
    const uint32_t size = static_cast<uint32_t>(text.size());
    if (size + 1 > *length) {
        *length = size + 1;
        return kErrorInsufficientBuffer;
    }
    std::memcpy(buffer, text.c_str(), size + 1);
    *length = size;
    return 0;
}

uint32_t SimAdapterLibrary::EntryDescription(LibHandle entry, char* buffer, uint32_t* length) {
    auto it = entries_.find(entry);
    if (it == entries_.end()) return kErrorInvalidParameter;
    return CopyText(it->second.first, buffer, length);
}

uint32_t SimAdapterLibrary::EntryDeviceName(LibHandle entry, char* buffer, uint32_t* length) {
    auto it = entries_.find(entry);
    if (it == entries_.end()) return kErrorInvalidParameter;
    return CopyText(it->second.second, buffer, length);
}

LibHandle SimAdapterLibrary::OpenAdapter(const std::string& deviceName) {
    ++openCalls_;
    CheckScenarioFile(true);
    const SimAdapterConfig* cfg = driver_.AdapterConfig(deviceName);
    if (!cfg || cfg->openFails) return kNoHandle;
    const LibHandle h = NewHandle();
    adapters_[h] = deviceName;
    return h;
}

void SimAdapterLibrary::CloseAdapter(LibHandle adapter) { adapters_.erase(adapter); }

uint32_t SimAdapterLibrary::MakeNdisRequest(LibHandle adapter, NdisRequest& request, EventHandle) {
    CheckScenarioFile(false);
    SimRequestLogEntry entry;
    entry.type = request.requestType;
    entry.oid = request.oid;
    entry.length = request.bufferLength;
    const uint8_t* in = static_cast<const uint8_t*>(request.buffer);
    if (in) {
        uint32_t keep = request.bufferLength;
        if (request.requestType != NdisRequestSetInformation && keep > kSimLogQueryBytes) keep = kSimLogQueryBytes;
        entry.bytes.assign(in, in + keep);
    }
    request.bytesWritten = 0;
    request.bytesNeeded = 0;

    auto it = adapters_.find(adapter);
    if (it == adapters_.end()) {
        entry.status = NDIS_STATUS_FAILURE;  // not an open adapter of ours
    } else {
        entry.deviceName = it->second;
        entry.status = driver_.Request(it->second, request.requestType, request.oid,
                                       static_cast<uint8_t*>(request.buffer), request.bufferLength,
                                       request.bytesWritten, request.bytesNeeded, Now());
    }
    Log(entry);
    return entry.status;
}

void SimAdapterLibrary::Log(const SimRequestLogEntry& entry) {
    if (keepHistory_) log_.push_back(entry);
    if (logFile_.empty()) return;
    std::ofstream out(logFile_, std::ios::app);
    if (out) out << FormatLogLine(entry) << '\n';
}

std::string SimAdapterLibrary::GetNetCardRegistryPath() { return driver_.Scenario().registryPath; }

EventHandle SimAdapterLibrary::CreateSignalEvent(const std::string& name) {
    if (failEvents_ > 0) {
        --failEvents_;
        return 0;
    }
    const EventHandle e = nextEvent_++;
    events_[e] = name;
    if (keepHistory_) eventNames_.push_back(name);
    ++eventsCreated_;
    return e;
}

void SimAdapterLibrary::ResetSignalEvent(EventHandle) {}

void SimAdapterLibrary::CloseSignalEvent(EventHandle event) {
    if (events_.erase(event)) ++eventsClosed_;
}
