#pragma once
// Typed queries over QAdapterInfo::QueryInformation: one per kind of value the program
// reads out of a driver's answer. Each reads into a zeroed local and hands the value
// over only when the driver reported success AND wrote at least the bytes the value
// takes; otherwise it returns false and leaves `out` as it was.
//
// Why the length: the status alone says nothing about the buffer. Drivers have been
// seen to answer success with 0 bytes written (a media-connect reply that would read as
// "connected") or with half a MAC address, and what is in the buffer then is what we
// put there, not an answer.

#include <cstdint>
#include <vector>

#include "adapter/ndis.h"

class QAdapterInfo;

// A 32-bit value: at least 4 bytes.
bool QueryU32(QAdapterInfo& adapter, uint32_t oid, uint32_t& out);
bool QueryI32(QAdapterInfo& adapter, uint32_t oid, int32_t& out);
// A MAC address (OID_802_3_CURRENT_ADDRESS, OID_802_11_BSSID), asked with 8 bytes: at
// least the 6 of the address. Bytes 6 and 7 of `out` are whatever the driver put there.
bool QueryAddress(QAdapterInfo& adapter, uint32_t oid, uint8_t (&out)[8]);
// OID_802_11_SSID: the whole 36-byte record.
bool QuerySsid(QAdapterInfo& adapter, NDIS_802_11_SSID& out);
// OID_802_11_CONFIGURATION: the whole 32-byte record, its Length set to those 32 bytes,
// ready to be sent back.
bool QueryConfiguration(QAdapterInfo& adapter, NDIS_802_11_CONFIGURATION& out);

// OID_802_11_BSSID_LIST in two steps: a 4-byte query learns the size the driver needs,
// a second query of that size reads the list. `out` gets exactly the bytes the driver
// wrote, which always hold at least the NumberOfItems header; a walk of the entries must
// stay inside them. False, `out` untouched, when either query fails, the answer is
// shorter than the header, or the driver asks for more than kMaxBssidListBytes.
constexpr uint32_t kMaxBssidListBytes = 1u << 20;  // some ten thousand entries
bool QueryBssidList(QAdapterInfo& adapter, std::vector<uint8_t>& out);
