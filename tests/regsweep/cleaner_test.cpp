// Mode 1: the hardware keys an uninstall entry lists, their instances, the driver
// software keys and the network connections, run through the whole program logic
// against an in-memory registry.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "fake_registry.h"
#include "fake_system.h"
#include "regsweep/registry_paths.h"
#include "regsweep/regsweep_app.h"
#include "sweep_scenario.h"

using namespace regsweep_test;

namespace {

constexpr char kHw[] = "Enum\\USB\\VID_1234&PID_5678";
constexpr char kHw2[] = "Enum\\USB\\VID_1234&PID_9999";

class CleanerTest : public ::testing::Test {
protected:
    void run(std::vector<std::string> args = {kEntry}) {
        regsweep::RegsweepApp app(reg, sys);
        app.run(args);
    }
    std::set<std::string> keys() const {
        auto all = reg.allKeys();
        return std::set<std::string>(all.begin(), all.end());
    }
    // Keys that went away between two snapshots.
    static std::set<std::string> Gone(const std::set<std::string>& before, const std::set<std::string>& after) {
        std::set<std::string> gone;
        std::set_difference(before.begin(), before.end(), after.begin(), after.end(),
                            std::inserter(gone, gone.end()));
        return gone;
    }
    static std::set<std::string> Subtree(const std::set<std::string>& all, const std::string& root) {
        std::set<std::string> out;
        for (const std::string& k : all)
            if (k == root || k.rfind(root + "\\", 0) == 0) out.insert(k);
        return out;
    }
    static std::vector<std::string> LogLines(const std::string& text) {
        std::vector<std::string> lines;
        std::string line;
        for (char c : text) {
            if (c == '\n') {
                if (!line.empty()) lines.push_back(line);
                line.clear();
            } else {
                line += c;
            }
        }
        std::reverse(lines.begin(), lines.end());  // oldest first, for reading
        return lines;
    }

    FakeRegistry reg;
    FakeSystem sys;
};

}  // namespace

TEST_F(CleanerTest, NtRemovesExactlyTheDeviceItsDriverAndItsConnection) {
    AddNtDevice(reg, kHw, 1, 10);
    AddNtNeighbours(reg);
    reg.setString(kEntryPath, "DEL_HKR_0000", kHw);
    reg.setString(kEntryPath, "DisplayName", "Nimbeo driver");
    const auto before = keys();

    run();

    const std::string hw = std::string(kCcs) + kHw;
    const std::string cls = ClassKey(10);
    const std::string conn = ConnectionKey(10);
    std::set<std::string> expected = Subtree(before, hw);
    for (const auto& k : Subtree(before, cls)) expected.insert(k);
    for (const auto& k : Subtree(before, conn)) expected.insert(k);
    EXPECT_EQ(Gone(before, keys()), expected);
    EXPECT_EQ(keys().size(), before.size() - expected.size());

    EXPECT_FALSE(reg.hasValue(kDescriptions, Description(10)));
    EXPECT_TRUE(reg.hasValue(kDescriptions, "Wired LAN"));
    EXPECT_TRUE(reg.hasValue(kDescriptions, ""));
    EXPECT_TRUE(reg.exists(kEntryPath));  // the uninstaller removes its own entry
    EXPECT_EQ(reg.openHandles(), 0u);
    EXPECT_TRUE(sys.messages.empty());
}

TEST_F(CleanerTest, NtStepsAreLoggedInOrder) {
    AddNtDevice(reg, "Enum\\USB\\VID_1", 1, 10);
    reg.setString(kEntryPath, "DEL_HKR_0000", "Enum\\USB\\VID_1");
    run({kEntry, "/debug"});

    const std::string cls = "System\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\"
                            "0010";
    const std::vector<std::string> expected = {
        "Get OS Version",
        "Open Hardware Key SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_1",
        "Change permission1",
        "installer",
        "Open Hardware instance inst0",
        "Open Software Key " + cls,
        "Change permission2",
        "installer",
        "Del Software key " + cls,
        "Del Hardware instance inst0",
        "Del Hardware Key SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_1",
    };
    EXPECT_EQ(LogLines(sys.finalLog), expected);
}

TEST_F(CleanerTest, AGapEndsTheHardwareList) {
    AddNtDevice(reg, kHw, 1, 10);
    AddNtDevice(reg, kHw2, 1, 20);
    reg.setString(kEntryPath, "DEL_HKR_0000", kHw);
    reg.setString(kEntryPath, "DEL_HKR_0002", kHw2);
    run();

    EXPECT_FALSE(reg.exists(std::string(kCcs) + kHw));
    EXPECT_TRUE(reg.exists(std::string(kCcs) + kHw2 + "\\inst0"));
    EXPECT_TRUE(reg.exists(ClassKey(20)));
    EXPECT_TRUE(reg.exists(ConnectionKey(20)));
}

TEST_F(CleanerTest, EveryInstanceIsCleanedOnceThenTheHardwareKey) {
    AddNtDevice(reg, kHw, 3, 10);
    reg.setString(kEntryPath, "DEL_HKR_0000", kHw);
    run();

    const std::string hw = std::string(kCcs) + kHw;
    std::vector<std::string> order;
    for (const std::string& d : reg.deletions()) {
        if (d.find(" : ") != std::string::npos) continue;  // value deletions
        order.push_back(d);
    }
    // Per instance: connection, class key, instance; the hardware key last.
    ASSERT_EQ(order.size(), 10u);
    for (int i = 0; i < 3; ++i) {
        const std::string n = std::to_string(i);
        EXPECT_TRUE(SameKey(order[3 * i], ConnectionKey(10 + i))) << order[3 * i];
        EXPECT_TRUE(SameKey(order[3 * i + 1], ClassKey(10 + i))) << order[3 * i + 1];
        EXPECT_TRUE(SameKey(order[3 * i + 2], hw + "\\inst" + n)) << order[3 * i + 2];
    }
    EXPECT_TRUE(SameKey(order[9], hw)) << order[9];
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(reg.exists(ClassKey(10 + i)));
        EXPECT_FALSE(reg.hasValue(kDescriptions, Description(10 + i)));
    }
    EXPECT_FALSE(reg.exists(hw));
}

TEST_F(CleanerTest, NtGrantsTheUserOnHardwareAndSoftwareKeysThroughWritableHandles) {
    AddNtDevice(reg, kHw, 1, 10);
    reg.setString(kEntryPath, "DEL_HKR_0000", kHw);
    sys.user = "Setup Admin";
    run();

    ASSERT_EQ(reg.grants().size(), 2u);
    EXPECT_TRUE(SameKey(reg.grants()[0].path, std::string(kCcs) + kHw)) << reg.grants()[0].path;
    EXPECT_TRUE(SameKey(reg.grants()[1].path, ClassKey(10))) << reg.grants()[1].path;
    for (const auto& g : reg.grants()) EXPECT_EQ(g.user, "Setup Admin");
}

TEST_F(CleanerTest, KeysThatMayNotBeReSecuredAreStillCleaned) {
    AddNtDevice(reg, kHw, 1, 10);
    reg.setString(kEntryPath, "DEL_HKR_0000", kHw);
    reg.key(std::string(kCcs) + kHw).denyWriteDac = true;
    run();

    EXPECT_EQ(reg.grantCalls(), 2);
    EXPECT_EQ(reg.grants().size(), 1u);  // only the software key took the grant
    EXPECT_FALSE(reg.exists(std::string(kCcs) + kHw));
    EXPECT_FALSE(reg.exists(ClassKey(10)));
}

TEST_F(CleanerTest, UnreadableSecurityIsReportedAndTheCleanupGoesOn) {
    AddNtDevice(reg, kHw, 1, 10);
    reg.setString(kEntryPath, "DEL_HKR_0000", kHw);
    reg.key(std::string(kCcs) + kHw).securityUnreadable = true;
    run();

    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].text, "GetSecurityInfo Error ");
    EXPECT_EQ(sys.messages[0].caption, "Regsweep");
    EXPECT_TRUE(sys.messages[0].owned);
    EXPECT_FALSE(reg.exists(std::string(kCcs) + kHw));
    EXPECT_FALSE(reg.exists(ClassKey(10)));
}

TEST_F(CleanerTest, NinetyFiveUsesServicesClassAndLeavesSecurityAndNetworkAlone) {
    sys.platform = 1;  // VER_PLATFORM_WIN32_WINDOWS
    const std::string hw = "Enum\\USB\\VID_1234&PID_5678";
    reg.setString(kEntryPath, "DEL_HKR_0000", hw);
    reg.setString(hw + "\\5&2", "Driver", "Net\\0003");
    reg.setString("System\\CurrentControlSet\\Services\\Class\\Net\\0003", "NetCfgInstanceId", GuidOf(9));
    reg.setString("System\\CurrentControlSet\\Services\\Class\\Net\\0003", "DriverDesc", "Nimbeo 9x");
    reg.setString("System\\CurrentControlSet\\Services\\Class\\Net\\0002", "DriverDesc", "Dial-up");
    reg.setString(std::string(kNetwork) + GuidOf(9) + "\\Connection", "Name", "x");
    reg.setString(kDescriptions, "Nimbeo 9x", "1");
    // The NT places must not be what the 9x run cleans.
    reg.setString(std::string(kCcs) + hw + "\\5&2", "Driver", "Net\\0003");
    reg.setString("System\\CurrentControlSet\\Control\\Class\\Net\\0003", "DriverDesc", "NT copy");
    run({kEntry, "/debug"});

    EXPECT_FALSE(reg.exists(hw));
    EXPECT_FALSE(reg.exists("System\\CurrentControlSet\\Services\\Class\\Net\\0003"));
    EXPECT_TRUE(reg.exists("System\\CurrentControlSet\\Services\\Class\\Net\\0002"));
    EXPECT_TRUE(reg.exists(std::string(kCcs) + hw + "\\5&2"));
    EXPECT_TRUE(reg.exists("System\\CurrentControlSet\\Control\\Class\\Net\\0003"));
    EXPECT_TRUE(reg.exists(std::string(kNetwork) + GuidOf(9) + "\\Connection"));
    EXPECT_TRUE(reg.hasValue(kDescriptions, "Nimbeo 9x"));
    EXPECT_EQ(reg.grantCalls(), 0);
    EXPECT_EQ(sys.finalLog.find("Change permission"), std::string::npos);
    EXPECT_NE(sys.finalLog.find("Open Software Key System\\CurrentControlSet\\Services\\Class\\Net\\0003\n"),
              std::string::npos);
}

TEST_F(CleanerTest, UnopenableKeysAreSkippedAndTheRestGoesOn) {
    AddNtDevice(reg, kHw, 3, 10);
    AddNtDevice(reg, kHw2, 2, 20);
    reg.setString(kEntryPath, "DEL_HKR_0000", "Enum\\USB\\Locked");
    reg.key(std::string(kCcs) + "Enum\\USB\\Locked\\inst0").values["Driver"] = FakeValue{"x", true};
    reg.key(std::string(kCcs) + "Enum\\USB\\Locked").denyOpen = true;
    reg.setString(kEntryPath, "DEL_HKR_0001", kHw);
    reg.setString(kEntryPath, "DEL_HKR_0002", kHw2);
    reg.key(std::string(kCcs) + kHw + "\\inst1").denyOpen = true;      // instance key
    reg.key(ClassKey(20)).denyOpen = true;  // software key
    run();

    EXPECT_TRUE(reg.exists(std::string(kCcs) + "Enum\\USB\\Locked"));
    // The locked instance keeps its own software key; its siblings lose theirs.
    EXPECT_FALSE(reg.exists(ClassKey(10)));
    EXPECT_TRUE(reg.exists(ClassKey(11)));
    EXPECT_FALSE(reg.exists(ClassKey(12)));
    EXPECT_FALSE(reg.exists(std::string(kCcs) + kHw + "\\inst0"));
    EXPECT_TRUE(reg.exists(std::string(kCcs) + kHw + "\\inst1"));
    EXPECT_FALSE(reg.exists(std::string(kCcs) + kHw + "\\inst2"));
    // Software key locked: it stays, its instance still goes, the next instance is cleaned.
    EXPECT_TRUE(reg.exists(ClassKey(20)));
    EXPECT_FALSE(reg.exists(std::string(kCcs) + kHw2 + "\\inst0"));
    EXPECT_FALSE(reg.exists(ClassKey(21)));
    EXPECT_FALSE(reg.exists(std::string(kCcs) + kHw2));
    EXPECT_EQ(reg.openHandles(), 0u);
}

TEST_F(CleanerTest, APathTooLongForTheBufferIsSkippedNotTruncated) {
    // With the 25-character prefix, 274 characters fit 300 bytes; 275 do not.
    const std::string tooLong = "Enum\\USB\\" + std::string(266, 'L');
    const std::string fits = "Enum\\USB\\" + std::string(265, 'F');
    ASSERT_EQ(tooLong.size(), 275u);
    const std::string truncated = (std::string(kCcs) + tooLong).substr(0, 299);
    reg.setString(truncated, "Keep", "unrelated");
    reg.setString(std::string(kCcs) + tooLong + "\\inst0", "Keep", "1");
    reg.setString(std::string(kCcs) + fits + "\\inst0", "Driver", "none");
    reg.setString(kEntryPath, "DEL_HKR_0000", tooLong);
    reg.setString(kEntryPath, "DEL_HKR_0001", std::string(400, 'X'));  // does not fit even alone
    reg.setString(kEntryPath, "DEL_HKR_0002", fits);
    run();

    EXPECT_TRUE(reg.hasValue(truncated, "Keep"));
    EXPECT_TRUE(reg.exists(std::string(kCcs) + tooLong + "\\inst0"));
    EXPECT_FALSE(reg.exists(std::string(kCcs) + fits));  // the list went on after the skips
}

TEST_F(CleanerTest, EmptyNamesNeverWidenADeletionToTheirRoot) {
    AddNtNeighbours(reg);
    reg.setString(kEntryPath, "DEL_HKR_0000", "");
    reg.setString(kEntryPath, "DEL_HKR_0001", "Enum\\USB\\VID_E");
    reg.setString(std::string(kCcs) + "Enum\\USB\\VID_E\\a", "Driver", "");
    reg.setString(std::string(kCcs) + "Enum\\USB\\VID_E\\b", "Driver", "{4D36E972-E325-11CE-BFC1-08002BE10318}\\0090");
    reg.setString(std::string(kClassNet) + "0090", "NetCfgInstanceId", "");
    reg.setString(std::string(kClassNet) + "0090", "DriverDesc", "Empty id");
    reg.setString(std::string(kEntryPath), "DEL_HKR_0002", "Enum\\USB\\VID_F");
    reg.setString(std::string(kCcs) + "Enum\\USB\\VID_F\\c", "Driver", "{4D36E972-E325-11CE-BFC1-08002BE10318}\\0091");
    reg.setString(std::string(kClassNet) + "0091", "NetCfgInstanceId", GuidOf(15));
    reg.setString(std::string(kNetwork) + GuidOf(15) + "\\Connection", "Name", "F");
    run();

    EXPECT_TRUE(reg.exists(std::string(kCcs) + "Control"));
    EXPECT_TRUE(reg.exists(std::string(kClassNet) + "0001"));
    EXPECT_TRUE(reg.exists(std::string(kNetwork) + kWiredLan + std::string("\\Connection")));
    EXPECT_FALSE(reg.exists(std::string(kClassNet) + "0090"));
    EXPECT_FALSE(reg.exists(std::string(kCcs) + "Enum\\USB\\VID_E"));
    // No DriverDesc: the connection goes, the Descriptions key keeps every value.
    EXPECT_FALSE(reg.exists(std::string(kNetwork) + GuidOf(15)));
    EXPECT_TRUE(reg.hasValue(kDescriptions, ""));
    EXPECT_TRUE(reg.hasValue(kDescriptions, "Wired LAN"));
}

TEST_F(CleanerTest, ANonStringHardwareValueEndsTheList) {
    AddNtDevice(reg, kHw, 1, 10);
    reg.setDword(kEntryPath, "DEL_HKR_0000");
    reg.setString(kEntryPath, "DEL_HKR_0001", kHw);
    run();
    EXPECT_TRUE(reg.exists(std::string(kCcs) + kHw + "\\inst0"));
    EXPECT_TRUE(reg.deletions().empty());
}

// A DEL_HKR value naming one key, or a Driver value naming a class key with no instance,
// would take a whole branch of the machine with it. Both are skipped and logged; the
// devices listed around them are cleaned as always.
TEST_F(CleanerTest, NtSkipsSingleKeyHardwareValuesAndInstanceLessDrivers) {
    AddNtNeighbours(reg);
    AddNtDevice(reg, kHw, 1, 10);
    const std::string bare = std::string(kCcs) + "Enum\\USB\\VID_BARE";
    reg.setString(bare + "\\inst0", "Driver", "{4D36E972-E325-11CE-BFC1-08002BE10318}");
    reg.setString(bare + "\\inst1", "Driver", "\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\\\");
    reg.setString(std::string(kCcs) + "Control\\Session Manager", "Keep", "1");
    reg.setString(std::string(kCcs) + "Services\\Tcpip\\Parameters", "Keep", "1");
    // A driver key of another shape, and a connection identifier that is no GUID.
    reg.setString(bare + "\\inst2", "Driver", "{4D36E972-E325-11CE-BFC1-08002BE10318}\\0001\\Ndi");
    reg.setString(bare + "\\inst3", "Driver", "{4D36E972-E325-11CE-BFC1-08002BE10318}\\0077");
    reg.setString(std::string(kClassNet) + "0077", "NetCfgInstanceId", "Descriptions");
    const char* const values[] = {kHw,   "Enum\\USB\\VID_BARE", "Control",        "Enum\\", "\\\\Services",
                                  "Enum\\USB", "Control\\Class", "Services\\Tcpip", "eNUM\\\\USB\\VID_BARE"};
    constexpr int kValues = sizeof values / sizeof values[0];
    for (int i = 0; i < kValues; ++i) reg.setString(kEntryPath, regsweep::HardwareValueName(i), values[i]);
    const auto before = keys();
    run({kEntry, "/debug"});

    std::set<std::string> expected = Subtree(before, std::string(kCcs) + kHw);
    for (const auto& k : Subtree(before, ClassKey(10))) expected.insert(k);
    for (const auto& k : Subtree(before, ConnectionKey(10))) expected.insert(k);
    for (const auto& k : Subtree(before, bare)) expected.insert(k);  // its instances, not the class key
    for (const auto& k : Subtree(before, ClassKey(77))) expected.insert(k);  // but not the connections
    EXPECT_EQ(Gone(before, keys()), expected);
    EXPECT_TRUE(reg.exists(std::string(kClassNet) + "0001"));
    EXPECT_TRUE(reg.exists(kDescriptions));

    const auto lines = LogLines(sys.finalLog);
    // The log keeps its 20 newest lines: the skips come last.
    for (const char* line : {"Skip DEL_HKR_0005: Enum\\USB is no hardware key", "Skip DEL_HKR_0006: Control\\Class is no hardware key",
                             "Skip DEL_HKR_0007: Services\\Tcpip is no hardware key",
                             "Skip DEL_HKR_0008: eNUM\\\\USB\\VID_BARE is no hardware key",
                             "Skip NetCfgInstanceId Descriptions: no connection identifier",
                             "Skip Driver {4D36E972-E325-11CE-BFC1-08002BE10318}\\0001\\Ndi: no class key and instance"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
}

// On 9x the values are paths below the machine root itself.
TEST_F(CleanerTest, NinetyFiveSkipsTopLevelHardwareValuesAndInstanceLessDrivers) {
    sys.platform = 1;
    const std::string hw = "Enum\\USB\\VID_1234&PID_5678";
    reg.setString(hw + "\\5&2", "Driver", "Net\\0003");
    reg.setString(hw + "\\5&3", "Driver", "Net");
    reg.setString("System\\CurrentControlSet\\Services\\Class\\Net\\0003", "DriverDesc", "Nimbeo 9x");
    reg.setString("System\\CurrentControlSet\\Services\\Class\\Net\\0002", "DriverDesc", "Dial-up");
    reg.setString("Enum\\Root\\NET\\0000", "Driver", "Net\\0002");
    reg.setString("SOFTWARE\\Vendor", "Keep", "1");
    reg.setString("Enum\\USB\\VID_OTHER\\1", "Driver", "Net\\0002");
    reg.setString("SOFTWARE\\Microsoft\\Windows", "Keep", "1");
    reg.setString(hw + "\\5&4", "Driver", "Net\\3");
    const std::string values[] = {"System",    "Enum", "SOFTWARE", "SOFTWARE\\Microsoft", "System\\CurrentControlSet",
                                  "Enum\\USB", hw};
    for (int i = 0; i < 7; ++i) reg.setString(kEntryPath, regsweep::HardwareValueName(i), values[i]);
    const auto before = keys();
    run();

    std::set<std::string> expected = Subtree(before, hw);
    for (const auto& k : Subtree(before, "System\\CurrentControlSet\\Services\\Class\\Net\\0003")) expected.insert(k);
    EXPECT_EQ(Gone(before, keys()), expected);
    EXPECT_TRUE(reg.exists(kEntryPath));
}
