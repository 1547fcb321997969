#include "adapter/q_adapter_info.h"

#include <cstdio>
#include <cstring>

#include "adapter/ndis_queries.h"

namespace {
constexpr uint32_t kNameBufferSize = 256;
constexpr uint32_t kProbeDelay9x = 5000;
const char* const kUnknown = "Unknown";
const char* const kNotAvailable = "Not Available";

// Reads one enumeration text (ordinal 55 or 57). The library is trusted with neither the
// terminating zero nor the length it returns: the text ends at the first zero byte or
// at the buffer's end, whichever comes first.
template <typename Reader>
bool ReadEntryText(Reader reader, std::string& out) {
    char buffer[kNameBufferSize + 1] = {};
    uint32_t length = kNameBufferSize;
    if (reader(buffer, &length) != 0) return false;
    if (static_cast<int32_t>(length) <= 0) return false;
    out.assign(buffer, strnlen(buffer, kNameBufferSize));
    return !out.empty();
}
}  // namespace

std::string FormatSsidText(const NDIS_802_11_SSID& ssid) {
    // A driver may claim more than the record holds; never look past its 32 bytes.
    const uint32_t width = ssid.SsidLength < NDIS_802_11_MAX_SSID ? ssid.SsidLength : NDIS_802_11_MAX_SSID;
    size_t used = 0;
    while (used < width && ssid.Ssid[used] != 0) ++used;
    std::string text(width - used, ' ');
    text.append(reinterpret_cast<const char*>(ssid.Ssid), used);
    return text;
}

std::string FormatMacBytes(const uint8_t* b, char sep) {
    char text[32];
    std::snprintf(text, sizeof text, "%2.2X%c%2.2X%c%2.2X%c%2.2X%c%2.2X%c%2.2X", b[0], sep, b[1], sep, b[2],
                  sep, b[3], sep, b[4], sep, b[5]);
    return text;
}

QAdapterInfo::QAdapterInfo(AdapterContext& context) : context_(&context) {
    description = kUnknown;
    deviceName = kUnknown;
    InitialiseSnapshot();
}

QAdapterInfo::QAdapterInfo(AdapterContext& context, LibHandle entry) : context_(&context) {
    AdapterLibrary& lib = context.library();
    std::string name;
    std::string desc;
    if (!ReadEntryText([&](char* b, uint32_t* l) { return lib.EntryDescription(entry, b, l); }, desc)) return;
    description = desc;
    if (!ReadEntryText([&](char* b, uint32_t* l) { return lib.EntryDeviceName(entry, b, l); }, name)) return;
    deviceName = name;
    InitialiseSnapshot();
    valid = true;
}

void QAdapterInfo::InitialiseSnapshot() {
    createdTick = context_->desktop().tickCount();
    probeDelay = context_->IsWin9xFamily() ? kProbeDelay9x : 0;
    isWireless = false;
    ssidAnswered = false;
    macValid = false;
    xmitOk = 0;
    rcvOk = 0;
    mediaState = NdisMediaStateDisconnected;
    macText = kUnknown;
    ssidText = kUnknown;
}

QAdapterInfo::~QAdapterInfo() { CloseAdapterAndEvent(); }

void QAdapterInfo::CopyFrom(const QAdapterInfo& other) {
    if (&other == this) return;
    // Whatever this record had open would be lost with the handle: close it first.
    CloseAdapterAndEvent();
    description = other.description;
    deviceName = other.deviceName;
    valid = other.valid;
    createdTick = other.createdTick;
    probeDelay = other.probeDelay;
    isWireless = other.isWireless;
    ssidAnswered = other.ssidAnswered;
    macValid = other.macValid;
    std::memcpy(macAddress, other.macAddress, sizeof macAddress);
    macText = other.macText;
    ssid = other.ssid;
    ssidText = other.ssidText;
    std::memcpy(bssid, other.bssid, sizeof bssid);
    rssi = other.rssi;
    xmitOk = other.xmitOk;
    rcvOk = other.rcvOk;
    mediaState = other.mediaState;
}

std::string QAdapterInfo::GetInterfaceGuid() const {
    constexpr size_t kGuidText = 38;
    if (deviceName.size() < kGuidText) return std::string();
    const std::string tail = deviceName.substr(deviceName.size() - kGuidText);
    if (tail.front() != '{' || tail.back() != '}') return std::string();
    return tail;
}

bool QAdapterInfo::OpenLazily() {
    AdapterLibrary& lib = context_->library();
    if (adapterHandle == kNoHandle) {
        adapterHandle = lib.OpenAdapter(deviceName);
        if (adapterHandle == kNoHandle) return false;
    }
    if (requestEvent == 0) {
        requestEvent = lib.CreateSignalEvent(std::string());
        if (requestEvent == 0) return false;
    }
    return true;
}

void QAdapterInfo::CloseAdapterAndEvent() {
    AdapterLibrary& lib = context_->library();
    if (adapterHandle != kNoHandle) {
        lib.CloseAdapter(adapterHandle);
        adapterHandle = kNoHandle;
    }
    if (requestEvent != 0) {
        lib.CloseSignalEvent(requestEvent);
        requestEvent = 0;
    }
}

bool QAdapterInfo::Request(uint32_t type, uint32_t oid, void* buffer, uint32_t length, uint32_t* bytesNeeded,
                           uint32_t* bytesWritten) {
    if (!OpenLazily()) return false;
    NdisRequest request;
    request.requestType = type;
    request.oid = oid;
    request.buffer = buffer;
    request.bufferLength = length;
    request.bytesWritten = 0;
    request.bytesNeeded = 0;
    const uint32_t status = context_->library().MakeNdisRequest(adapterHandle, request, requestEvent);
    bool ok = status == NDIS_STATUS_SUCCESS;
    // The BSSID list is asked for with a small buffer first to learn its size, so the
    // driver's "too short" answers count as success there (and only there).
    if (type == NdisRequestQueryInformation && oid == OID_802_11_BSSID_LIST &&
        (status == NDIS_STATUS_INVALID_LENGTH || status == NDIS_STATUS_BUFFER_TOO_SHORT))
        ok = true;
    if (!ok) return false;
    if (bytesNeeded) *bytesNeeded = request.bytesNeeded;
    if (bytesWritten) *bytesWritten = request.bytesWritten;
    return true;
}

bool QAdapterInfo::QueryInformation(uint32_t oid, void* buffer, uint32_t length, uint32_t* bytesNeeded,
                                    uint32_t* bytesWritten) {
    return Request(NdisRequestQueryInformation, oid, buffer, length, bytesNeeded, bytesWritten);
}

bool QAdapterInfo::SetInformation(uint32_t oid, const void* buffer, uint32_t length, uint32_t* bytesNeeded,
                                  uint32_t* bytesRead) {
    // The driver only reads a set's buffer.
    return Request(NdisRequestSetInformation, oid, const_cast<void*>(buffer), length, bytesNeeded, bytesRead);
}

bool QAdapterInfo::ReadMacAddress() {
    if (!OpenLazily()) return false;
    if (QueryAddress(*this, OID_802_3_CURRENT_ADDRESS, macAddress)) {
        macValid = true;
        macText = FormatMacBytes(macAddress, '.');
    }
    return true;
}

bool QAdapterInfo::Probe() {
    // Elapsed time rather than createdTick + probeDelay, so the wait also holds across the
    // tick counter's wrap.
    const uint32_t now = context_->desktop().tickCount();
    if (now - createdTick < probeDelay) return isWireless;

    if (OpenLazily()) {
        uint32_t medium = 0;
        if (QueryU32(*this, OID_GEN_PHYSICAL_MEDIUM, medium) && medium == NdisPhysicalMediumWirelessLan) {
            isWireless = true;
            ReadMacAddress();
            if (QuerySsid(*this, ssid)) {
                ssidAnswered = true;
                ssidText = FormatSsidText(ssid);
            }
        }
    }
    CloseAdapterAndEvent();
    return isWireless;
}

bool QAdapterInfo::IsUsable() {
    Probe();
    return ssidAnswered;
}

bool QAdapterInfo::RefreshStatus() {
    if (!OpenLazily()) return false;

    QueryU32(*this, OID_GEN_RCV_OK, rcvOk);
    QueryU32(*this, OID_GEN_XMIT_OK, xmitOk);
    // A driver that will not say whether there is a link has none we could use; reading
    // its silence as "connected" would stop the profile search and show a dead link up.
    if (!QueryU32(*this, OID_GEN_MEDIA_CONNECT_STATUS, mediaState)) mediaState = NdisMediaStateDisconnected;
    if (!ssidAnswered) return true;

    if (QuerySsid(*this, ssid)) ssidText = FormatSsidText(ssid);
    if (!QueryAddress(*this, OID_802_11_BSSID, bssid)) std::memset(bssid, 0, sizeof bssid);
    // 0 dBm would show as the strongest signal there is: an unanswered RSSI keeps the last.
    QueryI32(*this, OID_802_11_RSSI, rssi);

    // A command that fails leaves its field as it was.
    PrivateCommandRecord* record = context_->privateChannel().SnapshotRecord();
    if (!record) return true;
    // Each snapshot starts from a blank record, whatever the last one's replies left in it.
    record->fill(0);
    auto send = [&](uint32_t command) {
        (*record)[0] = command;
        (*record)[1] = kPrivateStatusRequest;
        return SendPrivateCommand(*record);
    };
    if (send(kPrivateCmdLinkQuality)) linkQuality = static_cast<int32_t>((*record)[2]);
    if (send(kPrivateCmdTraffic)) txBytes = (*record)[7];
    if (send(kPrivateCmdTraffic)) rxBytes = (*record)[13];
    if (send(kPrivateCmdRegion)) regionCode = (*record)[2];
    if (send(kPrivateCmdVersion)) {
        char text[64];
        std::snprintf(text, sizeof text, "%d.%d.%d.%d", static_cast<int>((*record)[4]),
                      static_cast<int>((*record)[5]), static_cast<int>((*record)[6]),
                      static_cast<int>((*record)[7]));
        versionText = text;
    }
    return true;
}

const std::string& QAdapterInfo::GetBssidText() {
    bssidText = ssidAnswered ? FormatMacBytes(bssid, '-') : std::string(kNotAvailable);
    return bssidText;
}

bool QAdapterInfo::SendPrivateCommand(PrivateCommandRecord& record) {
    // The channel never opens the adapter itself; without a handle there is nobody to ask.
    if (adapterHandle == kNoHandle) return false;
    AdapterLibrary& lib = context_->library();
    PrivateChannel& channel = context_->privateChannel();
    const EventHandle channelEvent = channel.Event();
    // The channel resets its event once, when made; a reset before each of the five
    // commands a second would only add a trip to the kernel.
    if (channelEvent == 0) return false;
    uint8_t* packet = channel.Packet();
    if (!packet) return false;
    BuildPrivatePacket(record, packet);

    NdisRequest request;
    request.requestType = NdisRequestQueryInformation;
    request.oid = OID_PRIVATE_COMMAND;
    request.buffer = packet;
    request.bufferLength = kPrivatePacketBytes;
    const uint32_t status = lib.MakeNdisRequest(adapterHandle, request, channelEvent);
    if (status == NDIS_STATUS_SUCCESS) ReadPrivatePacketPayload(packet, record);
    return status == NDIS_STATUS_SUCCESS && record[1] == kPrivateStatusDone;
}
