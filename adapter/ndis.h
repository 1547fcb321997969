#pragma once
// NDIS 5.1 numbers and records that travel between the program and the adapter's
// driver. Every field is a 32-bit little-endian value unless noted; the structs are
// laid out exactly as the driver reads and writes them (checked by static_asserts).

#include <cstddef>
#include <cstdint>

// ---- Object identifiers -------------------------------------------------------------
constexpr uint32_t OID_GEN_LINK_SPEED = 0x00010107;            // query, 4: units of 100 bit/s
constexpr uint32_t OID_GEN_MEDIA_CONNECT_STATUS = 0x00010114;  // query, 4: 0 connected, 1 not
constexpr uint32_t OID_GEN_PHYSICAL_MEDIUM = 0x00010202;       // query, 4: 1 wireless LAN
constexpr uint32_t OID_GEN_XMIT_OK = 0x00020101;               // query, 4
constexpr uint32_t OID_GEN_RCV_OK = 0x00020102;                // query, 4
constexpr uint32_t OID_802_3_CURRENT_ADDRESS = 0x01010102;     // query, 8: MAC in bytes 0-5
constexpr uint32_t OID_802_11_BSSID = 0x0D010101;              // query, 8: AP MAC in bytes 0-5
constexpr uint32_t OID_802_11_SSID = 0x0D010102;               // query/set, 36
constexpr uint32_t OID_802_11_INFRASTRUCTURE_MODE = 0x0D010108;// query/set, 4
constexpr uint32_t OID_802_11_ADD_WEP = 0x0D010113;            // set, 12 + key length
constexpr uint32_t OID_802_11_REMOVE_WEP = 0x0D010114;         // set, 4: key index 0-3
constexpr uint32_t OID_802_11_DISASSOCIATE = 0x0D010115;       // set, 4: value ignored
constexpr uint32_t OID_802_11_AUTHENTICATION_MODE = 0x0D010118;// set, 4
constexpr uint32_t OID_802_11_PRIVACY_FILTER = 0x0D010119;     // set, 4
constexpr uint32_t OID_802_11_BSSID_LIST_SCAN = 0x0D01011A;    // set, 0
constexpr uint32_t OID_802_11_WEP_STATUS = 0x0D01011B;         // set, 4
constexpr uint32_t OID_802_11_RSSI = 0x0D010206;               // query, 4: signed dBm
constexpr uint32_t OID_802_11_CONFIGURATION = 0x0D010211;      // query/set, 32
constexpr uint32_t OID_802_11_BSSID_LIST = 0x0D010217;         // query, 4 then the size needed
constexpr uint32_t OID_PRIVATE_COMMAND = 0xFFA0C90A;           // query, 15392: private packet

// ---- Request statuses -----------------------------------------------------------------
constexpr uint32_t NDIS_STATUS_SUCCESS = 0x00000000;
constexpr uint32_t NDIS_STATUS_FAILURE = 0xC0000001;
constexpr uint32_t NDIS_STATUS_NOT_SUPPORTED = 0xC00000BB;
constexpr uint32_t NDIS_STATUS_ADAPTER_NOT_READY = 0xC0010011;
constexpr uint32_t NDIS_STATUS_INVALID_LENGTH = 0xC0010014;
constexpr uint32_t NDIS_STATUS_INVALID_DATA = 0xC0010015;
constexpr uint32_t NDIS_STATUS_BUFFER_TOO_SHORT = 0xC0010016;
constexpr uint32_t NDIS_STATUS_INVALID_OID = 0xC0010017;

// ---- Request kinds ----------------------------------------------------------------------
constexpr uint32_t NdisRequestQueryInformation = 0;
constexpr uint32_t NdisRequestSetInformation = 1;

// ---- Enumerated values --------------------------------------------------------------------
constexpr uint32_t Ndis802_11IBSS = 0;
constexpr uint32_t Ndis802_11Infrastructure = 1;
constexpr uint32_t Ndis802_11AutoUnknown = 2;

constexpr uint32_t Ndis802_11AuthModeOpen = 0;
constexpr uint32_t Ndis802_11AuthModeShared = 1;
constexpr uint32_t Ndis802_11AuthModeAutoSwitch = 2;

constexpr uint32_t Ndis802_11WEPEnabled = 0;
constexpr uint32_t Ndis802_11WEPDisabled = 1;

constexpr uint32_t Ndis802_11PrivFilterAcceptAll = 0;
constexpr uint32_t Ndis802_11PrivFilter8021xWEP = 1;

constexpr uint32_t NdisMediaStateConnected = 0;
constexpr uint32_t NdisMediaStateDisconnected = 1;

constexpr uint32_t NdisPhysicalMediumUnspecified = 0;
constexpr uint32_t NdisPhysicalMediumWirelessLan = 1;
constexpr uint32_t NdisPhysicalMedium802_3 = 14;

// ---- 802.11 records ------------------------------------------------------------------------
constexpr uint32_t NDIS_802_11_MAX_SSID = 32;

struct NDIS_802_11_SSID {
    uint32_t SsidLength;  // bytes used, 0-32 (a driver may claim more: never trust it)
    uint8_t Ssid[32];
};
static_assert(sizeof(NDIS_802_11_SSID) == 36, "SSID record is 36 bytes");

struct NDIS_802_11_CONFIGURATION_FH {
    uint32_t Length;
    uint32_t HopPattern;
    uint32_t HopSet;
    uint32_t DwellTime;
};

struct NDIS_802_11_CONFIGURATION {
    uint32_t Length;
    uint32_t BeaconPeriod;
    uint32_t ATIMWindow;
    uint32_t DSConfig;  // centre frequency in kHz
    NDIS_802_11_CONFIGURATION_FH FHConfig;
};
static_assert(sizeof(NDIS_802_11_CONFIGURATION) == 32, "configuration record is 32 bytes");

// Header of NDIS_802_11_WEP; KeyMaterial (KeyLength bytes) follows at offset 12.
struct NDIS_802_11_WEP_HEADER {
    uint32_t Length;     // 12 + KeyLength
    uint32_t KeyIndex;   // bit 31: transmit key; low bits: slot 0-3
    uint32_t KeyLength;  // 5 (64-bit key) or 13 (128-bit key)
};
constexpr uint32_t NDIS_802_11_WEP_HEADER_SIZE = 12;
constexpr uint32_t NDIS_802_11_WEP_TRANSMIT_KEY = 0x80000000u;
// Key bytes of a 64-bit and of a 128-bit key.
constexpr uint32_t kWepKey64Bytes = 5;
constexpr uint32_t kWepKey128Bytes = 13;
static_assert(sizeof(NDIS_802_11_WEP_HEADER) == 12, "WEP header is 12 bytes");

// One entry of NDIS_802_11_BSSID_LIST. Length gives the step to the next entry; a driver
// may append information elements, so an entry can be longer than this struct.
struct NDIS_WLAN_BSSID {
    uint32_t Length;
    uint8_t MacAddress[6];
    uint8_t Reserved[2];
    NDIS_802_11_SSID Ssid;
    uint32_t Privacy;  // non-zero: the network requires encryption
    int32_t Rssi;      // dBm
    uint32_t NetworkTypeInUse;
    NDIS_802_11_CONFIGURATION Configuration;
    uint32_t InfrastructureMode;
    uint8_t SupportedRates[8];
};
static_assert(sizeof(NDIS_WLAN_BSSID) == 104, "BSSID list entry is 104 bytes");
static_assert(offsetof(NDIS_WLAN_BSSID, Ssid) == 12, "entry SSID at 12");
static_assert(offsetof(NDIS_WLAN_BSSID, Privacy) == 48, "entry Privacy at 48");
static_assert(offsetof(NDIS_WLAN_BSSID, Rssi) == 52, "entry Rssi at 52");
static_assert(offsetof(NDIS_WLAN_BSSID, Configuration) == 60, "entry Configuration at 60");
static_assert(offsetof(NDIS_WLAN_BSSID, InfrastructureMode) == 92, "entry mode at 92");
static_assert(offsetof(NDIS_WLAN_BSSID, SupportedRates) == 96, "entry rates at 96");

// NDIS_802_11_BSSID_LIST: NumberOfItems, then the entries.
constexpr uint32_t NDIS_802_11_BSSID_LIST_HEADER_SIZE = 4;

// NetworkTypeInUse values of a list entry.
constexpr uint32_t Ndis802_11DS = 1;
constexpr uint32_t Ndis802_11OFDM5 = 2;
constexpr uint32_t Ndis802_11OFDM24 = 3;

// ---- Channel plan ------------------------------------------------------------------------
// 2.4 GHz channel plan: index = channel number, value = centre frequency in kHz;
// index 0 holds 0 so that a lookup of an unknown frequency can land there.
constexpr int kChannelTableSize = 15;
constexpr uint32_t ChannelFrequencyTable[kChannelTableSize] = {
    0,       2412000, 2417000, 2422000, 2427000, 2432000, 2437000, 2442000,
    2447000, 2452000, 2457000, 2462000, 2467000, 2472000, 2484000,
};
// 5 GHz channels are numbered in 5 MHz steps from 5000 MHz.
constexpr uint32_t k5GHzBaseKHz = 5000000;
constexpr uint32_t k5GHzBaseMHz = 5000;
constexpr uint32_t k5GHzStepMHz = 5;
constexpr uint32_t kKHzPerMHz = 1000;
// A frequency that names no channel.
constexpr int kNoChannel = -1;

constexpr bool IsTunableChannel(int channel) { return channel >= 1 && channel < kChannelTableSize; }

// Frequency of channel 1-14 in kHz; 0 for any other number.
constexpr uint32_t ChannelToFrequency(int channel) {
    return IsTunableChannel(channel) ? ChannelFrequencyTable[channel] : 0;
}

// The reverse: a frequency's index in the table (so 0 kHz is channel 0), kNoChannel when
// it is not there. Only 1-14 are channels the radio can tune to.
constexpr int FrequencyToChannel(uint32_t kHz) {
    for (int i = 0; i < kChannelTableSize; ++i)
        if (ChannelFrequencyTable[i] == kHz) return i;
    return kNoChannel;
}

// A channel number for any frequency a scan may report: above 5000000 kHz the 5 GHz
// numbering, below it the table.
constexpr int ChannelOfFrequency(uint32_t kHz) {
    if (kHz > k5GHzBaseKHz) return int((kHz / kKHzPerMHz - k5GHzBaseMHz) / k5GHzStepMHz);
    return FrequencyToChannel(kHz);
}
