#pragma once
// The vendor-private command channel: a 3844-word command record travels to the driver
// inside a 15392-byte packet on OID 0xFFA0C90A, and comes back with the reply.

#include <array>
#include <cstdint>
#include <memory>

#include "adapter/adapter_library.h"

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

// Name of the channel's event.
constexpr const char* kPrivateChannelEventName = "OiderComOverlappedEvent";

using PrivateCommandRecord = std::array<uint32_t, kPrivateCommandWords>;

// Writes the packet for `record` into `packet` (kPrivatePacketBytes long).
void BuildPrivatePacket(const PrivateCommandRecord& record, uint8_t* packet);
// Copies the payload of `packet` (kPrivatePacketBytes long) back into `record`.
void ReadPrivatePacketPayload(const uint8_t* packet, PrivateCommandRecord& record);

// What the channel needs beside a command: its named event, its packet and a record for
// the link snapshot's commands. Commands come five a second, one at a time from the
// user-interface thread, for the whole life of the program, so each is made by the first
// command that needs it and kept, not made and freed around every command. A part that
// cannot be made is asked for again by the next command.
class PrivateChannel {
public:
    explicit PrivateChannel(AdapterLibrary& library) : library_(library) {}
    ~PrivateChannel();
    PrivateChannel(const PrivateChannel&) = delete;
    PrivateChannel& operator=(const PrivateChannel&) = delete;

    // The event "OiderComOverlappedEvent", made and reset on first use and kept; 0 when it
    // cannot be made.
    EventHandle Event();
    // A kPrivatePacketBytes buffer, or null when there is no memory for it.
    uint8_t* Packet();
    // A record for the snapshot's commands, or null when there is no memory for it.
    PrivateCommandRecord* SnapshotRecord();

private:
    AdapterLibrary& library_;
    EventHandle event_ = 0;
    std::unique_ptr<uint8_t[]> packet_;
    std::unique_ptr<PrivateCommandRecord> record_;
};
