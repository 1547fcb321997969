#include "adapter/private_command.h"

#include <cstring>
#include <new>

namespace {
constexpr bool kLittleEndian = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__;

void PutLe32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}
[[maybe_unused]] uint32_t GetLe32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
}  // namespace

void BuildPrivatePacket(const PrivateCommandRecord& record, uint8_t* packet) {
    std::memcpy(packet + kPrivatePacketSignatureOffset, kPrivatePacketSignature, 4);
    packet[kPrivatePacketLengthOffset] = static_cast<uint8_t>(kPrivateCommandBytes & 0xFF);
    packet[kPrivatePacketLengthOffset + 1] = static_cast<uint8_t>(kPrivateCommandBytes >> 8);
    packet[kPrivatePacketLengthOffset + 2] = 0;
    packet[kPrivatePacketLengthOffset + 3] = 0;
    PutLe32(packet + kPrivatePacketMagicOffset, kPrivatePacketMagic);
    if (kLittleEndian) {
        // The payload's layout is the record's own in memory: one copy.
        std::memcpy(packet + kPrivatePacketPayloadOffset, record.data(), kPrivateCommandBytes);
    } else {
        for (uint32_t i = 0; i < kPrivateCommandWords; ++i)
            PutLe32(packet + kPrivatePacketPayloadOffset + 4 * i, record[i]);
    }
    PutLe32(packet + kPrivatePacketTrailerOffset, kPrivatePacketTrailer);
}

void ReadPrivatePacketPayload(const uint8_t* packet, PrivateCommandRecord& record) {
    if (kLittleEndian) {
        std::memcpy(record.data(), packet + kPrivatePacketPayloadOffset, kPrivateCommandBytes);
        return;
    }
    for (uint32_t i = 0; i < kPrivateCommandWords; ++i)
        record[i] = GetLe32(packet + kPrivatePacketPayloadOffset + 4 * i);
}

PrivateChannel::~PrivateChannel() {
    if (event_ != 0) library_.CloseSignalEvent(event_);
}

EventHandle PrivateChannel::Event() {
    if (event_ != 0) return event_;
    event_ = library_.CreateSignalEvent(kPrivateChannelEventName);
    // The name may open an event another part of the process left signalled: reset it
    // once, when made. From then on each request clears it when it starts.
    if (event_ != 0) library_.ResetSignalEvent(event_);
    return event_;
}

uint8_t* PrivateChannel::Packet() {
    if (!packet_) packet_.reset(new (std::nothrow) uint8_t[kPrivatePacketBytes]);
    return packet_.get();
}

PrivateCommandRecord* PrivateChannel::SnapshotRecord() {
    if (!record_) record_.reset(new (std::nothrow) PrivateCommandRecord());
    return record_.get();
}
