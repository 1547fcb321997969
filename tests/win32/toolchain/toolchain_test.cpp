// The windows build's programs reach Wine's registry, where the settings live (HKCU).
// (The product is built 32-bit by cmake/mingw-i686.cmake; the Windows-side tests also run
// a 64-bit build of the same sources where the machine runs no 32-bit code.)
#include <gtest/gtest.h>
#include <windows.h>

TEST(Toolchain, ProgramReachesTheRegistry) {
    HKEY key{};
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\LumoraToolchainCheck", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
    const char value[] = "x";
    EXPECT_EQ(RegSetValueExA(key, "v", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), 2), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\LumoraToolchainCheck"), ERROR_SUCCESS);
}
