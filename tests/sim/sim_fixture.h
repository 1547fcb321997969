#pragma once
// Talks to the simulated library directly, the way the DLL's callers do.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "adapter/ndis.h"
#include "sim/sim_adapter_library.h"

class SimTest : public ::testing::Test {
protected:
    SimAdapterLibrary sim;
    LibHandle adapter = kNoHandle;

    static std::string ProductName() { return "\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}"; }
    static std::string WiredName() { return "\\DEVICE\\{2F0A9C31-7B64-4E18-A0D2-59C3E81B7A46}"; }

    void SetUp() override {
        adapter = sim.OpenAdapter(ProductName());
        ASSERT_NE(adapter, kNoHandle);
    }

    struct Reply {
        uint32_t status = 0, written = 0, needed = 0;
        std::vector<uint8_t> bytes;
    };
    Reply Query(uint32_t oid, uint32_t length, LibHandle on = kNoHandle) {
        Reply r;
        r.bytes.assign(length, 0xCC);
        NdisRequest q;
        q.requestType = NdisRequestQueryInformation;
        q.oid = oid;
        q.buffer = length ? r.bytes.data() : nullptr;
        q.bufferLength = length;
        r.status = sim.MakeNdisRequest(on == kNoHandle ? adapter : on, q, 0);
        r.written = q.bytesWritten;
        r.needed = q.bytesNeeded;
        return r;
    }
    uint32_t QueryU32(uint32_t oid) {
        Reply r = Query(oid, 4);
        EXPECT_EQ(r.status, NDIS_STATUS_SUCCESS) << std::hex << oid;
        uint32_t v;
        std::memcpy(&v, r.bytes.data(), 4);
        return v;
    }
    uint32_t Set(uint32_t oid, const void* data, uint32_t length, uint32_t* needed = nullptr) {
        std::vector<uint8_t> copy(static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + length);
        NdisRequest s;
        s.requestType = NdisRequestSetInformation;
        s.oid = oid;
        s.buffer = copy.empty() ? nullptr : copy.data();
        s.bufferLength = length;
        const uint32_t status = sim.MakeNdisRequest(adapter, s, 0);
        if (needed) *needed = s.bytesNeeded;
        return status;
    }
    uint32_t SetU32(uint32_t oid, uint32_t v) { return Set(oid, &v, 4); }
    uint32_t SetSsid(const std::string& text) {
        NDIS_802_11_SSID s{};
        s.SsidLength = static_cast<uint32_t>(text.size());
        std::memcpy(s.Ssid, text.data(), text.size());
        return Set(OID_802_11_SSID, &s, sizeof s);
    }
    uint32_t AddKey(int slot, const std::vector<uint8_t>& key) {
        std::vector<uint8_t> rec(12 + key.size());
        const uint32_t header[3] = {static_cast<uint32_t>(12 + key.size()), 0x80000000u + static_cast<uint32_t>(slot),
                                    static_cast<uint32_t>(key.size())};
        std::memcpy(rec.data(), header, 12);
        std::memcpy(rec.data() + 12, key.data(), key.size());
        return Set(OID_802_11_ADD_WEP, rec.data(), static_cast<uint32_t>(rec.size()));
    }
    bool Connected() { return QueryU32(OID_GEN_MEDIA_CONNECT_STATUS) == NdisMediaStateConnected; }
    std::string LinkSsid() {
        Reply r = Query(OID_802_11_SSID, 36);
        uint32_t n;
        std::memcpy(&n, r.bytes.data(), 4);
        return std::string(reinterpret_cast<const char*>(r.bytes.data() + 4), n > 32 ? 32 : n);
    }
    std::vector<uint8_t> BssidList() {
        Reply first = Query(OID_802_11_BSSID_LIST, 4);
        Reply full = Query(OID_802_11_BSSID_LIST, first.needed);
        EXPECT_EQ(full.status, NDIS_STATUS_SUCCESS);
        return full.bytes;
    }
};
