// Scenario INI texts and files, and the request log.
#include "sim_fixture.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "sim/sim_scenario.h"
#include "sim/sim_scenario_file.h"

namespace {

std::string TempPath(const char* name) {
    return std::string(::testing::TempDir()) + name + std::to_string(::getpid());
}

void Write(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

int EnumeratedCount(SimAdapterLibrary& sim) {
    const LibHandle e = sim.OpenEnumerationNt();
    int n = 0;
    for (LibHandle entry = sim.FirstEntry(e); entry != kNoHandle; entry = sim.NextEntry(e)) {
        ++n;
        sim.ReleaseEntry(entry);
    }
    sim.CloseEnumeration(e);
    return n;
}

TEST(SimScenarioText, EveryKeyReachesItsField) {
    const SimScenario s = ParseScenario(
        "; a comment\n"
        "[Driver]\nAssociationDelay=250\nRssiJitter=0\nRegistryPath=System\\Class\\Net\n"
        "[Adapter 1]\nDescription=Card One\nDeviceName=\\DEVICE\\{X}\nMac=02-00-00-00-00-09\n"
        "Medium=none\nPresent=0\nOpenFails=1\nRegion=0x31\nVersion=2.3.4.5\nPrivateStatus=3\n"
        "Refuse=0x0D010206 16\n"
        "[Network A]\nSsid=Lab\nBssid=00:11:22:33:44:55\nChannel=14\nMode=adhoc\nRates=b\nRssi=-80\n"
        "Wep=128\nKey=000102030405060708090A0B0C\nAuth=shared\nHidden=1\nInRange=0\n"
        "[Network B]\nFrequency=5745000\n");
    EXPECT_EQ(s.associationDelayMs, 250u);
    EXPECT_EQ(s.rssiJitter, 0);
    EXPECT_EQ(s.registryPath, "System\\Class\\Net");
    ASSERT_EQ(s.adapters.size(), 1u);
    const SimAdapterConfig& a = s.adapters[0];
    EXPECT_EQ(a.description, "Card One");
    EXPECT_EQ(a.deviceName, "\\DEVICE\\{X}");
    EXPECT_EQ(a.mac[5], 9);
    EXPECT_FALSE(a.mediumSupported);
    EXPECT_FALSE(a.present);
    EXPECT_TRUE(a.openFails);
    EXPECT_EQ(a.region, 0x31u);
    EXPECT_EQ(a.version[0], 2u);
    EXPECT_EQ(a.version[3], 5u);
    EXPECT_EQ(a.privateStatus, 3u);
    EXPECT_EQ(a.refusedOids, (std::set<uint32_t>{0x0D010206, 16}));
    ASSERT_EQ(s.networks.size(), 2u);
    const SimNetwork& n = s.networks[0];
    EXPECT_EQ(n.ssid, "Lab");
    EXPECT_EQ(n.bssid[5], 0x55);
    EXPECT_EQ(n.frequencyKHz, 2484000u);
    EXPECT_TRUE(n.adhoc);
    EXPECT_EQ(n.rates, 'b');
    EXPECT_EQ(n.rssi, -80);
    ASSERT_EQ(n.wepKey.size(), 13u);
    EXPECT_EQ(n.wepKey[12], 0x0C);
    EXPECT_EQ(n.auth, SimNetwork::Auth::Shared);
    EXPECT_TRUE(n.hidden);
    EXPECT_FALSE(n.inRange);
    EXPECT_EQ(s.networks[1].frequencyKHz, 5745000u);
}

TEST(SimScenarioText, MalformedValuesKeepTheirDefaults) {
    const SimScenario s = ParseScenario(
        "[Driver]\nAssociationDelay=soon\n"
        "[Adapter]\nMac=00:11:22\nVersion=1.2\nRegion=\nnonsense line\n"
        "[Network]\nChannel=15\nRssi=12\nKey=123\nBssid=zz:zz:zz:zz:zz:zz\n");
    const SimScenario d;
    EXPECT_EQ(s.associationDelayMs, d.associationDelayMs);
    const SimAdapterConfig defaults;
    EXPECT_EQ(std::memcmp(s.adapters[0].mac, defaults.mac, 6), 0);
    EXPECT_EQ(s.adapters[0].version[1], defaults.version[1]);
    EXPECT_EQ(s.adapters[0].region, defaults.region);
    const SimNetwork nd;
    EXPECT_EQ(s.networks[0].frequencyKHz, nd.frequencyKHz);
    EXPECT_EQ(s.networks[0].rssi, nd.rssi);
    EXPECT_TRUE(s.networks[0].wepKey.empty());
}

TEST(SimScenarioFile, ChangesAreSeenEvenWithinTheSameSecond) {
    const std::string path = TempPath("scenario.ini");
    Write(path, "[Adapter]\nDescription=A\nDeviceName=\\DEVICE\\{A}\n");
    SimAdapterLibrary sim;
    sim.SetScenarioFile(path);
    EXPECT_EQ(EnumeratedCount(sim), 1);

    Write(path, "[Adapter]\nDescription=A\nDeviceName=\\DEVICE\\{A}\n"
                "[Adapter]\nDescription=B\nDeviceName=\\DEVICE\\{B}\n");
    EXPECT_EQ(EnumeratedCount(sim), 2);
    // Same size, different text.
    Write(path, "[Adapter]\nDescription=A\nDeviceName=\\DEVICE\\{A}\n"
                "[Adapter]\nDescription=B\nDeviceName=\\DEVICE\\{B}\nPresent=0\n");
    EXPECT_EQ(EnumeratedCount(sim), 1);

    std::remove(path.c_str());
    EXPECT_EQ(EnumeratedCount(sim), 2);  // the built-in machine
}

TEST(SimScenarioFile, AnUnchangedFileIsNotReadAgain) {
    const std::string path = TempPath("unchanged.ini");
    Write(path, "[Driver]\nAssociationDelay=5\n");
    SimScenarioFile file;
    file.SetPath(path);
    SimScenario s;
    ASSERT_TRUE(file.Poll(s));
    EXPECT_EQ(s.associationDelayMs, 5u);
    EXPECT_FALSE(file.Poll(s));
    std::remove(path.c_str());
    ASSERT_TRUE(file.Poll(s));
    EXPECT_EQ(s.adapters.size(), DefaultScenario().adapters.size());
    EXPECT_FALSE(file.Poll(s));
}

TEST(SimScenarioFile, ADriverSettingChangedInTheFileReachesOpenAdapters) {
    const std::string path = TempPath("refuse.ini");
    const std::string adapter =
        "[Adapter]\nDescription=P\nDeviceName=\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}\n";
    Write(path, adapter);
    SimAdapterLibrary sim;
    sim.SetScenarioFile(path);
    const LibHandle h = sim.OpenAdapter("\\DEVICE\\{6B1D2E8A-3C47-4F20-9A51-0E7C5D3B8F14}");
    uint32_t v = 0;
    NdisRequest q;
    q.oid = OID_GEN_RCV_OK;
    q.buffer = &v;
    q.bufferLength = 4;
    EXPECT_EQ(sim.MakeNdisRequest(h, q, 0), NDIS_STATUS_SUCCESS);
    Write(path, adapter + "Refuse=0x00020102\n");
    sim.AdvanceClock(300);  // the file is looked at no more than every 250 ms
    EXPECT_EQ(sim.MakeNdisRequest(h, q, 0), NDIS_STATUS_FAILURE);
    std::remove(path.c_str());
}

// ---- Request log -----------------------------------------------------------------------

using SimLogTest = SimTest;

TEST_F(SimLogTest, EveryRequestIsLoggedInOrderAndToTheFile) {
    const std::string path = TempPath("requests.log");
    std::remove(path.c_str());
    sim.SetLogFile(path);
    SetU32(OID_802_11_INFRASTRUCTURE_MODE, 0);
    Query(OID_802_11_SSID, 36);
    SetSsid("ab");
    NdisRequest bogus;
    bogus.oid = OID_GEN_RCV_OK;
    sim.MakeNdisRequest(0x77777, bogus, 0);  // not an open adapter

    const auto& log = sim.RequestLog();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0].type, 1u);
    EXPECT_EQ(log[0].oid, OID_802_11_INFRASTRUCTURE_MODE);
    EXPECT_EQ(log[0].bytes, (std::vector<uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(log[1].type, 0u);
    EXPECT_EQ(log[1].length, 36u);
    EXPECT_EQ(log[2].bytes.size(), 36u);
    EXPECT_EQ(log[3].status, NDIS_STATUS_FAILURE);
    EXPECT_EQ(log[3].deviceName, "");

    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "S " + ProductName() + " 0D010108 4 00000000 00000000");
    EXPECT_EQ(lines[2], "S " + ProductName() + " 0D010102 36 00000000 020000006162" + std::string(60, '0'));
    EXPECT_EQ(lines[3].substr(0, 4), "Q - ");
    std::remove(path.c_str());
}

TEST_F(SimLogTest, WithoutHistoryNothingGrowsInMemoryButTheFileStillGetsEveryLine) {
    const std::string path = TempPath("requests-nohistory.log");
    std::remove(path.c_str());
    sim.SetLogFile(path);
    sim.KeepHistory(false);
    for (int i = 0; i < 500; ++i) {
        EXPECT_EQ(Query(OID_GEN_RCV_OK, 4).status, NDIS_STATUS_SUCCESS);
        const EventHandle e = sim.CreateSignalEvent("OiderComOverlappedEvent");
        ASSERT_NE(e, 0u);
        sim.CloseSignalEvent(e);
    }
    EXPECT_TRUE(sim.RequestLog().empty());
    EXPECT_TRUE(sim.EventNames().empty());
    EXPECT_EQ(sim.EventsOpen(), 0);

    std::ifstream in(path);
    int lines = 0;
    for (std::string line; std::getline(in, line);) ++lines;
    EXPECT_EQ(lines, 500);
    std::remove(path.c_str());
}

TEST_F(SimLogTest, QueriesLogOnlyTheHeadOfTheirBuffer) {
    Query(0xFFA0C90A, 15392);
    ASSERT_EQ(sim.RequestLog().size(), 1u);
    EXPECT_EQ(sim.RequestLog()[0].length, 15392u);
    EXPECT_EQ(sim.RequestLog()[0].bytes.size(), kSimLogQueryBytes);
}

}  // namespace
