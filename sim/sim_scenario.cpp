#include "sim/sim_scenario.h"

#include <cctype>
#include <cstdlib>
#include <sstream>

namespace {

const uint8_t kProductMac[6] = {0x00, 0xA0, 0xC5, 0x4E, 0x21, 0x7B};
const uint8_t kWiredMac[6] = {0x00, 0x0C, 0x6E, 0x93, 0x5A, 0x10};

SimNetwork Net(const char* ssid, uint8_t lastOctet, int channel, char rates, int32_t rssi) {
    SimNetwork n;
    n.ssid = ssid;
    const uint8_t mac[6] = {0x00, 0x14, 0xBF, 0x3A, 0x60, lastOctet};
    for (int i = 0; i < 6; ++i) n.bssid[i] = mac[i];
    n.frequencyKHz = channel >= 1 && channel <= 13 ? 2412000 + 5000 * (channel - 1) : 2484000;
    n.rates = rates;
    n.rssi = rssi;
    return n;
}

std::string Trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool ParseNumber(const std::string& text, long long& out) {
    const std::string t = Trim(text);
    if (t.empty()) return false;
    char* end = nullptr;
    const long long v = std::strtoll(t.c_str(), &end, 0);
    if (!end || *end != '\0') return false;
    out = v;
    return true;
}

bool ParseMac(const std::string& text, uint8_t out[6]) {
    int parts = 0;
    uint8_t bytes[6] = {};
    size_t i = 0;
    const std::string t = Trim(text);
    while (parts < 6) {
        if (i + 2 > t.size() || !std::isxdigit(static_cast<unsigned char>(t[i])) ||
            !std::isxdigit(static_cast<unsigned char>(t[i + 1])))
            return false;
        bytes[parts++] = static_cast<uint8_t>(std::strtoul(t.substr(i, 2).c_str(), nullptr, 16));
        i += 2;
        if (parts < 6) {
            if (i >= t.size() || (t[i] != ':' && t[i] != '-' && t[i] != '.')) return false;
            ++i;
        }
    }
    if (i != t.size()) return false;
    for (int k = 0; k < 6; ++k) out[k] = bytes[k];
    return true;
}

bool ParseHexBytes(const std::string& text, std::vector<uint8_t>& out) {
    const std::string t = Trim(text);
    if (t.size() % 2 != 0) return false;
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < t.size(); i += 2) {
        if (!std::isxdigit(static_cast<unsigned char>(t[i])) || !std::isxdigit(static_cast<unsigned char>(t[i + 1])))
            return false;
        bytes.push_back(static_cast<uint8_t>(std::strtoul(t.substr(i, 2).c_str(), nullptr, 16)));
    }
    out = bytes;
    return true;
}

bool ParseBool(const std::string& text, bool& out) {
    long long v = 0;
    if (!ParseNumber(text, v)) return false;
    out = v != 0;
    return true;
}

void ApplyDriverKey(SimScenario& s, const std::string& key, const std::string& value) {
    long long v = 0;
    if (key == "associationdelay" && ParseNumber(value, v) && v >= 0) s.associationDelayMs = static_cast<uint32_t>(v);
    else if (key == "rssijitter" && ParseNumber(value, v) && v >= 0 && v <= 30) s.rssiJitter = static_cast<int32_t>(v);
    else if (key == "bssidlistshortstatus") {
        const std::string l = Lower(Trim(value));
        if (l == "invalid_length") s.bssidListShortStatus = 0xC0010014;
        else if (l == "buffer_too_short") s.bssidListShortStatus = 0xC0010016;
    } else if (key == "registrypath") s.registryPath = Trim(value);
}

void ApplyAdapterKey(SimAdapterConfig& a, const std::string& key, const std::string& value) {
    long long v = 0;
    if (key == "description") a.description = Trim(value);
    else if (key == "devicename") a.deviceName = Trim(value);
    else if (key == "mac") ParseMac(value, a.mac);
    else if (key == "medium") {
        if (Lower(Trim(value)) == "none") a.mediumSupported = false;
        else if (ParseNumber(value, v)) {
            a.mediumSupported = true;
            a.medium = static_cast<uint32_t>(v);
        }
    } else if (key == "present") ParseBool(value, a.present);
    else if (key == "openfails") ParseBool(value, a.openFails);
    else if (key == "region" && ParseNumber(value, v)) a.region = static_cast<uint32_t>(v);
    else if (key == "privatestatus" && ParseNumber(value, v)) a.privateStatus = static_cast<uint32_t>(v);
    else if (key == "version") {
        uint32_t parts[4] = {};
        std::stringstream in(Trim(value));
        std::string piece;
        int n = 0;
        while (n < 4 && std::getline(in, piece, '.')) {
            if (!ParseNumber(piece, v)) return;
            parts[n++] = static_cast<uint32_t>(v);
        }
        if (n == 4)
            for (int i = 0; i < 4; ++i) a.version[i] = parts[i];
    } else if (key == "shortreply") {
        std::stringstream in(value);
        std::string word;
        while (in >> word) {
            const size_t colon = word.find(':');
            long long bytes = 0;
            if (colon == std::string::npos || !ParseNumber(word.substr(0, colon), v) ||
                !ParseNumber(word.substr(colon + 1), bytes) || bytes < 0)
                continue;
            a.shortReplies[static_cast<uint32_t>(v)] = static_cast<uint32_t>(bytes);
        }
    } else if (key == "refuse") {
        std::string list = value;
        for (char& c : list)
            if (c == ',' || c == ';') c = ' ';
        std::stringstream in(list);
        std::string word;
        while (in >> word)
            if (ParseNumber(word, v)) a.refusedOids.insert(static_cast<uint32_t>(v));
    }
}

void ApplyNetworkKey(SimNetwork& n, const std::string& key, const std::string& value) {
    long long v = 0;
    const std::string l = Lower(Trim(value));
    if (key == "ssid") n.ssid = Trim(value).substr(0, 32);
    else if (key == "bssid") ParseMac(value, n.bssid);
    else if (key == "channel" && ParseNumber(value, v) && v >= 1 && v <= 14)
        n.frequencyKHz = v == 14 ? 2484000 : static_cast<uint32_t>(2412000 + 5000 * (v - 1));
    else if (key == "frequency" && ParseNumber(value, v) && v > 0) n.frequencyKHz = static_cast<uint32_t>(v);
    else if (key == "mode") {
        if (l == "adhoc" || l == "ibss") n.adhoc = true;
        else if (l == "infrastructure") n.adhoc = false;
    } else if (key == "rates" && (l == "b" || l == "g" || l == "a")) n.rates = l[0];
    else if (key == "rssi" && ParseNumber(value, v) && v >= -120 && v <= 0) n.rssi = static_cast<int32_t>(v);
    else if (key == "wep") {
        if (l == "off" || l == "0") n.wepKey.clear();
        else if (l == "64" && n.wepKey.size() != 5) n.wepKey.assign(5, 0);
        else if (l == "128" && n.wepKey.size() != 13) n.wepKey.assign(13, 0);
    } else if (key == "key") {
        std::vector<uint8_t> bytes;
        if (ParseHexBytes(value, bytes) && (bytes.size() == 5 || bytes.size() == 13)) n.wepKey = bytes;
    } else if (key == "auth") {
        if (l == "open") n.auth = SimNetwork::Auth::Open;
        else if (l == "shared") n.auth = SimNetwork::Auth::Shared;
        else if (l == "any") n.auth = SimNetwork::Auth::Any;
    } else if (key == "hidden") ParseBool(value, n.hidden);
    else if (key == "inrange") ParseBool(value, n.inRange);
}

}  // namespace

SimScenario DefaultScenario() {
    SimScenario s;

    SimAdapterConfig wired;
    wired.description = "Generic 10/100 Fast Ethernet PCI Adapter";
    wired.deviceName = "\\DEVICE\\{2F0A9C31-7B64-4E18-A0D2-59C3E81B7A46}";
    for (int i = 0; i < 6; ++i) wired.mac[i] = kWiredMac[i];
    wired.medium = 14;  // 802.3
    wired.version[0] = 5;
    wired.version[1] = 1;
    wired.version[2] = 2600;
    wired.version[3] = 0;
    s.adapters.push_back(wired);

    SimAdapterConfig product;
    product.description = kSimProductDescription;
    product.deviceName = "\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}";
    for (int i = 0; i < 6; ++i) product.mac[i] = kProductMac[i];
    product.medium = 1;
    product.region = 0x10;
    product.version[0] = 1;
    product.version[1] = 0;
    product.version[2] = 3;
    product.version[3] = 12;
    s.adapters.push_back(product);

    SimNetwork home = Net("HomeNet", 0x01, 6, 'g', -48);
    s.networks.push_back(home);

    SimNetwork lab = Net("VexaLab", 0x02, 1, 'b', -67);
    lab.wepKey = {0x12, 0x34, 0x56, 0x78, 0x90};
    s.networks.push_back(lab);

    SimNetwork office = Net("Office128", 0x03, 11, 'g', -58);
    office.wepKey = {0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F, 0x60, 0x71, 0x82, 0x93, 0xA4, 0xB5, 0xC6};
    office.auth = SimNetwork::Auth::Shared;
    s.networks.push_back(office);

    s.networks.push_back(Net("CoffeeShop", 0x04, 3, 'b', -74));

    SimNetwork party = Net("PartyNet", 0x05, 10, 'b', -62);
    party.adhoc = true;
    party.bssid[0] = 0x02;  // locally administered, as an IBSS's BSSID is
    s.networks.push_back(party);

    SimNetwork hidden = Net("Backroom", 0x06, 9, 'g', -70);
    hidden.hidden = true;
    s.networks.push_back(hidden);

    SimNetwork campus = Net("Campus5G", 0x07, 1, 'a', -71);
    campus.frequencyKHz = 5180000;  // channel 36
    s.networks.push_back(campus);

    // The open network the factory settings name (SSID "vexa", infrastructure, no WEP):
    // a fresh install associates with it, so the program shows a live link out of the box.
    s.networks.push_back(Net("vexa", 0x08, 10, 'g', -52));
    return s;
}

SimScenario ParseScenario(const std::string& iniText) {
    SimScenario s;
    enum class Section { None, Driver, Adapter, Network } section = Section::None;
    std::stringstream in(iniText);
    std::string line;
    while (std::getline(in, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line.front() == '[') {
            const size_t close = line.find(']');
            const std::string name = Lower(Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1)));
            if (name == "driver") section = Section::Driver;
            else if (name.rfind("adapter", 0) == 0) {
                section = Section::Adapter;
                s.adapters.emplace_back();
            } else if (name.rfind("network", 0) == 0) {
                section = Section::Network;
                s.networks.emplace_back();
            } else section = Section::None;
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string key = Lower(Trim(line.substr(0, eq)));
        const std::string value = line.substr(eq + 1);
        switch (section) {
        case Section::Driver: ApplyDriverKey(s, key, value); break;
        case Section::Adapter: ApplyAdapterKey(s.adapters.back(), key, value); break;
        case Section::Network: ApplyNetworkKey(s.networks.back(), key, value); break;
        case Section::None: break;
        }
    }
    return s;
}
