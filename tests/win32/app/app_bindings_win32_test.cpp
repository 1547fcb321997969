// The shell's Win32 bindings against Wine: the machine registry and service manager,
// the single-instance mutex, sockets and the owner window.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include "app/service_control_win32.h"
#include "app/startup_platform_win32.h"

namespace {

const char kKey[] = "SOFTWARE\\LumoraBindingTest";

struct MachineRegistry : ::testing::Test {
    ServiceControlWin32 scm;
    void SetUp() override {
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
        HKEY k = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr),
                  ERROR_SUCCESS);
        DWORD flags = 0x0000000B;
        RegSetValueExA(k, "ControlFlags", 0, REG_DWORD, reinterpret_cast<BYTE*>(&flags), 4);
        BYTE big[12] = {1, 2, 3};
        RegSetValueExA(k, "Big", 0, REG_BINARY, big, sizeof big);
        BYTE one = 5;
        RegSetValueExA(k, "One", 0, REG_BINARY, &one, 1);
        RegCloseKey(k);
    }
    void TearDown() override { SHDeleteKeyA(HKEY_LOCAL_MACHINE, kKey); }
};

TEST_F(MachineRegistry, ValuesAreReadWithinTheBufferAndWrittenBack) {
    ServiceControl::Handle k = scm.openMachineKey(kKey);
    ASSERT_NE(k, 0u);
    uint32_t type = 0;
    std::vector<uint8_t> data;
    ASSERT_TRUE(scm.queryValue(k, "ControlFlags", 4, type, data));
    EXPECT_EQ(type, uint32_t(REG_DWORD));
    EXPECT_EQ(data, (std::vector<uint8_t>{0x0B, 0, 0, 0}));

    EXPECT_FALSE(scm.queryValue(k, "Big", 4, type, data));   // larger than the buffer
    ASSERT_TRUE(scm.queryValue(k, "One", 4, type, data));
    EXPECT_EQ(data.size(), 1u);
    EXPECT_FALSE(scm.queryValue(k, "Missing", 4, type, data));

    ASSERT_TRUE(scm.setValue(k, "ControlFlags", REG_DWORD, {0x0B, 0x80, 0, 0}));
    scm.closeKey(k);

    DWORD value = 0, size = 4;
    SHGetValueA(HKEY_LOCAL_MACHINE, kKey, "ControlFlags", nullptr, &value, &size);
    EXPECT_EQ(value, 0x800Bu);
    EXPECT_EQ(scm.openMachineKey("SOFTWARE\\NoSuchLumoraKey"), 0u);
}

TEST(ServiceManager, ManagerOpensAndAMissingServiceFailsQuietly) {
    ServiceControlWin32 scm;
    ServiceControl::Handle manager = scm.openManager();
    ASSERT_NE(manager, 0u);
    EXPECT_EQ(scm.openService(manager, "LumoraNoSuchService"), 0u);
    // A service Wine does have answers with a state.
    ServiceControl::Handle rpc = scm.openService(manager, "RpcSs");
    if (rpc) {
        uint32_t state = 0;
        EXPECT_TRUE(scm.queryState(rpc, state));
        EXPECT_GE(state, 1u);
        EXPECT_LE(state, 7u);
        scm.closeServiceHandle(rpc);
    }
    scm.closeServiceHandle(manager);
}

TEST(StartupPlatform, MutexReportsASecondHolder) {
    StartupPlatformWin32 a(nullptr), b(nullptr);
    bool existed = true;
    ASSERT_TRUE(a.createInstanceMutex("LumoraBindingTestMutex", existed));
    EXPECT_FALSE(existed);
    ASSERT_TRUE(b.createInstanceMutex("LumoraBindingTestMutex", existed));
    EXPECT_TRUE(existed);
}

TEST(StartupPlatform, ModulePathSocketsAndOwnerWindow) {
    uint32_t seen = 0;
    HWND owner = nullptr;
    StartupPlatformWin32 p([&](HWND o, uint32_t code) {
        owner = o;
        seen = code;
    });
    std::string path = p.modulePath();
    ASSERT_GT(path.size(), 4u);
    EXPECT_EQ(path.substr(path.size() - 4), ".exe");
    EXPECT_NE(path.find('\\'), std::string::npos);
    EXPECT_TRUE(p.startSockets());
    ASSERT_TRUE(p.createOwnerWindow());
    p.runMainWindow(8);
    EXPECT_EQ(seen, 8u);
    ASSERT_NE(owner, nullptr);
    EXPECT_TRUE(IsWindow(owner));
    EXPECT_FALSE(IsWindowVisible(owner));
    p.destroyOwnerWindow();
    EXPECT_FALSE(IsWindow(owner));
}

}  // namespace
