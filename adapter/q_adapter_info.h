#pragma once
// QAdapterInfo: one network adapter of the machine, its open handle and request event,
// and the snapshot of its link that the pages show.
//
// A record reaches the adapter library, the clock and the OS version through the
// AdapterContext it is made with (adapter_context.h); QAdapterList passes its own.
// Records are not copyable; CopyFrom copies the descriptive fields and the snapshot.

#include <cstdint>
#include <string>

#include "adapter/adapter_context.h"
#include "adapter/adapter_library.h"
#include "adapter/ndis.h"
#include "adapter/private_command.h"

class QAdapterInfo {
public:
    // Default constructor: texts "Unknown", createdTick = now, not valid, closed.
    explicit QAdapterInfo(AdapterContext& context);
    // Enumerating constructor: reads the entry's description (ordinal 55) and device
    // name (ordinal 57); `valid` is set only when both were read and are non-empty.
    QAdapterInfo(AdapterContext& context, LibHandle entry);
    // Closes the adapter and the request event if open.
    virtual ~QAdapterInfo();

    QAdapterInfo(const QAdapterInfo&) = delete;
    QAdapterInfo& operator=(const QAdapterInfo&) = delete;

    virtual const char* GetRuntimeClassName() const { return "QAdapterInfo"; }

    // Copies the descriptive fields and the snapshot (not linkQuality, versionText,
    // regionCode, txBytes, rxBytes, bssidText); this record ends up closed, no event.
    void CopyFrom(const QAdapterInfo& other);

    // Opens the adapter, asks whether it is a wireless LAN adapter and whether it
    // answers the SSID query, then closes it again. Does nothing until probeDelay ms
    // after createdTick. Returns isWireless.
    bool Probe();
    // Probe(), then ssidAnswered: only such an adapter can be the current one.
    bool IsUsable();
    // Reads macAddress / macText. False only when the adapter cannot be opened.
    bool ReadMacAddress();
    // The link snapshot: frame counters, media state and, for an adapter that answered
    // its SSID query, SSID, BSSID, RSSI and the private-command values. False (nothing
    // changed) when the adapter cannot be opened. Leaves the adapter open. A media state
    // the driver does not tell reads as disconnected; an RSSI it does not tell keeps
    // the last one.
    bool RefreshStatus();

    const std::string& GetDescription() const { return description; }
    const std::string& GetDeviceName() const { return deviceName; }
    const std::string& GetSsidText() const { return ssidText; }
    const std::string& GetMacText() const { return macText; }
    // The interface GUID at the end of deviceName ("{...}", 38 characters), or "" when
    // the name is too short or does not end that way.
    std::string GetInterfaceGuid() const;
    // Formats bssid as "00-11-22-33-44-55", or "Not Available" before the adapter
    // answered its SSID query; stores and returns it.
    const std::string& GetBssidText();

    // ---- Requests (open the adapter lazily; see adapter/ndis.h for OIDs) ----
    // Success when the driver returns status 0; a query of OID_802_11_BSSID_LIST also
    // succeeds with NDIS_STATUS_INVALID_LENGTH or NDIS_STATUS_BUFFER_TOO_SHORT, so a
    // caller can learn the list's size. On success *bytesNeeded and *bytesWritten (when
    // not null) get the driver's bytes-needed and bytes written (bytes read, for a set);
    // on failure both are left alone. Callers that read a value out of the buffer go
    // through the typed queries of adapter/ndis_queries.h, which check the length.
    bool QueryInformation(uint32_t oid, void* buffer, uint32_t length, uint32_t* bytesNeeded,
                          uint32_t* bytesWritten = nullptr);
    bool SetInformation(uint32_t oid, const void* buffer, uint32_t length, uint32_t* bytesNeeded,
                        uint32_t* bytesRead = nullptr);

    // Sends record (word 0 command, word 1 = 4 set by the caller) through the private
    // channel; true when the driver answered with word 1 = 2. On a rejected request the
    // record is unchanged. The adapter must already be open (RefreshStatus opens it).
    bool SendPrivateCommand(PrivateCommandRecord& record);

    // ---- Fields, in the system's order ----
    std::string description;
    std::string deviceName;   // ends with the interface GUID in braces
    bool valid = false;
    uint32_t createdTick = 0;
    uint32_t probeDelay = 0;  // 5000 ms on the 9x family, else 0
    bool isWireless = false;
    bool ssidAnswered = false;
    NDIS_802_11_SSID ssid{};
    std::string ssidText;
    uint8_t bssid[8] = {};
    int32_t rssi = 0;
    int32_t linkQuality = 0;  // 25 = full
    std::string versionText;
    uint32_t regionCode = 0;
    uint32_t txBytes = 0;
    uint32_t rxBytes = 0;
    bool macValid = false;
    uint8_t macAddress[8] = {};
    std::string macText;
    uint32_t xmitOk = 0;
    uint32_t rcvOk = 0;
    // No link until the driver has said otherwise.
    uint32_t mediaState = NdisMediaStateDisconnected;
    std::string bssidText;
    LibHandle adapterHandle = kNoHandle;
    EventHandle requestEvent = 0;  // the event of the record's OVERLAPPED

private:
    // Opens the adapter by deviceName and creates the request event when absent.
    bool OpenLazily();
    // Closes handle and event, leaving them -1 / 0.
    void CloseAdapterAndEvent();
    bool Request(uint32_t type, uint32_t oid, void* buffer, uint32_t length, uint32_t* bytesNeeded,
                 uint32_t* bytesWritten);
    void InitialiseSnapshot();

    AdapterContext* context_;
};

// "%*.*s" with SsidLength as width and precision: at most 32 bytes (whatever the record
// claims), ending at a zero byte, padded on the left with spaces to min(SsidLength, 32).
std::string FormatSsidText(const NDIS_802_11_SSID& ssid);
// Six bytes as "%2.2X<sep>%2.2X..." ("." for MAC texts, "-" for BSSID texts).
std::string FormatMacBytes(const uint8_t* bytes, char separator);
