// Start and window: the usage box, the choice of mode, the quiet end, mode 2's
// deletion and its refusals, and how the window behaves with and without /debug.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_registry.h"
#include "fake_system.h"
#include "regsweep/regsweep_app.h"
#include "sweep_scenario.h"

using namespace regsweep_test;
using regsweep::SweepMode;

namespace {

class AppTest : public ::testing::Test {
protected:
    SweepMode run(const std::vector<std::string>& args) {
        regsweep::RegsweepApp app(reg, sys);
        EXPECT_EQ(app.run(args), 0);
        return app.mode();
    }
    FakeRegistry reg;
    FakeSystem sys;
};

}  // namespace

TEST_F(AppTest, NoNameShowsTheUsageBoxAndTouchesNothing) {
    reg.setString(kEntryPath, "DEL_HKR_0000", "Enum\\USB\\VID_1");
    reg.setString(std::string(kCcs) + "Enum\\USB\\VID_1\\i", "Driver", "x\\1");
    const auto before = reg.allKeys();
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, {"/debug"}, {"-debug", "/x"}}) {
        sys.messages.clear();
        EXPECT_EQ(run(args), SweepMode::None);
        ASSERT_EQ(sys.messages.size(), 1u);
        EXPECT_EQ(sys.messages[0].text, "Regsweep UnInstallName/Registry /debug");
        EXPECT_EQ(sys.messages[0].caption, "Usage...");
        EXPECT_FALSE(sys.messages[0].owned);
    }
    EXPECT_EQ(sys.dialogsRun, 0);
    EXPECT_EQ(reg.allKeys(), before);
    EXPECT_EQ(reg.openHandles(), 0u);
}

TEST_F(AppTest, AnUnknownNameEndsQuietly) {
    reg.setString("SOFTWARE\\Vexa\\Lumora", "x", "1");
    EXPECT_EQ(run({"NoSuchEntry", "/debug"}), SweepMode::None);
    EXPECT_EQ(sys.dialogsRun, 0);
    EXPECT_TRUE(sys.messages.empty());
    EXPECT_TRUE(reg.deletions().empty());
}

TEST_F(AppTest, AnUninstallEntryWinsOverAKeyOfTheSameName) {
    reg.setString(kEntryPath, "DisplayName", "Nimbeo");
    reg.setString(std::string(kEntry) + "\\Sub", "x", "1");  // HKLM\NimbeoDriver\Sub
    EXPECT_EQ(run({kEntry}), SweepMode::UninstallEntry);
    EXPECT_TRUE(reg.exists(std::string(kEntry) + "\\Sub"));
}

TEST_F(AppTest, ARegistryPathIsDeletedWithItsSubkeysAfterTheGrant) {
    reg.setString("SOFTWARE\\Vexa\\Leftover\\Deep\\Deeper", "x", "1");
    reg.setString("SOFTWARE\\Vexa\\Lumora", "keep", "1");
    sys.user = "admin";
    EXPECT_EQ(run({"SOFTWARE\\Vexa\\Leftover", "/debug"}), SweepMode::RegistryPath);

    EXPECT_FALSE(reg.exists("SOFTWARE\\Vexa\\Leftover"));
    EXPECT_TRUE(reg.hasValue("SOFTWARE\\Vexa\\Lumora", "keep"));
    ASSERT_EQ(reg.grants().size(), 1u);
    EXPECT_EQ(reg.grants()[0].path, "SOFTWARE\\Vexa\\Leftover");
    EXPECT_EQ(reg.grants()[0].user, "admin");
    EXPECT_EQ(sys.finalLog, "Del SOFTWARE\\Vexa\\Leftover\nadmin\nChange permission3\nGet OS Version\n" +
                                std::string(16, '\n'));
    EXPECT_EQ(reg.openHandles(), 0u);
}

TEST_F(AppTest, ARegistryPathOn9xIsDeletedWithoutTouchingSecurity) {
    sys.platform = 0;  // VER_PLATFORM_WIN32s, not NT
    reg.setString("SOFTWARE\\Vexa\\Leftover", "x", "1");
    EXPECT_EQ(run({"SOFTWARE\\Vexa\\Leftover"}), SweepMode::RegistryPath);
    EXPECT_FALSE(reg.exists("SOFTWARE\\Vexa\\Leftover"));
    EXPECT_EQ(reg.grantCalls(), 0);
}

TEST_F(AppTest, TopLevelKeysAreNeverDeleted) {
    reg.setString("SOFTWARE\\Vexa", "x", "1");
    reg.setString("SYSTEM\\CurrentControlSet", "x", "1");
    const auto before = reg.allKeys();
    for (const char* name : {"SOFTWARE", "SYSTEM\\", "\\SOFTWARE", "\\\\", "\\"}) {
        EXPECT_EQ(run({name}), SweepMode::None) << name;
    }
    EXPECT_EQ(sys.dialogsRun, 0);
    EXPECT_TRUE(sys.messages.empty());
    EXPECT_EQ(reg.allKeys(), before);
}

TEST_F(AppTest, WithoutDebugTheWindowNeverShowsAndClosesAfterOneTick) {
    reg.setString(kEntryPath, "DisplayName", "Nimbeo");
    run({kEntry});
    EXPECT_TRUE(sys.window.iconsSet);
    EXPECT_TRUE(sys.window.hidden);
    EXPECT_EQ(sys.window.timerId, 1001u);
    EXPECT_EQ(sys.window.timerPeriod, 1u);
    EXPECT_FALSE(sys.window.timerRunning);
    EXPECT_EQ(sys.ticks, 1);
    EXPECT_FALSE(sys.openAfterWork);
    EXPECT_EQ(sys.window.endResult, 0);
    EXPECT_EQ(reg.openHandles(), 0u);  // the held key is closed at the end
}

TEST_F(AppTest, WithDebugTheWindowShowsTheLogAndStaysUntilOk) {
    reg.setString(kEntryPath, "DEL_HKR_0000", "Enum\\USB\\VID_1");
    reg.setString(std::string(kCcs) + "Enum\\USB\\VID_1\\i", "Driver", "{4D36E972-E325-11CE-BFC1-08002BE10318}\\0005");
    run({kEntry, "/debug"});
    EXPECT_FALSE(sys.window.hidden);
    EXPECT_TRUE(sys.openAfterWork);
    EXPECT_EQ(sys.window.endResult, 1);  // ended by OK
    // The field is refreshed after every line: the first text shows only the first line.
    ASSERT_FALSE(sys.window.logTexts.empty());
    EXPECT_EQ(sys.window.logTexts.front(), "Get OS Version\n" + std::string(19, '\n'));
    EXPECT_EQ(sys.window.logTexts.back(), sys.finalLog);
    EXPECT_EQ(sys.finalLog.rfind("Del Hardware Key SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_1\n", 0), 0u);
    EXPECT_FALSE(reg.exists(std::string(kCcs) + "Enum\\USB\\VID_1"));
}
