// The debug log: twenty lines, newest on top, each followed by a line feed.
#include <gtest/gtest.h>

#include <string>

#include "regsweep/sweep_log.h"

TEST(SweepLog, NewestLineFirstAndEmptySlotsAsEmptyLines) {
    regsweep::SweepLog log;
    log.add("one");
    log.add("two");
    const std::string text = log.add("three");
    EXPECT_EQ(text.substr(0, 14), "three\ntwo\none\n");
    // The other 17 slots are still empty: 20 lines in all.
    EXPECT_EQ(text, "three\ntwo\none\n" + std::string(17, '\n'));
    EXPECT_EQ(log.count(), 3u);
}

TEST(SweepLog, TwentyFirstLinePushesOutTheFirst) {
    regsweep::SweepLog log;
    for (int i = 1; i <= 20; ++i) log.add("line " + std::to_string(i));
    EXPECT_EQ(log.text().substr(0, 8), "line 20\n");
    EXPECT_NE(log.text().find("line 1\n"), std::string::npos);

    log.add("line 21");
    std::string expected;
    for (int i = 21; i >= 2; --i) expected += "line " + std::to_string(i) + "\n";
    EXPECT_EQ(log.text(), expected);
    EXPECT_EQ(log.text().find("line 1\n"), std::string::npos);
    EXPECT_EQ(log.count(), 21u);
}

TEST(SweepLog, KeepsNewestFirstAcrossManyWraps) {
    regsweep::SweepLog log;
    for (int i = 1; i <= 47; ++i) log.add(std::to_string(i));
    std::string expected;
    for (int i = 47; i >= 28; --i) expected += std::to_string(i) + "\n";
    EXPECT_EQ(log.text(), expected);
}
