#pragma once
// The driver's list of the networks it hears (NDIS_802_11_BSSID_LIST), read into plain
// entries, and the rows the site survey shows for them.
//
// The list comes from the driver, so nothing in it is trusted: the walk stays inside the
// bytes it is given, stops at the first entry that does not fit (an entry Length of 0 or
// below the fixed entry, or one that runs past the end, or a NumberOfItems beyond what
// the bytes hold) and keeps the entries before it; an SSID is never read past its 32
// bytes, whatever SsidLength claims.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "adapter/ndis_queries.h"

struct BssidEntry {
    uint8_t mac[6] = {};
    // SsidLength bytes, at most 32, up to a zero byte. Empty for a hidden network (no
    // SSID given, or one that begins with a zero byte).
    std::string ssid;
    uint32_t privacy = 0;
    int32_t rssi = 0;
    uint32_t dsConfig = 0;       // kHz
    uint32_t infrastructureMode = 0;
    uint8_t supportedRates[8] = {};
};

std::vector<BssidEntry> WalkBssidList(const uint8_t* bytes, size_t size);

// Column texts of the network list, in column order.
enum NetworkColumn { kColumnBssid, kColumnSsid, kColumnWep, kColumnAp, kColumnChannel, kColumnStrength,
                     kNetworkColumnCount };

struct NetworkRow {
    BssidEntry network;               // what the row was made from
    int image = 0;
    std::vector<std::string> cells;   // kNetworkColumnCount texts
};

// The row of one entry. `associatedBssid` is the current BSSID text of the adapter
// ("00-11-22-33-44-55"), which marks the network the adapter is on.
NetworkRow MakeNetworkRow(const BssidEntry& entry, const std::string& associatedBssid);

// Every row of a list, in the driver's order; hidden networks get none.
std::vector<NetworkRow> NetworkRowsFromList(const uint8_t* bytes, size_t size, const std::string& associatedBssid);

// The adapter's list itself is read by QueryBssidList (adapter/ndis_queries.h): exactly
// the bytes the driver wrote, or a failed query.
