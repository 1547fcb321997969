#pragma once
// What a set request the program sends must look like, whatever the driver answered
// before it and whatever the store held: the length each OID takes and the values its
// fields may carry. "" for a well-formed request, else what is wrong with it.
#include <cstdint>
#include <cstring>
#include <string>

#include "adapter/ndis.h"

inline std::string setRequestFault(uint32_t oid, const uint8_t* bytes, uint32_t length) {
    auto word = [&](uint32_t offset) {
        uint32_t v = 0;
        std::memcpy(&v, bytes + offset, sizeof v);
        return v;
    };
    auto wordIn = [&](uint32_t highest) -> std::string {
        if (length != 4) return "takes 4 bytes, got " + std::to_string(length);
        return word(0) <= highest ? "" : "value " + std::to_string(word(0)) + " out of range";
    };
    switch (oid) {
    case OID_802_11_INFRASTRUCTURE_MODE: return wordIn(Ndis802_11AutoUnknown);
    case OID_802_11_AUTHENTICATION_MODE: return wordIn(Ndis802_11AuthModeAutoSwitch);
    case OID_802_11_WEP_STATUS: return wordIn(Ndis802_11WEPDisabled);
    case OID_802_11_PRIVACY_FILTER: return wordIn(Ndis802_11PrivFilter8021xWEP);
    case OID_802_11_REMOVE_WEP: return wordIn(3);
    case OID_802_11_DISASSOCIATE: return length == 4 ? "" : "takes 4 bytes";
    case OID_802_11_BSSID_LIST_SCAN: return length == 0 ? "" : "takes no bytes";
    case OID_802_11_SSID:
        if (length != sizeof(NDIS_802_11_SSID)) return "SSID record of " + std::to_string(length) + " bytes";
        return word(0) <= NDIS_802_11_MAX_SSID ? "" : "SSID length " + std::to_string(word(0));
    case OID_802_11_CONFIGURATION:
        if (length != sizeof(NDIS_802_11_CONFIGURATION)) return "configuration of " + std::to_string(length) + " bytes";
        if (word(0) != sizeof(NDIS_802_11_CONFIGURATION))
            return "configuration whose Length says " + std::to_string(word(0));
        return "";
    case OID_802_11_ADD_WEP: {
        if (length < NDIS_802_11_WEP_HEADER_SIZE) return "WEP record of " + std::to_string(length) + " bytes";
        const uint32_t keyLength = word(8);
        const uint32_t index = word(4);
        if (keyLength != 5 && keyLength != 13) return "WEP key of " + std::to_string(keyLength) + " bytes";
        if (word(0) != length || length != NDIS_802_11_WEP_HEADER_SIZE + keyLength) return "WEP record length mismatch";
        if ((index & ~NDIS_802_11_WEP_TRANSMIT_KEY) > 3) return "WEP key index " + std::to_string(index);
        return "";
    }
    default: return "set request of an unexpected OID " + std::to_string(oid);
    }
}
