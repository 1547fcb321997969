#include "sim/sim_driver.h"

#include <cstring>

#include "adapter/ndis.h"
#include "adapter/private_command.h"

namespace {

constexpr int32_t kNoiseFloor = -96;     // what the radio hears with no link
constexpr uint32_t kTopRate = 540000;    // 54 Mbps in units of 100 bit/s
constexpr uint32_t kBRate = 110000;      // 11 Mbps
constexpr uint32_t kWiredRate = 1000000; // 100 Mbps

uint32_t Le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}
void PutLe32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

// Supported rates (500 kbit/s units, bit 7 = basic rate) of each kind of network.
const uint8_t kB[8] = {0x82, 0x84, 0x8B, 0x96, 0, 0, 0, 0};
const uint8_t kG[8] = {0x82, 0x84, 0x8B, 0x96, 0x0C, 0x12, 0x18, 0x24};
const uint8_t kA[8] = {0x8C, 0x12, 0x98, 0x24, 0xB0, 0x48, 0x60, 0x6C};

bool Is80211Oid(uint32_t oid) { return (oid & 0xFF000000u) == 0x0D000000u; }

bool ValidFrequency(uint32_t kHz) {
    return IsTunableChannel(FrequencyToChannel(kHz)) || (kHz > 4900000 && kHz < 6000000);
}

// The settings the program made fit this network.
bool Fits(const SimAdapterState& st, const SimNetwork& n) {
    if (!n.inRange || !st.ssidRequested || st.requestedSsid.empty() || st.requestedSsid != n.ssid) return false;
    // The card is 802.11b/g: a 5 GHz network shows up in the survey (the list keeps one
    // for the channel arithmetic) but is out of the radio's reach.
    if (!IsTunableChannel(FrequencyToChannel(n.frequencyKHz))) return false;
    if (st.infrastructureMode == Ndis802_11Infrastructure && n.adhoc) return false;
    if (st.infrastructureMode == Ndis802_11IBSS && !n.adhoc) return false;
    if (n.wepKey.empty()) {
        // An open network: no encryption, and no shared-key authentication to answer.
        return st.wepStatus == Ndis802_11WEPDisabled && st.authMode != Ndis802_11AuthModeShared;
    }
    if (st.wepStatus != Ndis802_11WEPEnabled || st.transmitKey < 0) return false;
    if (st.keys[st.transmitKey] != n.wepKey) return false;
    if (n.auth == SimNetwork::Auth::Open && st.authMode == Ndis802_11AuthModeShared) return false;
    if (n.auth == SimNetwork::Auth::Shared && st.authMode == Ndis802_11AuthModeOpen) return false;
    return true;
}

}  // namespace

SimDriver::SimDriver(SimScenario scenario) : scenario_(std::move(scenario)) {}

void SimDriver::SetScenario(const SimScenario& scenario) {
    scenario_ = scenario;
    // A card pulled out of the machine takes its driver's state with it: plugged in
    // again, it starts with no link, no settings and counters at zero, as a real one does.
    for (auto it = states_.begin(); it != states_.end();) {
        if (FindPresentAdapter(it->first) < 0)
            it = states_.erase(it);
        else
            ++it;
    }
}

int SimDriver::FindPresentAdapter(const std::string& deviceName) const {
    for (size_t i = 0; i < scenario_.adapters.size(); ++i)
        if (scenario_.adapters[i].present && scenario_.adapters[i].deviceName == deviceName) return static_cast<int>(i);
    return -1;
}

std::vector<std::string> SimDriver::PresentDeviceNames() const {
    std::vector<std::string> names;
    for (const auto& a : scenario_.adapters)
        if (a.present) names.push_back(a.deviceName);
    return names;
}

const SimAdapterConfig* SimDriver::AdapterConfig(const std::string& deviceName) const {
    const int i = FindPresentAdapter(deviceName);
    return i < 0 ? nullptr : &scenario_.adapters[static_cast<size_t>(i)];
}

const SimAdapterState* SimDriver::AdapterState(const std::string& deviceName) const {
    auto it = states_.find(deviceName);
    return it == states_.end() ? nullptr : &it->second;
}

int32_t SimDriver::Jitter(int32_t rssi) { return rssi + prng_.Spread(scenario_.rssiJitter); }

void SimDriver::Drop(SimAdapterState& st) {
    st.associated = false;
    st.ownIbss = false;
    st.linkSsid.clear();
    std::memset(st.linkBssid, 0, sizeof st.linkBssid);
    st.linkSpeed = 0;
    st.matchPending = false;
}

const SimNetwork* SimDriver::FindFittingNetwork(const SimAdapterState& st) const {
    const SimNetwork* best = nullptr;
    for (const auto& n : scenario_.networks)
        if (Fits(st, n) && (!best || n.rssi > best->rssi)) best = &n;
    return best;
}

bool SimDriver::LinkStillFits(const SimAdapterState& st) const {
    if (st.ownIbss) return st.infrastructureMode != Ndis802_11Infrastructure && st.requestedSsid == st.linkSsid;
    for (const auto& n : scenario_.networks)
        if (std::memcmp(n.bssid, st.linkBssid, 6) == 0 && Fits(st, n)) return true;
    return false;
}

void SimDriver::Advance(const std::string& deviceName, uint32_t now) {
    const SimAdapterConfig* cfg = AdapterConfig(deviceName);
    if (!cfg) return;
    SimAdapterState& st = states_[deviceName];

    if (cfg->wireless()) Associate(*cfg, st, now);
    Traffic(*cfg, st, now);
}

void SimDriver::Traffic(const SimAdapterConfig& cfg, SimAdapterState& st, uint32_t now) {
    // Traffic flows while the link is up (always, on a wired card), in 100 ms steps.
    if (!st.trafficClockSet) {
        st.trafficClockSet = true;
        st.lastTrafficTick = now;
    }
    const uint32_t steps = (now - st.lastTrafficTick) / 100;
    if (steps > 0) {
        st.lastTrafficTick += steps * 100;
        if (st.associated || !cfg.wireless()) {
            const uint32_t sent = steps * 2 + prng_.Next() % (steps + 1);
            const uint32_t received = steps * 3 + prng_.Next() % (steps + 1);
            st.xmitOk += sent;
            st.rcvOk += received;
            st.txBytes += sent * (200 + prng_.Next() % 1200);
            st.rxBytes += received * (300 + prng_.Next() % 1200);
        }
    }
}

void SimDriver::Associate(const SimAdapterConfig& cfg, SimAdapterState& st, uint32_t now) {
    if (st.associated && !LinkStillFits(st)) Drop(st);
    if (st.associated || !st.ssidRequested || st.requestedSsid.empty()) return;

    const SimNetwork* network = FindFittingNetwork(st);
    // With no peer to join, an ad-hoc request starts its own IBSS.
    const bool startIbss = !network && st.infrastructureMode == Ndis802_11IBSS;
    if (!network && !startIbss) {
        st.matchPending = false;
        return;
    }
    if (!st.matchPending) {
        st.matchPending = true;
        st.matchSince = now;
    }
    if (now - st.matchSince < scenario_.associationDelayMs) return;

    // The link came up when the delay ran out, which may be before this request: traffic
    // counts from then.
    st.associated = true;
    st.matchPending = false;
    const uint32_t linkUp = st.matchSince + scenario_.associationDelayMs;
    if (!st.trafficClockSet || static_cast<int32_t>(linkUp - st.lastTrafficTick) > 0) st.lastTrafficTick = linkUp;
    st.trafficClockSet = true;
    if (network) {
        st.ownIbss = false;
        st.linkSsid = network->ssid;
        std::memcpy(st.linkBssid, network->bssid, 6);
        st.linkFrequencyKHz = network->frequencyKHz;
        st.linkRssi = network->rssi;
        st.linkSpeed = network->rates == 'b' ? kBRate : kTopRate;
    } else {
        st.ownIbss = true;
        st.linkSsid = st.requestedSsid;
        // A locally administered BSSID drawn from our MAC and the SSID.
        uint32_t h = 2166136261u;
        for (char c : st.requestedSsid) h = (h ^ static_cast<uint8_t>(c)) * 16777619u;
        st.linkBssid[0] = 0x02;
        st.linkBssid[1] = cfg.mac[5];
        for (int i = 2; i < 6; ++i) st.linkBssid[i] = static_cast<uint8_t>(h >> (8 * (i - 2)));
        st.linkFrequencyKHz = st.adhocFrequencyKHz;
        st.linkRssi = -40;
        st.linkSpeed = kBRate;
    }
}

uint32_t SimDriver::Request(const std::string& deviceName, uint32_t type, uint32_t oid, uint8_t* buffer,
                            uint32_t length, uint32_t& written, uint32_t& needed, uint32_t now) {
    written = 0;
    needed = 0;
    const SimAdapterConfig* cfg = AdapterConfig(deviceName);
    if (!cfg) return NDIS_STATUS_ADAPTER_NOT_READY;
    if (length > 0 && !buffer) return NDIS_STATUS_INVALID_DATA;
    if (cfg->refusedOids.count(oid)) return NDIS_STATUS_FAILURE;
    Advance(deviceName, now);
    SimAdapterState& st = states_[deviceName];

    if (oid == OID_PRIVATE_COMMAND) {
        if (!cfg->wireless()) return NDIS_STATUS_INVALID_OID;
        if (type != NdisRequestQueryInformation) return NDIS_STATUS_NOT_SUPPORTED;
        return Private(*cfg, st, buffer, length, written, needed);
    }
    if (Is80211Oid(oid) && !cfg->wireless()) return NDIS_STATUS_NOT_SUPPORTED;
    if (type == NdisRequestQueryInformation) {
        const auto shortReply = cfg->shortReplies.find(oid);
        if (shortReply == cfg->shortReplies.end()) return Query(*cfg, st, oid, buffer, length, written, needed);
        // Answer in full, then take back every byte past the ones this driver "wrote".
        const std::vector<uint8_t> before(buffer, buffer + length);
        const uint32_t status = Query(*cfg, st, oid, buffer, length, written, needed);
        if (status == NDIS_STATUS_SUCCESS && written > shortReply->second) {
            written = shortReply->second;
            std::memcpy(buffer + written, before.data() + written, length - written);
        }
        return status;
    }
    if (type == NdisRequestSetInformation) {
        const uint32_t status = Set(*cfg, st, oid, buffer, length, written, needed);
        if (status == NDIS_STATUS_SUCCESS) Advance(deviceName, now);
        return status;
    }
    return NDIS_STATUS_NOT_SUPPORTED;
}

uint32_t SimDriver::Query(const SimAdapterConfig& cfg, SimAdapterState& st, uint32_t oid, uint8_t* buffer,
                          uint32_t length, uint32_t& written, uint32_t& needed) {
    auto answer = [&](const void* data, uint32_t size) {
        if (length < size) {
            needed = size;
            return NDIS_STATUS_INVALID_LENGTH;
        }
        std::memcpy(buffer, data, size);
        written = size;
        return NDIS_STATUS_SUCCESS;
    };
    auto answer32 = [&](uint32_t v) {
        uint8_t bytes[4];
        PutLe32(bytes, v);
        return answer(bytes, 4);
    };

    switch (oid) {
    case OID_GEN_LINK_SPEED:
        // An idle radio reports its top rate, as most do.
        if (!cfg.wireless()) return answer32(kWiredRate);
        return answer32(st.associated ? st.linkSpeed : kTopRate);
    case OID_GEN_MEDIA_CONNECT_STATUS:
        return answer32(st.associated || !cfg.wireless() ? NdisMediaStateConnected : NdisMediaStateDisconnected);
    case OID_GEN_PHYSICAL_MEDIUM:
        if (!cfg.mediumSupported) return NDIS_STATUS_NOT_SUPPORTED;
        return answer32(cfg.medium);
    case OID_GEN_XMIT_OK: return answer32(st.xmitOk);
    case OID_GEN_RCV_OK: return answer32(st.rcvOk);
    case OID_802_3_CURRENT_ADDRESS: return answer(cfg.mac, 6);
    case OID_802_11_BSSID:
        // Not associated: there is no BSSID to tell.
        if (!st.associated) return NDIS_STATUS_ADAPTER_NOT_READY;
        return answer(st.linkBssid, 6);
    case OID_802_11_SSID: {
        NDIS_802_11_SSID ssid{};
        if (st.associated) {
            ssid.SsidLength = static_cast<uint32_t>(st.linkSsid.size());
            std::memcpy(ssid.Ssid, st.linkSsid.data(), st.linkSsid.size());
        }
        return answer(&ssid, sizeof ssid);
    }
    case OID_802_11_INFRASTRUCTURE_MODE: return answer32(st.infrastructureMode);
    case OID_802_11_AUTHENTICATION_MODE: return answer32(st.authMode);
    case OID_802_11_WEP_STATUS: return answer32(st.wepStatus);
    case OID_802_11_PRIVACY_FILTER: return answer32(st.privacyFilter);
    case OID_802_11_RSSI:
        return answer32(static_cast<uint32_t>(st.associated ? Jitter(st.linkRssi) : kNoiseFloor));
    case OID_802_11_CONFIGURATION: {
        NDIS_802_11_CONFIGURATION c{};
        c.Length = sizeof c;
        c.BeaconPeriod = 100;
        c.DSConfig = st.associated ? st.linkFrequencyKHz : st.adhocFrequencyKHz;
        c.FHConfig.Length = sizeof c.FHConfig;
        return answer(&c, sizeof c);
    }
    case OID_802_11_BSSID_LIST: {
        const std::vector<uint8_t> list = BuildBssidList(st);
        const uint32_t size = static_cast<uint32_t>(list.size());
        if (length < size) {
            needed = size;
            return scenario_.bssidListShortStatus;
        }
        std::memcpy(buffer, list.data(), size);
        written = size;
        return NDIS_STATUS_SUCCESS;
    }
    case OID_802_11_ADD_WEP:
    case OID_802_11_REMOVE_WEP:
    case OID_802_11_DISASSOCIATE:
    case OID_802_11_BSSID_LIST_SCAN:
        return NDIS_STATUS_NOT_SUPPORTED;  // set only
    default:
        return NDIS_STATUS_INVALID_OID;
    }
}

uint32_t SimDriver::Set(const SimAdapterConfig&, SimAdapterState& st, uint32_t oid, const uint8_t* buffer,
                        uint32_t length, uint32_t& read, uint32_t& needed) {
    auto need = [&](uint32_t size) {
        if (length >= size) return true;
        needed = size;
        return false;
    };
    switch (oid) {
    case OID_802_11_SSID: {
        if (!need(sizeof(NDIS_802_11_SSID))) return NDIS_STATUS_INVALID_LENGTH;
        const uint32_t n = Le32(buffer);
        if (n > NDIS_802_11_MAX_SSID) return NDIS_STATUS_INVALID_DATA;
        Drop(st);
        st.ssidRequested = true;
        st.requestedSsid.assign(reinterpret_cast<const char*>(buffer + 4), n);
        read = sizeof(NDIS_802_11_SSID);
        return NDIS_STATUS_SUCCESS;
    }
    case OID_802_11_INFRASTRUCTURE_MODE: {
        if (!need(4)) return NDIS_STATUS_INVALID_LENGTH;
        const uint32_t mode = Le32(buffer);
        if (mode > Ndis802_11AutoUnknown) return NDIS_STATUS_INVALID_DATA;
        if (mode != st.infrastructureMode) Drop(st);
        st.infrastructureMode = mode;
        read = 4;
        return NDIS_STATUS_SUCCESS;
    }
    case OID_802_11_CONFIGURATION: {
        if (!need(sizeof(NDIS_802_11_CONFIGURATION))) return NDIS_STATUS_INVALID_LENGTH;
        const uint32_t freq = Le32(buffer + offsetof(NDIS_802_11_CONFIGURATION, DSConfig));
        if (!ValidFrequency(freq)) return NDIS_STATUS_INVALID_DATA;
        st.adhocFrequencyKHz = freq;
        read = sizeof(NDIS_802_11_CONFIGURATION);
        return NDIS_STATUS_SUCCESS;
    }
    case OID_802_11_DISASSOCIATE:
        Drop(st);
        st.ssidRequested = false;
        st.requestedSsid.clear();
        read = length;
        return NDIS_STATUS_SUCCESS;
    case OID_802_11_AUTHENTICATION_MODE:
    case OID_802_11_PRIVACY_FILTER:
    case OID_802_11_WEP_STATUS: {
        if (!need(4)) return NDIS_STATUS_INVALID_LENGTH;
        const uint32_t v = Le32(buffer);
        const uint32_t limit = oid == OID_802_11_AUTHENTICATION_MODE ? Ndis802_11AuthModeAutoSwitch : 1;
        if (v > limit) return NDIS_STATUS_INVALID_DATA;
        if (oid == OID_802_11_AUTHENTICATION_MODE) st.authMode = v;
        else if (oid == OID_802_11_PRIVACY_FILTER) st.privacyFilter = v;
        else st.wepStatus = v;
        read = 4;
        return NDIS_STATUS_SUCCESS;
    }
    case OID_802_11_ADD_WEP: {
        if (!need(NDIS_802_11_WEP_HEADER_SIZE)) return NDIS_STATUS_INVALID_LENGTH;
        const uint32_t total = Le32(buffer);
        const uint32_t index = Le32(buffer + 4);
        const uint32_t keyLength = Le32(buffer + 8);
        if (keyLength != 5 && keyLength != 13) return NDIS_STATUS_INVALID_DATA;
        if (total != NDIS_802_11_WEP_HEADER_SIZE + keyLength) return NDIS_STATUS_INVALID_DATA;
        if (!need(total)) return NDIS_STATUS_INVALID_LENGTH;
        const uint32_t slot = index & ~NDIS_802_11_WEP_TRANSMIT_KEY;
        if (slot > 3) return NDIS_STATUS_INVALID_DATA;
        st.keys[slot].assign(buffer + NDIS_802_11_WEP_HEADER_SIZE, buffer + total);
        if (index & NDIS_802_11_WEP_TRANSMIT_KEY) st.transmitKey = static_cast<int>(slot);
        read = total;
        return NDIS_STATUS_SUCCESS;
    }
    case OID_802_11_REMOVE_WEP: {
        if (!need(4)) return NDIS_STATUS_INVALID_LENGTH;
        const uint32_t slot = Le32(buffer);
        if (slot > 3) return NDIS_STATUS_INVALID_DATA;
        // Removing an empty slot is no error: the program clears all four every time.
        st.keys[slot].clear();
        if (st.transmitKey == static_cast<int>(slot)) st.transmitKey = -1;
        read = 4;
        return NDIS_STATUS_SUCCESS;
    }
    case OID_802_11_BSSID_LIST_SCAN:
        // The list is always what the radio hears now, so a scan has nothing to start.
        read = length;
        return NDIS_STATUS_SUCCESS;
    case OID_GEN_LINK_SPEED:
    case OID_GEN_MEDIA_CONNECT_STATUS:
    case OID_GEN_PHYSICAL_MEDIUM:
    case OID_GEN_XMIT_OK:
    case OID_GEN_RCV_OK:
    case OID_802_3_CURRENT_ADDRESS:
    case OID_802_11_BSSID:
    case OID_802_11_RSSI:
    case OID_802_11_BSSID_LIST:
        return NDIS_STATUS_NOT_SUPPORTED;  // query only
    default:
        return NDIS_STATUS_INVALID_OID;
    }
}

std::vector<uint8_t> SimDriver::BuildBssidList(SimAdapterState&) {
    static_assert(sizeof(NDIS_WLAN_BSSID) == 104, "entry layout");
    std::vector<uint8_t> list(NDIS_802_11_BSSID_LIST_HEADER_SIZE, 0);
    uint32_t count = 0;
    for (const auto& n : scenario_.networks) {
        if (!n.inRange) continue;
        NDIS_WLAN_BSSID e{};
        // OFDM networks carry their fixed information elements after the entry, the way
        // newer drivers do; Length always gives the step to the next entry.
        const uint32_t extra = n.rates == 'b' ? 0 : 16;
        e.Length = sizeof e + extra;
        std::memcpy(e.MacAddress, n.bssid, 6);
        if (!n.hidden) {
            e.Ssid.SsidLength = static_cast<uint32_t>(n.ssid.size());
            std::memcpy(e.Ssid.Ssid, n.ssid.data(), n.ssid.size());
        }
        e.Privacy = n.wepKey.empty() ? 0 : 1;
        e.Rssi = Jitter(n.rssi);
        e.NetworkTypeInUse = n.rates == 'b' ? Ndis802_11DS : n.rates == 'a' ? Ndis802_11OFDM5 : Ndis802_11OFDM24;
        e.Configuration.Length = sizeof e.Configuration;
        e.Configuration.BeaconPeriod = 100;
        e.Configuration.DSConfig = n.frequencyKHz;
        e.InfrastructureMode = n.adhoc ? Ndis802_11IBSS : Ndis802_11Infrastructure;
        std::memcpy(e.SupportedRates, n.rates == 'b' ? kB : n.rates == 'a' ? kA : kG, 8);

        const size_t at = list.size();
        list.resize(at + e.Length, 0);
        std::memcpy(list.data() + at, &e, sizeof e);
        if (extra) {
            uint8_t* ie = list.data() + at + sizeof e;
            PutLe32(ie, extra - 4);            // length of the elements that follow
            ie[4 + 8] = 100;                  // beacon interval after the timestamp
            ie[4 + 10] = n.wepKey.empty() ? 0x01 : 0x11;  // capabilities: ESS, privacy
        }
        ++count;
    }
    PutLe32(list.data(), count);
    return list;
}

uint32_t SimDriver::Private(const SimAdapterConfig& cfg, SimAdapterState& st, uint8_t* buffer, uint32_t length,
                            uint32_t& written, uint32_t& needed) {
    if (length < kPrivatePacketBytes) {
        needed = kPrivatePacketBytes;
        return NDIS_STATUS_INVALID_LENGTH;
    }
    const bool wellFormed =
        std::memcmp(buffer + kPrivatePacketSignatureOffset, kPrivatePacketSignature, 4) == 0 &&
        Le32(buffer + kPrivatePacketLengthOffset) == kPrivateCommandBytes &&
        Le32(buffer + kPrivatePacketMagicOffset) == kPrivatePacketMagic &&
        Le32(buffer + kPrivatePacketTrailerOffset) == kPrivatePacketTrailer;
    if (!wellFormed) return NDIS_STATUS_INVALID_DATA;

    uint8_t* word = buffer + kPrivatePacketPayloadOffset;
    auto put = [&](uint32_t index, uint32_t value) { PutLe32(word + 4 * index, value); };
    switch (Le32(word)) {
    case kPrivateCmdLinkQuality: {
        // 25 is a perfect link; quality falls with the signal towards the noise floor.
        int32_t q = 0;
        if (st.associated) {
            q = (Jitter(st.linkRssi) + 95) / 2;
            if (q > 25) q = 25;
            if (q < 0) q = 0;
        }
        put(2, static_cast<uint32_t>(q));
        put(1, cfg.privateStatus);
        break;
    }
    case kPrivateCmdTraffic:
        put(3, st.xmitOk);
        put(7, st.txBytes);
        put(9, st.rcvOk);
        put(13, st.rxBytes);
        put(1, cfg.privateStatus);
        break;
    case kPrivateCmdRegion:
        put(2, cfg.region);
        put(1, cfg.privateStatus);
        break;
    case kPrivateCmdVersion:
        for (uint32_t i = 0; i < 4; ++i) put(4 + i, cfg.version[i]);
        put(1, cfg.privateStatus);
        break;
    default:
        put(1, kPrivateStatusUnknown);  // not a command of ours
        break;
    }
    written = kPrivatePacketBytes;
    return NDIS_STATUS_SUCCESS;
}
