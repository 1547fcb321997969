#pragma once
// Typed set requests over QAdapterInfo::SetInformation, beside the typed queries of
// adapter/ndis_queries.h: one per kind of record the program hands the driver. Each
// builds its record in full (what the program leaves unsaid is zero) and returns the
// request's success.

#include <cstdint>
#include <string>
#include <vector>

#include "adapter/ndis.h"

class QAdapterInfo;

// A 32-bit value, 4 bytes (mode, authentication, WEP status, privacy filter, a key slot
// to remove, the value a disassociation ignores).
bool SetU32(QAdapterInfo& adapter, uint32_t oid, uint32_t value);
// OID_802_11_SSID: the text's bytes, cut to the record's 32, in the 36-byte record.
bool SetSsid(QAdapterInfo& adapter, const std::string& text);
// OID_802_11_CONFIGURATION: the whole 32-byte record.
bool SetConfiguration(QAdapterInfo& adapter, const NDIS_802_11_CONFIGURATION& record);
// The ad-hoc channel: the driver's configuration, read whole, goes back with DSConfig
// set to the channel's frequency; a channel off the plan keeps the frequency the driver
// reported. Nothing is sent when the read fails: the driver's other settings would go
// back as zeros. False then, or when the driver refuses the set.
bool SetChannel(QAdapterInfo& adapter, int channel);
// OID_802_11_ADD_WEP: the 12-byte header (Length = 12 + key bytes, `keyIndex` as the
// driver reads it: bit 31 the transmit key, the low bits the slot) and the key bytes.
// Only a 5- or 13-byte key is sent; false for any other length.
bool AddWep(QAdapterInfo& adapter, uint32_t keyIndex, const std::vector<uint8_t>& key);
// OID_802_11_BSSID_LIST_SCAN: a set that hands over no bytes.
bool StartScan(QAdapterInfo& adapter);
