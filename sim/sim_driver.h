#pragma once
// SimDriver: the simulated miniport driver of every adapter of a scenario. It answers
// NDIS requests with NDIS 5.1 records, associates with networks that fit the requested
// settings after the scenario's delay, counts traffic while associated and answers the
// private command channel. Time is handed in by the caller (milliseconds, any origin).

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "sim/sim_prng.h"
#include "sim/sim_scenario.h"

// What the driver remembers of one adapter between requests.
struct SimAdapterState {
    // Settings the program made.
    uint32_t infrastructureMode = 1;
    uint32_t authMode = 0;
    uint32_t wepStatus = 1;              // disabled
    uint32_t privacyFilter = 0;
    std::vector<uint8_t> keys[4];
    int transmitKey = -1;                // slot of the transmit key, -1 none
    uint32_t adhocFrequencyKHz = 2457000;
    bool ssidRequested = false;
    std::string requestedSsid;

    // Link.
    bool associated = false;
    bool ownIbss = false;                // we started the IBSS ourselves
    std::string linkSsid;
    uint8_t linkBssid[6] = {};
    uint32_t linkFrequencyKHz = 0;
    int32_t linkRssi = 0;
    uint32_t linkSpeed = 0;              // units of 100 bit/s
    bool matchPending = false;           // a fitting network has been seen...
    uint32_t matchSince = 0;             // ...since this time

    // Traffic.
    uint32_t xmitOk = 0, rcvOk = 0, txBytes = 0, rxBytes = 0;
    uint32_t lastTrafficTick = 0;
    bool trafficClockSet = false;
};

class SimDriver {
public:
    explicit SimDriver(SimScenario scenario = DefaultScenario());

    // Replaces the scenario. Adapters that stay plugged in keep their state by device
    // name (a link whose network left the range or changed drops at the next request);
    // an adapter that is absent or unplugged loses it.
    void SetScenario(const SimScenario& scenario);
    const SimScenario& Scenario() const { return scenario_; }

    // Index of the adapter with this device name that is plugged in, or -1.
    int FindPresentAdapter(const std::string& deviceName) const;
    // Device names of the plugged-in adapters, in enumeration order.
    std::vector<std::string> PresentDeviceNames() const;
    const SimAdapterConfig* AdapterConfig(const std::string& deviceName) const;
    // State of an adapter (null before its first request).
    const SimAdapterState* AdapterState(const std::string& deviceName) const;

    // One NDIS request on an adapter. `buffer` holds `length` bytes (may be null when
    // length is 0). Fills written (bytes written or read) and needed. Returns the status.
    uint32_t Request(const std::string& deviceName, uint32_t type, uint32_t oid, uint8_t* buffer,
                     uint32_t length, uint32_t& written, uint32_t& needed, uint32_t now);

    // Brings the adapter's link and counters up to `now` (every request does this first).
    void Advance(const std::string& deviceName, uint32_t now);

private:
    uint32_t Query(const SimAdapterConfig& cfg, SimAdapterState& st, uint32_t oid, uint8_t* buffer,
                   uint32_t length, uint32_t& written, uint32_t& needed);
    uint32_t Set(const SimAdapterConfig& cfg, SimAdapterState& st, uint32_t oid, const uint8_t* buffer,
                 uint32_t length, uint32_t& read, uint32_t& needed);
    uint32_t Private(const SimAdapterConfig& cfg, SimAdapterState& st, uint8_t* buffer, uint32_t length,
                     uint32_t& written, uint32_t& needed);
    void Associate(const SimAdapterConfig& cfg, SimAdapterState& st, uint32_t now);
    void Traffic(const SimAdapterConfig& cfg, SimAdapterState& st, uint32_t now);
    const SimNetwork* FindFittingNetwork(const SimAdapterState& st) const;
    bool LinkStillFits(const SimAdapterState& st) const;
    std::vector<uint8_t> BuildBssidList(SimAdapterState& st);
    int32_t Jitter(int32_t rssi);
    void Drop(SimAdapterState& st);

    SimScenario scenario_;
    std::map<std::string, SimAdapterState> states_;
    SimPrng prng_;
};
