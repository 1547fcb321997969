// The windows build must produce 32-bit programs that reach Wine's registry: the adapter
// request record carries a 4-byte buffer address, and settings live in HKCU.
#include <gtest/gtest.h>
#include <windows.h>

TEST(Toolchain, ThirtyTwoBitProgramReachesTheRegistry) {
    EXPECT_EQ(sizeof(void*), 4u);
    HKEY key{};
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\LumoraToolchainCheck", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
    const char value[] = "x";
    EXPECT_EQ(RegSetValueExA(key, "v", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), 2), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\LumoraToolchainCheck"), ERROR_SUCCESS);
}
