// Handing the adapter back to the system's wireless configuration service, and taking it.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/zero_config.h"
#include "app/fake_service_control.h"

namespace {

const std::string kGuid = "{6B29FC40-CA47-1067-B31D-00DD010662DA}";
const std::string kDevice = "\\DEVICE\\" + kGuid;
const std::string kKey = "SOFTWARE\\Microsoft\\WZCSVC\\Parameters\\Interfaces\\" + kGuid;
constexpr uint32_t kDword = 4;

std::vector<uint8_t> le(uint32_t v) {
    return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
}

struct ZeroConfigTest : ::testing::Test {
    FakeServiceControl scm;
    ZeroConfig zc{scm};
    int count(const std::string& what) const {
        int n = 0;
        for (const auto& l : scm.log) n += l == what;
        return n;
    }
};

TEST_F(ZeroConfigTest, StopAsksOnlyARunningServiceToStop) {
    zc.StopZeroConfigService();
    EXPECT_EQ(count("stop"), 1);
    EXPECT_EQ(scm.openHandles, 0);

    scm.log.clear();
    zc.StopZeroConfigService();   // now stopped
    EXPECT_EQ(count("stop"), 0);
    EXPECT_EQ(scm.openHandles, 0);
}

TEST_F(ZeroConfigTest, StopDoesNothingWithoutManagerOrService) {
    scm.managerOpens = false;
    zc.StopZeroConfigService();
    EXPECT_EQ(scm.log, std::vector<std::string>{"open manager"});

    scm.managerOpens = true;
    scm.serviceExists = false;
    scm.log.clear();
    zc.StopZeroConfigService();
    EXPECT_EQ(count("stop"), 0);
    EXPECT_EQ(scm.openHandles, 0);
}

TEST_F(ZeroConfigTest, InterfaceKeyIsTheLast38CharactersOfTheDeviceName) {
    EXPECT_EQ(ZeroConfig::InterfaceKeyPath(kDevice), kKey);
    EXPECT_EQ(ZeroConfig::InterfaceKeyPath("{short}"),
              "SOFTWARE\\Microsoft\\WZCSVC\\Parameters\\Interfaces\\{short}");
}

TEST_F(ZeroConfigTest, HandBackSetsBit15KeepsOtherBitsAndStartsTheService) {
    scm.state = ServiceControl::kStopped;
    scm.keys[kKey]["ControlFlags"] = {kDword, le(0x0000000B)};
    zc.HandBackToZeroConfig(kDevice);
    EXPECT_EQ(scm.keys[kKey]["ControlFlags"].data, le(0x0000800B));
    EXPECT_EQ(scm.keys[kKey]["ControlFlags"].type, kDword);
    EXPECT_EQ(count("start"), 1);
    EXPECT_EQ(count("stop"), 0);
    EXPECT_EQ(scm.openHandles, 0);
}

TEST_F(ZeroConfigTest, RunningServiceIsStoppedBeforeTheFlagIsWrittenThenStartedAgain) {
    scm.state = ServiceControl::kRunning;
    scm.keys[kKey]["ControlFlags"] = {kDword, le(0)};
    zc.HandBackToZeroConfig(kDevice);
    // stop (with its own manager and service handles), write, then start.
    auto stop = std::find(scm.log.begin(), scm.log.end(), "stop");
    auto write = std::find(scm.log.begin(), scm.log.end(), "write ControlFlags");
    auto start = std::find(scm.log.begin(), scm.log.end(), "start");
    ASSERT_NE(stop, scm.log.end());
    ASSERT_NE(write, scm.log.end());
    ASSERT_NE(start, scm.log.end());
    EXPECT_LT(stop, write);
    EXPECT_LT(write, start);
    EXPECT_EQ(scm.keys[kKey]["ControlFlags"].data, le(0x8000));
    EXPECT_EQ(scm.openHandles, 0);
}

// The service we stop for the hand-back takes a while to stop; starting it before it has
// stopped fails and would leave it stopped after we end.
TEST_F(ZeroConfigTest, HandBackWaitsABoundedTimeForTheStopBeforeStartingAgain) {
    const struct {
        int pendingQueries;   // -1: never stops
        bool stopAccepted;
        uint32_t pausedMs;
        std::vector<std::string> starts;
    } cases[] = {
        {3, true, 3 * ZeroConfig::kStopPollMs, {"start"}},          // stops after three looks
        {0, true, 0, {"start"}},                                     // stopped at once
        {-1, true, ZeroConfig::kStopWaitMs, {"start refused"}},      // gives up after the bound
        {0, false, 0, {}},   // stop refused: nothing to wait for, and it still runs
    };
    for (const auto& c : cases) {
        FakeServiceControl scm;
        scm.state = ServiceControl::kRunning;
        scm.stopPendingQueries = c.pendingQueries;
        scm.stopAccepted = c.stopAccepted;
        scm.keys[kKey]["ControlFlags"] = {kDword, le(0x0B)};
        ZeroConfig(scm).HandBackToZeroConfig(kDevice);
        SCOPED_TRACE(c.pendingQueries);
        EXPECT_EQ(scm.pausedMs, c.pausedMs);
        EXPECT_EQ(scm.keys[kKey]["ControlFlags"].data, le(0x800B));
        std::vector<std::string> starts;
        for (const auto& l : scm.log)
            if (l.rfind("start", 0) == 0) starts.push_back(l);
        EXPECT_EQ(starts, c.starts);
        EXPECT_EQ(scm.openHandles, 0);
    }
}

TEST_F(ZeroConfigTest, StartUpStopDoesNotWait) {
    scm.stopPendingQueries = -1;
    EXPECT_TRUE(zc.StopZeroConfigService());
    EXPECT_EQ(scm.pausedMs, 0u);
    EXPECT_EQ(scm.openHandles, 0);
}

TEST_F(ZeroConfigTest, Bit15AlreadySetWritesNothingButStillStartsTheService) {
    scm.state = ServiceControl::kStopped;
    scm.keys[kKey]["ControlFlags"] = {kDword, le(0x8001)};
    zc.HandBackToZeroConfig(kDevice);
    EXPECT_EQ(count("write ControlFlags"), 0);
    EXPECT_EQ(count("stop"), 0);
    EXPECT_EQ(count("start"), 1);
}

TEST_F(ZeroConfigTest, MissingInterfaceKeyStillStartsTheService) {
    scm.state = ServiceControl::kStopped;
    zc.HandBackToZeroConfig(kDevice);
    EXPECT_EQ(count("open key " + kKey), 1);
    EXPECT_EQ(count("start"), 1);
    EXPECT_EQ(scm.openHandles, 0);
}

TEST_F(ZeroConfigTest, MissingOrOversizedValueIsNotWrittenAndTheServiceStarts) {
    scm.state = ServiceControl::kStopped;
    scm.keys[kKey]["Other"] = {kDword, le(1)};
    zc.HandBackToZeroConfig(kDevice);
    EXPECT_EQ(count("write ControlFlags"), 0);
    EXPECT_EQ(count("start"), 1);

    scm.state = ServiceControl::kStopped;
    scm.keys[kKey]["ControlFlags"] = {3, std::vector<uint8_t>(12, 0)};   // too big for 4 bytes
    zc.HandBackToZeroConfig(kDevice);
    EXPECT_EQ(scm.keys[kKey]["ControlFlags"].data.size(), 12u);
    EXPECT_EQ(count("start"), 2);
}

TEST_F(ZeroConfigTest, OneByteValueIsWrittenBackWideEnoughToHoldTheFlag) {
    scm.state = ServiceControl::kStopped;
    scm.keys[kKey]["ControlFlags"] = {3, {0x05}};
    zc.HandBackToZeroConfig(kDevice);
    EXPECT_EQ(scm.keys[kKey]["ControlFlags"].data, le(0x8005));
    EXPECT_EQ(scm.keys[kKey]["ControlFlags"].type, 3u);
}

TEST_F(ZeroConfigTest, RunningOrStartingServiceIsNotStartedAgain) {
    scm.state = ServiceControl::kStartPending;
    scm.keys[kKey]["ControlFlags"] = {kDword, le(0x8000)};
    zc.HandBackToZeroConfig(kDevice);
    EXPECT_EQ(count("start"), 0);
}

TEST_F(ZeroConfigTest, HandBackGivesUpQuietlyWhenTheServiceCannotBeQueried) {
    scm.queryWorks = false;
    scm.keys[kKey]["ControlFlags"] = {kDword, le(0)};
    zc.HandBackToZeroConfig(kDevice);
    EXPECT_EQ(count("write ControlFlags"), 0);
    EXPECT_EQ(count("start"), 0);
    EXPECT_EQ(scm.openHandles, 0);

    scm.serviceExists = false;
    scm.queryWorks = true;
    zc.HandBackToZeroConfig(kDevice);
    EXPECT_EQ(count("start"), 0);
    EXPECT_EQ(scm.openHandles, 0);
}

}  // namespace
