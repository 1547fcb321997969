#pragma once
// A library that forwards to the simulated one but lets a test see every byte of a
// request and put words in the driver's mouth: a reply shorter than asked, a record that
// lies about its length, a status the simulated driver would not give.
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "adapter/adapter_library.h"
#include "sim/sim_adapter_library.h"

class ScriptedLibrary : public AdapterLibrary {
public:
    explicit ScriptedLibrary(SimAdapterLibrary& sim) : sim_(sim) {}

    struct Seen {
        uint32_t type, oid, length;
        std::vector<uint8_t> bytes;  // every byte handed in
    };
    std::vector<Seen> seen;
    // Return true to answer the request yourself (status in `status`).
    std::function<bool(NdisRequest&, uint32_t& status)> answer;
    // Replaces the enumeration texts: (entry, buffer, length, isDeviceName) -> rc.
    std::function<uint32_t(char*, uint32_t*, bool)> entryText;
    bool failEnumeration = false;

    LibHandle OpenEnumeration9x(uint32_t flags) override {
        return failEnumeration ? kNoHandle : sim_.OpenEnumeration9x(flags);
    }
    LibHandle OpenEnumerationNt() override { return failEnumeration ? kNoHandle : sim_.OpenEnumerationNt(); }
    void CloseEnumeration(LibHandle e) override { sim_.CloseEnumeration(e); }
    LibHandle FirstEntry(LibHandle e) override { return sim_.FirstEntry(e); }
    LibHandle NextEntry(LibHandle e) override { return sim_.NextEntry(e); }
    void ReleaseEntry(LibHandle e) override { sim_.ReleaseEntry(e); }
    uint32_t EntryDescription(LibHandle e, char* b, uint32_t* l) override {
        return entryText ? entryText(b, l, false) : sim_.EntryDescription(e, b, l);
    }
    uint32_t EntryDeviceName(LibHandle e, char* b, uint32_t* l) override {
        return entryText ? entryText(b, l, true) : sim_.EntryDeviceName(e, b, l);
    }
    LibHandle OpenAdapter(const std::string& name) override { return sim_.OpenAdapter(name); }
    void CloseAdapter(LibHandle a) override { sim_.CloseAdapter(a); }
    uint32_t MakeNdisRequest(LibHandle a, NdisRequest& r, EventHandle ev) override {
        const uint8_t* in = static_cast<const uint8_t*>(r.buffer);
        seen.push_back({r.requestType, r.oid, r.bufferLength,
                        in ? std::vector<uint8_t>(in, in + r.bufferLength) : std::vector<uint8_t>()});
        uint32_t status = 0;
        if (answer && answer(r, status)) return status;
        return sim_.MakeNdisRequest(a, r, ev);
    }
    std::string GetNetCardRegistryPath() override { return sim_.GetNetCardRegistryPath(); }
    EventHandle CreateSignalEvent(const std::string& n) override { return sim_.CreateSignalEvent(n); }
    void ResetSignalEvent(EventHandle e) override { sim_.ResetSignalEvent(e); }
    void CloseSignalEvent(EventHandle e) override { sim_.CloseSignalEvent(e); }

private:
    SimAdapterLibrary& sim_;
};
