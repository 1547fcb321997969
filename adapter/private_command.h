#pragma once
// The vendor-private command channel: a 3844-word command record travels to the driver
// inside a 15392-byte packet on OID 0xFFA0C90A, and comes back with the reply.

#include <array>
#include <cstdint>

constexpr uint32_t kPrivateCommandWords = 3844;
constexpr uint32_t kPrivateCommandBytes = kPrivateCommandWords * 4;   // 15376 = 0x3C10
constexpr uint32_t kPrivatePacketBytes = kPrivateCommandBytes + 16;   // 15392

// Packet layout, little-endian.
constexpr uint32_t kPrivatePacketSignatureOffset = 0;  // "YA6I"
constexpr uint32_t kPrivatePacketLengthOffset = 4;     // 16-bit payload length, then 16-bit 0
constexpr uint32_t kPrivatePacketMagicOffset = 8;
constexpr uint32_t kPrivatePacketPayloadOffset = 12;
constexpr uint32_t kPrivatePacketTrailerOffset = 12 + kPrivateCommandBytes;  // 15388
constexpr uint32_t kPrivatePacketMagic = 0x55AA55EE;
constexpr uint32_t kPrivatePacketTrailer = 0xAA55AA11;
constexpr char kPrivatePacketSignature[4] = {'Y', 'A', '6', 'I'};

// Word 1 of the command record: the program sends 4; the driver answers 2 when it
// carried the command out (3 for a command it does not know).
constexpr uint32_t kPrivateStatusRequest = 4;
constexpr uint32_t kPrivateStatusDone = 2;
constexpr uint32_t kPrivateStatusUnknown = 3;

// Commands and the reply words they fill.
constexpr uint32_t kPrivateCmdLinkQuality = 353;  // word 2: link quality, 25 = full
constexpr uint32_t kPrivateCmdTraffic = 880;      // word 7: bytes sent; word 13: bytes received
constexpr uint32_t kPrivateCmdRegion = 2193;      // word 2: regulatory region code
constexpr uint32_t kPrivateCmdVersion = 16;       // words 4-7: version numbers

// Name of the channel's event, created around each command and closed after it.
constexpr const char* kPrivateChannelEventName = "OiderComOverlappedEvent";

using PrivateCommandRecord = std::array<uint32_t, kPrivateCommandWords>;

// Writes the packet for `record` into `packet` (kPrivatePacketBytes long).
void BuildPrivatePacket(const PrivateCommandRecord& record, uint8_t* packet);
// Copies the payload of `packet` (kPrivatePacketBytes long) back into `record`.
void ReadPrivatePacketPayload(const uint8_t* packet, PrivateCommandRecord& record);
