// Command line and path rules: what reaches the cleaner as a name, and which paths
// it refuses to build or delete.
#include <gtest/gtest.h>

#include "regsweep/command_line.h"
#include "regsweep/registry_paths.h"

using regsweep::CommandLine;
using regsweep::ParseCommandLine;

TEST(CommandLine, NameAndDebugFlagWithEitherFlagCharacter) {
    CommandLine slash = ParseCommandLine({"NimbeoDriver", "/debug"});
    EXPECT_EQ(slash.name, "NimbeoDriver");
    EXPECT_TRUE(slash.debug);

    CommandLine dash = ParseCommandLine({"-debug", "NimbeoDriver"});
    EXPECT_EQ(dash.name, "NimbeoDriver");
    EXPECT_TRUE(dash.debug);

    CommandLine plain = ParseCommandLine({"NimbeoDriver"});
    EXPECT_EQ(plain.name, "NimbeoDriver");
    EXPECT_FALSE(plain.debug);
}

TEST(CommandLine, DebugIsExactAndOtherFlagsAreIgnored) {
    for (const char* flag : {"/Debug", "/DEBUG", "/debugx", "/debu", "/ debug", "debug/"}) {
        CommandLine line = ParseCommandLine({"Entry", flag});
        EXPECT_FALSE(line.debug) << flag;
    }
    // "debug/" is not a flag at all: it is a name, and the last name wins.
    EXPECT_EQ(ParseCommandLine({"Entry", "debug/"}).name, "debug/");

    CommandLine flags = ParseCommandLine({"/quiet", "-x", "/", "-", "Entry"});
    EXPECT_EQ(flags.name, "Entry");
    EXPECT_FALSE(flags.debug);
}

TEST(CommandLine, LastNameWinsAndFlagsNeverBecomeTheName) {
    EXPECT_EQ(ParseCommandLine({"First", "Second", "/debug", "Third"}).name, "Third");
    EXPECT_EQ(ParseCommandLine({"/debug"}).name, "");
    EXPECT_EQ(ParseCommandLine({}).name, "");
    // An empty argument is a name, an empty one.
    EXPECT_EQ(ParseCommandLine({"Entry", ""}).name, "");
}

TEST(RegistryPaths, HardwareValueNamesAreZeroPaddedToFourDigits) {
    EXPECT_EQ(regsweep::HardwareValueName(0), "DEL_HKR_0000");
    EXPECT_EQ(regsweep::HardwareValueName(7), "DEL_HKR_0007");
    EXPECT_EQ(regsweep::HardwareValueName(99), "DEL_HKR_0099");
}

TEST(RegistryPaths, BufferFitCountsTheTerminator) {
    EXPECT_TRUE(regsweep::FitsBuffer(std::string(299, 'a'), 300));
    EXPECT_FALSE(regsweep::FitsBuffer(std::string(300, 'a'), 300));
}

TEST(RegistryPaths, OnlyPathsBelowATopLevelKeyCountAsBelowTopLevel) {
    for (const char* top : {"", "\\", "SOFTWARE", "SYSTEM\\", "\\SYSTEM", "\\\\SOFTWARE\\\\"}) {
        EXPECT_FALSE(regsweep::IsBelowTopLevel(top)) << top;
    }
    EXPECT_TRUE(regsweep::IsBelowTopLevel("SOFTWARE\\Vexa"));
    EXPECT_TRUE(regsweep::IsBelowTopLevel("SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_1"));

    EXPECT_FALSE(regsweep::NamesSubkey(""));
    EXPECT_FALSE(regsweep::NamesSubkey("\\\\"));
    EXPECT_TRUE(regsweep::NamesSubkey("0007"));
}
