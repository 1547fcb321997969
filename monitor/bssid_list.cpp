#include "monitor/bssid_list.h"

#include <cstdio>
#include <cstring>

#include "adapter/ndis.h"
#include "adapter/q_adapter_info.h"
#include "kit/link_display.h"
#include "resources/resource_ids.h"

namespace {

uint32_t ReadLe32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

constexpr uint8_t kBasicRate1Mbps = 0x82;   // 1 Mbit/s, flagged basic: an 802.11b cell

int NetworkImage(const BssidEntry& e, const std::string& mac, const std::string& associatedBssid) {
    if (mac == associatedBssid)
        return e.infrastructureMode == Ndis802_11Infrastructure ? NETIMG_AP_CONNECTED : NETIMG_ADHOC_CONNECTED;
    if (e.infrastructureMode == Ndis802_11IBSS) return NETIMG_ADHOC;
    // Eight or more rates take an OFDM rate set, so a g network; b-only cells start with
    // the basic 1 Mbit/s rate. Anything else is still an access point.
    if (e.supportedRates[7] != 0) return NETIMG_AP_G;
    if (e.supportedRates[0] == kBasicRate1Mbps) return NETIMG_AP_B;
    return NETIMG_AP;
}

const char* ApText(uint32_t mode) {
    switch (mode) {
    case Ndis802_11IBSS: return "No";
    case Ndis802_11Infrastructure:
    case Ndis802_11AutoUnknown: return "Yes";
    default: return "";
    }
}

std::string Decimal(long long value) {
    char text[24];
    std::snprintf(text, sizeof text, "%lld", value);
    return text;
}

}  // namespace

std::vector<BssidEntry> WalkBssidList(const uint8_t* bytes, size_t size) {
    std::vector<BssidEntry> entries;
    if (bytes == nullptr || size < NDIS_802_11_BSSID_LIST_HEADER_SIZE) return entries;
    const uint32_t count = ReadLe32(bytes);
    size_t at = NDIS_802_11_BSSID_LIST_HEADER_SIZE;
    // Each entry takes at least sizeof(NDIS_WLAN_BSSID) bytes, so the loop ends within
    // the buffer however many items the driver claims.
    for (uint32_t i = 0; i < count; ++i) {
        const size_t left = size - at;
        if (left < sizeof(NDIS_WLAN_BSSID)) break;
        const uint32_t length = ReadLe32(bytes + at);
        if (length < sizeof(NDIS_WLAN_BSSID) || length > left) break;

        NDIS_WLAN_BSSID raw;
        std::memcpy(&raw, bytes + at, sizeof raw);
        BssidEntry e;
        std::memcpy(e.mac, raw.MacAddress, sizeof e.mac);
        size_t n = raw.Ssid.SsidLength < NDIS_802_11_MAX_SSID ? raw.Ssid.SsidLength : NDIS_802_11_MAX_SSID;
        const void* zero = std::memchr(raw.Ssid.Ssid, 0, n);
        if (zero != nullptr) n = size_t(static_cast<const uint8_t*>(zero) - raw.Ssid.Ssid);
        e.ssid.assign(reinterpret_cast<const char*>(raw.Ssid.Ssid), n);
        e.privacy = raw.Privacy;
        e.rssi = raw.Rssi;
        e.dsConfig = raw.Configuration.DSConfig;
        e.infrastructureMode = raw.InfrastructureMode;
        std::memcpy(e.supportedRates, raw.SupportedRates, sizeof e.supportedRates);
        entries.push_back(std::move(e));
        at += length;
    }
    return entries;
}

NetworkRow MakeNetworkRow(const BssidEntry& e, const std::string& associatedBssid) {
    NetworkRow row;
    row.network = e;
    const std::string mac = FormatMacBytes(e.mac, '-');
    row.image = NetworkImage(e, mac, associatedBssid);
    row.cells.resize(kNetworkColumnCount);
    row.cells[kColumnBssid] = mac;
    row.cells[kColumnSsid] = e.ssid;
    row.cells[kColumnWep] = e.privacy != 0 ? "Yes" : "No";
    row.cells[kColumnAp] = ApText(e.infrastructureMode);
    const int channel = ChannelOfFrequency(e.dsConfig);
    row.cells[kColumnChannel] = channel != kNoChannel ? Decimal(channel) : "";
    row.cells[kColumnStrength] = Decimal(LinkDisplay::signalStrength(e.rssi));
    return row;
}

std::vector<NetworkRow> NetworkRowsFromList(const uint8_t* bytes, size_t size, const std::string& associatedBssid) {
    std::vector<NetworkRow> rows;
    for (const BssidEntry& e : WalkBssidList(bytes, size))
        if (!e.ssid.empty()) rows.push_back(MakeNetworkRow(e, associatedBssid));
    return rows;
}
