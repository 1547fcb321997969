// The registry and security binding on a real (Wine) registry: what a value read
// yields for odd data, enumeration, recursive deletion, and whether a grant takes
// effect on the key's access list.
#include <gtest/gtest.h>

#include <windows.h>
#include <aclapi.h>
#include <shlwapi.h>

#include <string>
#include <vector>

#include "regsweep/registry_access_win32.h"
#include "regsweep/system_access_win32.h"

using regsweep::kKeyRead;
using regsweep::kLocalMachine;
using regsweep::kWriteDac;
using regsweep::KeyHandle;
using regsweep::ReadStatus;

namespace {

constexpr char kRoot[] = "SOFTWARE\\RegsweepBindingTest";

class BindingTest : public ::testing::Test {
protected:
    void SetUp() override {
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, kRoot);
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRoot, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root_,
                                  nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(root_);
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, kRoot);
    }
    void setRaw(const char* name, DWORD type, const std::string& bytes) {
        ASSERT_EQ(RegSetValueExA(root_, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
    }
    HKEY create(const std::string& sub) {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyExA(root_, sub.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        return key;
    }
    static bool Exists(const std::string& path) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }
    KeyHandle openRoot(unsigned long access) {
        KeyHandle key = regsweep::kNoKey;
        EXPECT_TRUE(registry_.open(kLocalMachine, kRoot, access, &key));
        return key;
    }

    HKEY root_ = nullptr;
    regsweep::RegistryWin32 registry_;
};

// Does the key's access list hold an allow entry for this user, inherited by subkeys?
bool UserHasInheritedAllowEntry(const std::string& path, const std::string& user) {
    BYTE sid[SECURITY_MAX_SID_SIZE] = {};
    DWORD sidSize = sizeof sid;
    char domain[256] = {};
    DWORD domainSize = sizeof domain;
    SID_NAME_USE use{};
    if (!LookupAccountNameA(nullptr, user.c_str(), sid, &sidSize, domain, &domainSize, &use)) return false;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, READ_CONTROL, &key) != ERROR_SUCCESS) return false;
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    bool found = false;
    if (GetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl, nullptr,
                        &descriptor) == ERROR_SUCCESS &&
        dacl != nullptr) {
        for (DWORD i = 0; i < dacl->AceCount; ++i) {
            void* ace = nullptr;
            if (!GetAce(dacl, i, &ace)) continue;
            auto* header = static_cast<ACE_HEADER*>(ace);
            if (header->AceType != ACCESS_ALLOWED_ACE_TYPE) continue;
            auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
            if (EqualSid(&allowed->SidStart, sid) && (header->AceFlags & CONTAINER_INHERIT_ACE) != 0 &&
                allowed->Mask != 0)
                found = true;
        }
    }
    if (descriptor != nullptr) LocalFree(descriptor);
    RegCloseKey(key);
    return found;
}

}  // namespace

TEST_F(BindingTest, StringValuesAreReadWithinTheBufferAndOddDataIsRefused) {
    setRaw("Plain", REG_SZ, std::string("Enum\\USB\\VID_1\0", 15));
    setRaw("Expand", REG_EXPAND_SZ, std::string("x\0", 2));
    setRaw("NoTerminator", REG_SZ, "abc");
    setRaw("EmbeddedNul", REG_SZ, std::string("ab\0cd\0", 6));
    setRaw("Dword", REG_DWORD, std::string("\x01\x00\x00\x00", 4));
    setRaw("Fits", REG_SZ, std::string(299, 'f') + std::string(1, '\0'));
    setRaw("Long", REG_SZ, std::string(300, 'l') + std::string(1, '\0'));
    setRaw("FullNoTerminator", REG_SZ, std::string(300, 'n'));

    const KeyHandle key = openRoot(kKeyRead);
    std::string value;
    EXPECT_EQ(registry_.readString(key, "Plain", 300, &value), ReadStatus::Ok);
    EXPECT_EQ(value, "Enum\\USB\\VID_1");
    EXPECT_EQ(registry_.readString(key, "Expand", 300, &value), ReadStatus::Ok);
    EXPECT_EQ(value, "x");
    EXPECT_EQ(registry_.readString(key, "NoTerminator", 300, &value), ReadStatus::Ok);
    EXPECT_EQ(value, "abc");
    EXPECT_EQ(registry_.readString(key, "EmbeddedNul", 300, &value), ReadStatus::Ok);
    EXPECT_EQ(value, "ab");
    EXPECT_EQ(registry_.readString(key, "Fits", 300, &value), ReadStatus::Ok);
    EXPECT_EQ(value.size(), 299u);

    value = "unchanged";
    EXPECT_EQ(registry_.readString(key, "Dword", 300, &value), ReadStatus::Missing);
    EXPECT_EQ(registry_.readString(key, "Absent", 300, &value), ReadStatus::Missing);
    EXPECT_EQ(registry_.readString(key, "Long", 300, &value), ReadStatus::TooLong);
    EXPECT_EQ(registry_.readString(key, "FullNoTerminator", 300, &value), ReadStatus::TooLong);
    EXPECT_EQ(value, "unchanged");
    registry_.close(key);
}

TEST_F(BindingTest, SubkeysAreCountedNamedAndDeletedWithTheirSubkeys) {
    RegCloseKey(create("Dev\\0000\\Device Parameters"));
    RegCloseKey(create("Dev\\0001"));
    RegCloseKey(create("Keep"));
    KeyHandle dev = regsweep::kNoKey;
    ASSERT_TRUE(registry_.open(kLocalMachine, std::string(kRoot) + "\\Dev", kKeyRead, &dev));
    unsigned long count = 0;
    ASSERT_TRUE(registry_.subkeyCount(dev, &count));
    EXPECT_EQ(count, 2u);
    std::string name;
    ASSERT_TRUE(registry_.subkeyName(dev, 1, &name));
    EXPECT_EQ(name, "0001");
    EXPECT_FALSE(registry_.subkeyName(dev, 2, &name));

    EXPECT_TRUE(registry_.deleteTree(dev, "0000"));
    EXPECT_FALSE(Exists(std::string(kRoot) + "\\Dev\\0000"));
    registry_.close(dev);
    EXPECT_TRUE(registry_.deleteTree(kLocalMachine, std::string(kRoot) + "\\Dev"));
    EXPECT_FALSE(Exists(std::string(kRoot) + "\\Dev"));
    EXPECT_TRUE(Exists(std::string(kRoot) + "\\Keep"));
    EXPECT_FALSE(registry_.deleteTree(kLocalMachine, std::string(kRoot) + "\\Dev"));
}

TEST_F(BindingTest, OneValueIsDeletedByPathAndName) {
    setRaw("Nimbeo USB", REG_SZ, std::string("1\0", 2));
    setRaw("Wired LAN", REG_SZ, std::string("1\0", 2));
    EXPECT_TRUE(registry_.deleteValue(kLocalMachine, std::string(kRoot) + "\\", "Nimbeo USB"));
    EXPECT_NE(RegQueryValueExA(root_, "Nimbeo USB", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExA(root_, "Wired LAN", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_FALSE(registry_.deleteValue(kLocalMachine, std::string(kRoot), "Nimbeo USB"));
}

TEST_F(BindingTest, AGrantTakesEffectOnlyThroughAHandleThatMayWriteTheAccessList) {
    regsweep::SystemWin32 system(GetModuleHandleA(nullptr));
    const std::string user = system.userName();
    ASSERT_FALSE(user.empty());
    RegCloseKey(create("Writable"));
    RegCloseKey(create("ReadOnly"));
    const std::string writable = std::string(kRoot) + "\\Writable";
    const std::string readOnly = std::string(kRoot) + "\\ReadOnly";
    ASSERT_FALSE(UserHasInheritedAllowEntry(writable, user));

    KeyHandle key = regsweep::kNoKey;
    ASSERT_TRUE(registry_.open(kLocalMachine, writable, kKeyRead | kWriteDac, &key));
    const regsweep::GrantResult granted = registry_.grantFullAccess(key, user);
    registry_.close(key);
    EXPECT_TRUE(granted.securityRead);
    EXPECT_EQ(granted.status, 0);
    EXPECT_TRUE(UserHasInheritedAllowEntry(writable, user));

    ASSERT_TRUE(registry_.open(kLocalMachine, readOnly, kKeyRead, &key));
    const regsweep::GrantResult refused = registry_.grantFullAccess(key, user);
    registry_.close(key);
    EXPECT_TRUE(refused.securityRead);
    EXPECT_NE(refused.status, 0);
    EXPECT_FALSE(UserHasInheritedAllowEntry(readOnly, user));
}

TEST(SystemWin32, WineReportsAnNtPlatformAndAUser) {
    regsweep::SystemWin32 system(GetModuleHandleA(nullptr));
    EXPECT_EQ(system.platformId(), regsweep::kPlatformNt);
    EXPECT_FALSE(system.userName().empty());
}
