#pragma once
// AdapterLibrary double that records every request (kind, OID, length, bytes handed
// over) and answers from a small rule set the test controls: a status per OID (and per
// REMOVE_WEP slot), and the record a CONFIGURATION query returns. No enumeration: pair
// it with a QAdapterInfo made directly on an AdapterContext.
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "adapter/adapter_library.h"
#include "adapter/ndis.h"

class RecordingAdapterLibrary : public AdapterLibrary {
public:
    struct Request {
        uint32_t type;
        uint32_t oid;
        uint32_t length;
        std::vector<uint8_t> bytes;  // the buffer as handed over (sets) or in (queries)
        uint32_t u32() const {       // the first 32-bit value, little-endian
            uint32_t v = 0;
            std::memcpy(&v, bytes.data(), bytes.size() < 4 ? bytes.size() : 4);
            return v;
        }
    };

    std::vector<Request> log;
    std::map<uint32_t, uint32_t> statusForOid;      // default: success
    std::map<uint32_t, uint32_t> removeWepStatus;   // by slot, overrides statusForOid
    NDIS_802_11_CONFIGURATION configuration{32, 100, 0, 2412000, {32, 0, 0, 0}};
    bool openFails = false;
    int opens = 0;

    // OIDs in request order, for quick sequence checks.
    std::vector<uint32_t> oids() const {
        std::vector<uint32_t> out;
        for (const auto& r : log) out.push_back(r.oid);
        return out;
    }

    LibHandle OpenEnumeration9x(uint32_t) override { return kNoHandle; }
    LibHandle OpenEnumerationNt() override { return kNoHandle; }
    void CloseEnumeration(LibHandle) override {}
    LibHandle FirstEntry(LibHandle) override { return kNoHandle; }
    LibHandle NextEntry(LibHandle) override { return kNoHandle; }
    void ReleaseEntry(LibHandle) override {}
    uint32_t EntryDescription(LibHandle, char*, uint32_t*) override { return NDIS_STATUS_FAILURE; }
    uint32_t EntryDeviceName(LibHandle, char*, uint32_t*) override { return NDIS_STATUS_FAILURE; }
    LibHandle OpenAdapter(const std::string&) override {
        ++opens;
        return openFails ? kNoHandle : 7;
    }
    void CloseAdapter(LibHandle) override {}
    uint32_t MakeNdisRequest(LibHandle, NdisRequest& request, EventHandle) override {
        Request r{request.requestType, request.oid, request.bufferLength, {}};
        const auto* p = static_cast<const uint8_t*>(request.buffer);
        if (p) r.bytes.assign(p, p + request.bufferLength);
        log.push_back(r);

        uint32_t status = NDIS_STATUS_SUCCESS;
        const auto s = statusForOid.find(request.oid);
        if (s != statusForOid.end()) status = s->second;
        if (request.oid == OID_802_11_REMOVE_WEP) {
            const auto w = removeWepStatus.find(r.u32());
            if (w != removeWepStatus.end()) status = w->second;
        }
        if (status == NDIS_STATUS_SUCCESS && request.requestType == NdisRequestQueryInformation &&
            request.oid == OID_802_11_CONFIGURATION && request.bufferLength >= sizeof configuration) {
            std::memcpy(request.buffer, &configuration, sizeof configuration);
            request.bytesWritten = sizeof configuration;
        } else if (request.requestType == NdisRequestSetInformation) {
            request.bytesWritten = request.bufferLength;
        }
        return status;
    }
    std::string GetNetCardRegistryPath() override { return ""; }
    EventHandle CreateSignalEvent(const std::string&) override { return 11; }
    void ResetSignalEvent(EventHandle) override {}
    void CloseSignalEvent(EventHandle) override {}
};
