// The command line: which argument becomes the name, and when debug mode is on.
#include <gtest/gtest.h>

#include "regsweep/command_line.h"

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
