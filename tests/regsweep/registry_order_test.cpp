// The registry calls of a whole run, in order and with the rights asked for: every key
// is closed before it is deleted, the description goes before its connection, the
// instances are opened with all access and the uninstall entry for reading only.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_registry.h"
#include "fake_system.h"
#include "regsweep/regsweep_app.h"
#include "sweep_scenario.h"

using namespace regsweep_test;

namespace {

const std::string kHardware = "SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_1";
const std::string kInstance = kHardware + "\\inst0";
const std::string kNtClass = "System\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\0010";
const std::string kNet = "System\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}";

class RegistryOrderTest : public ::testing::Test {
protected:
    std::vector<std::string> run(const std::vector<std::string>& args) {
        regsweep::RegsweepApp app(reg, sys);
        app.run(args);
        return reg.journal();
    }
    FakeRegistry reg;
    FakeSystem sys;
};

}  // namespace

TEST_F(RegistryOrderTest, NtUninstallEntryCallsInOrder) {
    AddNtDevice(reg, "Enum\\USB\\VID_1", 1, 10);
    reg.setString(kEntryPath, "DEL_HKR_0000", "Enum\\USB\\VID_1");

    const std::vector<std::string> expected = {
        "open " + std::string(kEntryPath) + " 0x20019",
        "open " + kHardware + " 0x60019",  // KEY_READ | WRITE_DAC, so the grant can hold
        "grant " + kHardware,
        "open " + kInstance + " 0xf003f",
        "open " + kNtClass + " 0x60019",
        "grant " + kNtClass,
        "delete value " + kNet + "\\Descriptions : Nimbeo USB #10",
        "delete " + kNet + "\\" + GuidOf(10),
        "close " + kNtClass,
        "delete " + kNtClass,
        "close " + kInstance,
        "delete " + kInstance,
        "close " + kHardware,
        "delete " + kHardware,
        "close " + std::string(kEntryPath),
    };
    EXPECT_EQ(run({kEntry}), expected);
}

TEST_F(RegistryOrderTest, NinetyFiveCallsReadOnlyAndTouchNoSecurity) {
    sys.platform = 1;
    reg.setString(kEntryPath, "DEL_HKR_0000", "Enum\\USB\\VID_1");
    reg.setString("Enum\\USB\\VID_1\\0000", "Driver", "Net\\0003");
    reg.setString("System\\CurrentControlSet\\Services\\Class\\Net\\0003", "NetCfgInstanceId", GuidOf(9));
    const std::string cls = "System\\CurrentControlSet\\Services\\Class\\Net\\0003";

    const std::vector<std::string> expected = {
        "open " + std::string(kEntryPath) + " 0x20019",
        "open Enum\\USB\\VID_1 0x20019",
        "open Enum\\USB\\VID_1\\0000 0xf003f",
        "open " + cls + " 0x20019",
        "close " + cls,
        "delete " + cls,
        "close Enum\\USB\\VID_1\\0000",
        "delete Enum\\USB\\VID_1\\0000",
        "close Enum\\USB\\VID_1",
        "delete Enum\\USB\\VID_1",
        "close " + std::string(kEntryPath),
    };
    EXPECT_EQ(run({kEntry}), expected);
}

TEST_F(RegistryOrderTest, RegistryPathIsGrantedAndClosedBeforeItIsDeleted) {
    reg.setString("SOFTWARE\\Vexa\\Leftover\\Deep", "x", "1");

    const std::vector<std::string> expected = {
        "open SOFTWARE\\Vexa\\Leftover 0x60019",
        "grant SOFTWARE\\Vexa\\Leftover",
        "close SOFTWARE\\Vexa\\Leftover",
        "delete SOFTWARE\\Vexa\\Leftover",
    };
    EXPECT_EQ(run({"SOFTWARE\\Vexa\\Leftover"}), expected);
}
