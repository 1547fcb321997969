#include "adapter/ndis_queries.h"

#include <cstring>
#include <memory>
#include <new>

#include "adapter/q_adapter_info.h"

namespace {

// Success with fewer than `minimum` bytes written is a failed query.
template <typename T>
bool QueryRecord(QAdapterInfo& adapter, uint32_t oid, T& out, uint32_t minimum = sizeof(T)) {
    T value{};
    uint32_t needed = 0;
    uint32_t written = 0;
    if (!adapter.QueryInformation(oid, &value, sizeof value, &needed, &written)) return false;
    if (written < minimum) return false;
    out = value;
    return true;
}

}  // namespace

bool QueryU32(QAdapterInfo& adapter, uint32_t oid, uint32_t& out) { return QueryRecord(adapter, oid, out); }

bool QueryI32(QAdapterInfo& adapter, uint32_t oid, int32_t& out) {
    uint32_t value = 0;
    if (!QueryU32(adapter, oid, value)) return false;
    out = static_cast<int32_t>(value);
    return true;
}

bool QueryAddress(QAdapterInfo& adapter, uint32_t oid, uint8_t (&out)[8]) {
    struct Address {
        uint8_t bytes[8];
    } address;
    constexpr uint32_t kAddressBytes = 6;
    if (!QueryRecord(adapter, oid, address, kAddressBytes)) return false;
    std::memcpy(out, address.bytes, sizeof out);
    return true;
}

bool QuerySsid(QAdapterInfo& adapter, NDIS_802_11_SSID& out) { return QueryRecord(adapter, OID_802_11_SSID, out); }

bool QueryConfiguration(QAdapterInfo& adapter, NDIS_802_11_CONFIGURATION& out) {
    NDIS_802_11_CONFIGURATION record{};
    if (!QueryRecord(adapter, OID_802_11_CONFIGURATION, record)) return false;
    // The record goes back to the driver with a changed channel: its length must say
    // what we send, whatever the driver put there.
    record.Length = sizeof record;
    out = record;
    return true;
}

bool QueryBssidList(QAdapterInfo& adapter, std::vector<uint8_t>& out) {
    uint32_t probe = 0;
    uint32_t needed = 0;
    uint32_t written = 0;
    if (!adapter.QueryInformation(OID_802_11_BSSID_LIST, &probe, sizeof probe, &needed, &written)) return false;
    // A list that fits the probe (no networks) is already all there is. A driver that
    // counts entries yet names no size for them has given us nothing to read.
    if (needed <= sizeof probe) {
        if (written < NDIS_802_11_BSSID_LIST_HEADER_SIZE || probe != 0) return false;
        out.assign(reinterpret_cast<const uint8_t*>(&probe), reinterpret_cast<const uint8_t*>(&probe) + sizeof probe);
        return true;
    }
    if (needed > kMaxBssidListBytes) return false;

    std::unique_ptr<uint8_t[]> list(new (std::nothrow) uint8_t[needed]());
    if (!list) return false;
    written = 0;
    uint32_t again = 0;
    if (!adapter.QueryInformation(OID_802_11_BSSID_LIST, list.get(), needed, &again, &written)) return false;
    // A list that grew since the first query comes back "too short" with nothing written.
    if (written < NDIS_802_11_BSSID_LIST_HEADER_SIZE) return false;
    if (written > needed) written = needed;
    out.assign(list.get(), list.get() + written);
    return true;
}
