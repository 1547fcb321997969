// The OS version code for every row of the table, and the version-record fallback.
#include <gtest/gtest.h>

#include "platform/windows_version.h"
#include "support/fake_desktop.h"

namespace {

uint32_t codeOf(uint32_t platform, uint32_t major, uint32_t minor, const std::string& csd = "") {
    FakeDesktop d;
    d.version = OsVersionInfo{major, minor, 0, platform, csd};
    return DetectWindowsVersion(d);
}

TEST(WindowsVersion, NineXFamily) {
    EXPECT_EQ(codeOf(1, 4, 0), 2u);
    for (const char* csd : {"", " B ", "a"}) EXPECT_EQ(codeOf(1, 4, 10, csd), 3u) << csd;   // lower-case does not count
    EXPECT_EQ(codeOf(1, 4, 10, " A "), 4u);
    EXPECT_EQ(codeOf(1, 4, 90), 5u);
    EXPECT_EQ(codeOf(1, 4, 3), 0u);   // unknown 9x: unchanged
    EXPECT_EQ(codeOf(1, 3, 0), 0u);
}

TEST(WindowsVersion, NtFamily) {
    const struct { uint32_t major, minor, code; } rows[] = {{3, 51, 6}, {4, 0, 6}, {5, 0, 7}, {5, 1, 8},
                                                          {5, 2, 9}, {5, 3, 10}, {6, 0, 10}, {10, 0, 10}};
    for (const auto& r : rows) EXPECT_EQ(codeOf(2, r.major, r.minor), r.code) << r.major << "." << r.minor;
    EXPECT_EQ(codeOf(3, 5, 1), 0u);   // another platform: unchanged
}

TEST(WindowsVersion, FallsBackToThePlainRecordAndGivesZeroWhenBothFail) {
    FakeDesktop d;
    d.version = OsVersionInfo{5, 1, 2600, 2, ""};
    d.extendedVersionWorks = false;
    EXPECT_EQ(DetectWindowsVersion(d), 8u);
    EXPECT_EQ(d.versionCalls, 2);

    d.plainVersionWorks = false;
    EXPECT_EQ(DetectWindowsVersion(d), 0u);

    FakeDesktop first;
    EXPECT_EQ(DetectWindowsVersion(first), 8u);
    EXPECT_EQ(first.versionCalls, 1);   // the extended record worked: no second call
}

TEST(WindowsVersion, OnlyWindows95And98AndUnknownNonNtSystemsAreThe9xFamily) {
    // 95, 98, Me; NT 4, XP, Server 2003, NT 6 and later (Wine's default); Win32s, an unknown 9x.
    const struct { uint32_t platform, major, minor; bool nineX; } rows[] = {
        {1, 4, 0, true}, {1, 4, 10, true}, {1, 4, 90, false}, {2, 4, 0, false}, {2, 5, 1, false},
        {2, 5, 2, false}, {2, 6, 0, false}, {2, 10, 0, false}, {0, 1, 0, true}, {1, 4, 3, true}};
    for (const auto& r : rows)
        EXPECT_EQ(IsWin9xFamily(codeOf(r.platform, r.major, r.minor)), r.nineX) << r.platform << r.major << r.minor;
}

TEST(WindowsVersion, OnlyXpAndServer2003CarryTheService) {
    for (uint32_t code = 0; code <= 10; ++code)
        EXPECT_EQ(HasZeroConfigService(code), code == 8 || code == 9) << code;
}

}  // namespace
