#include "adapter/ndis_sets.h"

#include <cstring>

#include "adapter/ndis_queries.h"
#include "adapter/q_adapter_info.h"

namespace {

template <typename T>
bool SetRecord(QAdapterInfo& adapter, uint32_t oid, const T& record) {
    uint32_t needed = 0;
    return adapter.SetInformation(oid, &record, sizeof record, &needed);
}

}  // namespace

bool SetU32(QAdapterInfo& adapter, uint32_t oid, uint32_t value) { return SetRecord(adapter, oid, value); }

bool SetSsid(QAdapterInfo& adapter, const std::string& text) {
    NDIS_802_11_SSID record{};
    // A name longer than the record holds (a hand-edited profile) is cut to its 32 bytes.
    const size_t n = text.size() < NDIS_802_11_MAX_SSID ? text.size() : NDIS_802_11_MAX_SSID;
    record.SsidLength = static_cast<uint32_t>(n);
    std::memcpy(record.Ssid, text.data(), n);
    return SetRecord(adapter, OID_802_11_SSID, record);
}

bool SetConfiguration(QAdapterInfo& adapter, const NDIS_802_11_CONFIGURATION& record) {
    return SetRecord(adapter, OID_802_11_CONFIGURATION, record);
}

bool SetChannel(QAdapterInfo& adapter, int channel) {
    NDIS_802_11_CONFIGURATION config{};
    if (!QueryConfiguration(adapter, config)) return false;
    const uint32_t frequency = ChannelToFrequency(channel);
    if (frequency != 0) config.DSConfig = frequency;
    return SetConfiguration(adapter, config);
}

bool AddWep(QAdapterInfo& adapter, uint32_t keyIndex, const std::vector<uint8_t>& key) {
    if (key.size() != kWepKey64Bytes && key.size() != kWepKey128Bytes) return false;
    NDIS_802_11_WEP_HEADER header{};
    header.Length = NDIS_802_11_WEP_HEADER_SIZE + static_cast<uint32_t>(key.size());
    header.KeyIndex = keyIndex;
    header.KeyLength = static_cast<uint32_t>(key.size());
    uint8_t record[NDIS_802_11_WEP_HEADER_SIZE + kWepKey128Bytes] = {};
    std::memcpy(record, &header, sizeof header);
    std::memcpy(record + NDIS_802_11_WEP_HEADER_SIZE, key.data(), key.size());
    uint32_t needed = 0;
    return adapter.SetInformation(OID_802_11_ADD_WEP, record, header.Length, &needed);
}

bool StartScan(QAdapterInfo& adapter) {
    // The driver reads nothing; a zeroed value stands behind the buffer address all the same.
    const uint32_t none = 0;
    uint32_t needed = 0;
    return adapter.SetInformation(OID_802_11_BSSID_LIST_SCAN, &none, 0, &needed);
}
