#pragma once
// The simulated machine of the bench (support/sim_bench.h) over the default scenario,
// on a desktop that reports Windows 7.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "adapter/ndis.h"
#include "support/sim_bench.h"

class AdapterTest : public ::testing::Test, public SimMachine {
protected:
    AdapterTest() { desktop.version = OsVersionInfo{6, 1, 7601, 2, ""}; }

    // The product's adapter of the default machine.
    static std::string ProductName() { return "\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}"; }
    static std::string WiredName() { return "\\DEVICE\\{2F0A9C31-7B64-4E18-A0D2-59C3E81B7A46}"; }

    static NDIS_802_11_SSID Ssid(const std::string& text) {
        NDIS_802_11_SSID s{};
        s.SsidLength = static_cast<uint32_t>(text.size());
        std::memcpy(s.Ssid, text.data(), text.size());
        return s;
    }
    static bool SetU32(QAdapterInfo& a, uint32_t oid, uint32_t v) {
        uint32_t needed = 0;
        return a.SetInformation(oid, &v, 4, &needed);
    }
    // Asks the adapter to join `ssid` as an open infrastructure network and lets the
    // radio take its time.
    void Join(QAdapterInfo& a, const std::string& ssid) {
        uint32_t needed = 0;
        const NDIS_802_11_SSID s = Ssid(ssid);
        ASSERT_TRUE(a.SetInformation(OID_802_11_SSID, &s, sizeof s, &needed));
        desktop.now += 1000;
    }
    // OIDs of the simulated library's request log, in order.
    std::vector<uint32_t> LoggedOids() const {
        std::vector<uint32_t> oids;
        for (const auto& e : sim.RequestLog()) oids.push_back(e.oid);
        return oids;
    }
};

// The default machine's adapters as the program lists them, the product's record at hand.
class ProductTest : public AdapterTest {
protected:
    QAdapterList list{context};
    QAdapterInfo& product() { return *list.FindByDeviceName(ProductName()); }
    // What a field holds when a request must leave it alone.
    static constexpr uint32_t kUntouched = 0xDEADBEEF;
};
