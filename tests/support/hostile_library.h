#pragma once
// A driver that lies: in front of the simulated library, it answers some requests
// itself from a stream of bytes (a fuzzer's input): any status, a buffer filled with
// those bytes, bytes written and needed anywhere from nothing to more than asked. The
// rest go to the simulator. Every set request is checked as it is made
// (request_shapes.h); the first fault found is kept in `fault`.
#include <cstdint>
#include <functional>
#include <string>

#include "adapter/adapter_library.h"
#include "sim/sim_adapter_library.h"
#include "support/request_shapes.h"

class HostileLibrary : public AdapterLibrary {
public:
    // `nextByte` gives the next byte of the stream (0 once it is used up, which hands
    // every request to the simulator).
    HostileLibrary(SimAdapterLibrary& sim, std::function<uint8_t()> nextByte)
        : sim_(sim), next_(std::move(nextByte)) {}

    std::string fault;
    int sets = 0;

    LibHandle OpenEnumeration9x(uint32_t flags) override { return sim_.OpenEnumeration9x(flags); }
    LibHandle OpenEnumerationNt() override { return sim_.OpenEnumerationNt(); }
    void CloseEnumeration(LibHandle e) override { sim_.CloseEnumeration(e); }
    LibHandle FirstEntry(LibHandle e) override { return sim_.FirstEntry(e); }
    LibHandle NextEntry(LibHandle e) override { return sim_.NextEntry(e); }
    void ReleaseEntry(LibHandle e) override { sim_.ReleaseEntry(e); }
    uint32_t EntryDescription(LibHandle e, char* b, uint32_t* l) override { return sim_.EntryDescription(e, b, l); }
    uint32_t EntryDeviceName(LibHandle e, char* b, uint32_t* l) override { return sim_.EntryDeviceName(e, b, l); }
    LibHandle OpenAdapter(const std::string& name) override { return sim_.OpenAdapter(name); }
    void CloseAdapter(LibHandle a) override { sim_.CloseAdapter(a); }
    std::string GetNetCardRegistryPath() override { return sim_.GetNetCardRegistryPath(); }
    EventHandle CreateSignalEvent(const std::string& n) override { return sim_.CreateSignalEvent(n); }
    void ResetSignalEvent(EventHandle e) override { sim_.ResetSignalEvent(e); }
    void CloseSignalEvent(EventHandle e) override { sim_.CloseSignalEvent(e); }

    uint32_t MakeNdisRequest(LibHandle a, NdisRequest& r, EventHandle ev) override {
        if (r.requestType == NdisRequestSetInformation) {
            ++sets;
            const std::string f = setRequestFault(r.oid, static_cast<const uint8_t*>(r.buffer), r.bufferLength);
            if (!f.empty() && fault.empty()) fault = f;
        }
        const uint8_t how = next_();
        if (how < kLieFrom) return sim_.MakeNdisRequest(a, r, ev);
        // A lie: the status, then how much the driver claims, then the bytes.
        static const uint32_t kStatuses[] = {0, 0, 0, kStatusFailure, kStatusBufferTooShort, kStatusInvalidLength};
        const uint32_t status = kStatuses[next_() % (sizeof kStatuses / sizeof kStatuses[0])];
        const uint32_t scale = 2 * r.bufferLength + 8;
        r.bytesWritten = (uint32_t(next_()) << 8 | next_()) % scale;
        r.bytesNeeded = (uint32_t(next_()) << 8 | next_()) % scale;
        if (r.requestType == NdisRequestQueryInformation && r.buffer) {
            // A driver writes into the buffer it was given, never beyond it.
            uint8_t* out = static_cast<uint8_t*>(r.buffer);
            const uint32_t fill = r.bytesWritten < r.bufferLength ? r.bytesWritten : r.bufferLength;
            for (uint32_t i = 0; i < fill; ++i) out[i] = next_();
        }
        return status;
    }

private:
    static constexpr uint8_t kLieFrom = 0xA0;   // about three requests in eight lie
    static constexpr uint32_t kStatusFailure = 0xC0000001u;
    static constexpr uint32_t kStatusBufferTooShort = 0xC0010016u;
    static constexpr uint32_t kStatusInvalidLength = 0xC0010014u;
    SimAdapterLibrary& sim_;
    std::function<uint8_t()> next_;
};
