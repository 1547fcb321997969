#pragma once
// BSSID lists built byte by byte from entry records, for tests of the walk and the page.
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "adapter/ndis.h"

namespace bssid_fixture {

const uint8_t kRatesB[8] = {0x82, 0x84, 0x8B, 0x96, 0, 0, 0, 0};
const uint8_t kRatesG[8] = {0x82, 0x84, 0x8B, 0x96, 0x0C, 0x12, 0x18, 0x24};

struct Network {
    uint8_t mac[6] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x01};
    std::string ssid = "HomeNet";
    int ssidLength = -1;          // -1: the SSID's own length
    uint32_t privacy = 0;
    int32_t rssi = -50;
    uint32_t dsConfig = 2437000;
    uint32_t mode = Ndis802_11Infrastructure;
    const uint8_t* rates = kRatesG;
    uint32_t extraBytes = 0;      // information elements after the fixed entry
    int64_t length = -1;          // -1: the entry's true length
};

inline Network Net(const std::string& ssid, uint8_t last) {
    Network n;
    n.ssid = ssid;
    n.mac[5] = last;
    return n;
}

inline void PutLe32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + size_t(i)] = uint8_t(v >> (8 * i));
}

// The list's bytes: NumberOfItems (`count`, or the number of entries), then each entry.
inline std::vector<uint8_t> List(const std::vector<Network>& nets, int64_t count = -1) {
    std::vector<uint8_t> out(NDIS_802_11_BSSID_LIST_HEADER_SIZE, 0);
    PutLe32(out, 0, uint32_t(count < 0 ? int64_t(nets.size()) : count));
    for (const Network& n : nets) {
        NDIS_WLAN_BSSID e{};
        const uint32_t size = uint32_t(sizeof e) + n.extraBytes;
        e.Length = n.length < 0 ? size : uint32_t(n.length);
        std::memcpy(e.MacAddress, n.mac, 6);
        e.Ssid.SsidLength = n.ssidLength < 0 ? uint32_t(n.ssid.size()) : uint32_t(n.ssidLength);
        std::memcpy(e.Ssid.Ssid, n.ssid.data(), n.ssid.size() < 32 ? n.ssid.size() : 32);
        e.Privacy = n.privacy;
        e.Rssi = n.rssi;
        e.Configuration.Length = sizeof e.Configuration;
        e.Configuration.DSConfig = n.dsConfig;
        e.InfrastructureMode = n.mode;
        std::memcpy(e.SupportedRates, n.rates, 8);
        const size_t at = out.size();
        out.resize(at + size, 0xEE);   // the elements: bytes that are not an entry
        std::memcpy(out.data() + at, &e, sizeof e);
    }
    return out;
}

// A heap copy of exactly `size` bytes, so that AddressSanitizer sees any read past it.
inline std::unique_ptr<uint8_t[]> Exact(const std::vector<uint8_t>& bytes, size_t size) {
    std::unique_ptr<uint8_t[]> copy(new uint8_t[size ? size : 1]);
    if (size) std::memcpy(copy.get(), bytes.data(), size);
    return copy;
}

}  // namespace bssid_fixture
