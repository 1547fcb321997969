#pragma once
// The simulated machine: which adapters are plugged in and which networks are in range.
// A scenario comes from DefaultScenario() or from an INI text (ParseScenario):
//
//   [Driver]
//   AssociationDelay=800          ms between a fitting SSID request and the link
//   RssiJitter=2                  +- dBm of noise on every RSSI answer
//   BssidListShortStatus=BUFFER_TOO_SHORT     or INVALID_LENGTH
//   RegistryPath=SYSTEM\CurrentControlSet\Control\Class\{...}
//
//   [Adapter <anything>]          one per adapter, in enumeration order
//   Description=...               DeviceName=\DEVICE\{GUID}
//   Mac=00:A0:C5:4E:21:7B         Medium=1 (wireless LAN; another number = wired;
//   Present=1 (0: unplugged)        "none": the OID is not supported)
//   OpenFails=0                   Region=0x10      Version=1.0.3.12
//   Refuse=0x0D010206 0x00010107  OIDs the driver fails (NDIS_STATUS_FAILURE)
//   ShortReply=0x00010114:0 0x0D010101:5   OID:bytes answered with success but only
//                                 that many bytes written (the rest of the caller's
//                                 buffer untouched), as a careless driver does
//   PrivateStatus=2               word 1 of every private reply (for broken drivers)
//
//   [Network <anything>]          one per network
//   Ssid=HomeNet   Bssid=00:11:22:33:44:01   Channel=6  (or Frequency=5180000, kHz)
//   Mode=infrastructure|adhoc     Rates=b|g|a     Rssi=-48
//   Wep=off|64|128  Key=<10 or 26 hex digits>  Auth=open|shared|any
//   Hidden=0|1 (SSID not broadcast)   InRange=1|0
//
// Keys are case-insensitive; unknown keys and malformed values are ignored (the
// field keeps its default).

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

struct SimNetwork {
    std::string ssid;
    uint8_t bssid[6] = {};
    uint32_t frequencyKHz = 2437000;
    bool adhoc = false;
    char rates = 'g';                // 'b' (11 Mbps), 'g' or 'a' (54 Mbps)
    int32_t rssi = -60;
    std::vector<uint8_t> wepKey;     // empty: open network; else 5 or 13 bytes
    enum class Auth { Open, Shared, Any } auth = Auth::Any;
    bool hidden = false;
    bool inRange = true;
};

struct SimAdapterConfig {
    std::string description;
    std::string deviceName;
    uint8_t mac[6] = {};
    bool mediumSupported = true;
    uint32_t medium = 1;             // answer to OID_GEN_PHYSICAL_MEDIUM
    bool present = true;
    bool openFails = false;
    uint32_t region = 0x10;
    uint32_t version[4] = {1, 0, 0, 0};
    std::set<uint32_t> refusedOids;
    std::map<uint32_t, uint32_t> shortReplies;  // OID -> bytes written on success
    uint32_t privateStatus = 2;      // word 1 of replies to known commands

    bool wireless() const { return mediumSupported && medium == 1; }
};

struct SimScenario {
    uint32_t associationDelayMs = 800;
    int32_t rssiJitter = 2;
    uint32_t bssidListShortStatus = 0xC0010016;  // NDIS_STATUS_BUFFER_TOO_SHORT
    std::string registryPath = "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}";
    std::vector<SimAdapterConfig> adapters;
    std::vector<SimNetwork> networks;
};

// Description of the product's own adapter, as the enumeration reports it.
constexpr const char* kSimProductDescription = "Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter";

// A machine with the product's adapter and a wired card, and a handful of networks:
// open and WEP (64 and 128 bit), b-only and g, an ad-hoc network, a hidden SSID, a
// 5 GHz one, and the open "vexa" that the factory settings join.
SimScenario DefaultScenario();

// Reads an INI text into `out` (which starts empty of adapters and networks, with the
// [Driver] defaults). Never fails; malformed lines are skipped.
SimScenario ParseScenario(const std::string& iniText);
