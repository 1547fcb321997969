// The registry binding of the settings store: where values land, their type, values of
// any length, values written by others, and that they outlive the process.
//
// The program runs itself as a child ("--child-write SECTION" / "--child-check SECTION")
// to show that a value written by one process is read by another.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "profiles/profile_store.h"
#include "profiles/registry_settings_store.h"

namespace {

const char* const kSection = "RegistryStoreTest";

std::string rawRead(const std::string& section, const std::string& name, DWORD* typeOut = nullptr) {
    HKEY key = nullptr;
    const std::string path = std::string("Software\\Vexa\\Lumora\\") + section;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "<no key>";
    char buffer[256] = {};
    DWORD size = sizeof buffer - 1;
    DWORD type = 0;
    const LONG rc = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (typeOut) *typeOut = type;
    return rc == ERROR_SUCCESS ? std::string(buffer) : "<no value>";
}

void rawWrite(const std::string& section, const std::string& name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    const std::string path = std::string("Software\\Vexa\\Lumora\\") + section;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

int runSelf(const std::string& arguments) {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string commandLine = std::string("\"") + exe + "\" " + arguments;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
    WaitForSingleObject(pi.hProcess, 60000);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(code);
}

class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override { store.deleteSection(kSection); }
    void TearDown() override { store.deleteSection(kSection); }
    RegistrySettingsStore store;
};

TEST_F(RegistryStoreTest, ValuesLandUnderTheApplicationKeyAsStrings) {
    EXPECT_EQ(store.readValue(kSection, "SSID", "dflt"), "dflt");  // no key yet
    EXPECT_TRUE(store.writeValue(kSection, "SSID", "homenet"));
    DWORD type = 0;
    EXPECT_EQ(rawRead(kSection, "SSID", &type), "homenet");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(store.readValue(kSection, "SSID", "dflt"), "homenet");
    EXPECT_EQ(store.readValue(kSection, "Missing", "dflt"), "dflt");
    EXPECT_TRUE(store.writeValue(kSection, "Empty", ""));
    EXPECT_EQ(store.readValue(kSection, "Empty", "dflt"), "");
}

TEST_F(RegistryStoreTest, NamesIgnoreLetterCase) {
    store.writeValue(kSection, "KeyIndex", "3");
    EXPECT_EQ(store.readValue("registrystoretest", "KEYINDEX", ""), "3");
    EXPECT_TRUE(store.deleteSection("REGISTRYSTORETEST"));
    EXPECT_EQ(rawRead(kSection, "KeyIndex"), "<no key>");
    EXPECT_FALSE(store.deleteSection(kSection));
}

TEST_F(RegistryStoreTest, LongValuesAreReadWhole) {
    std::string longText;
    for (int i = 0; i < 20000; ++i) longText += static_cast<char>('a' + i % 26);
    EXPECT_TRUE(store.writeValue(kSection, "Long", longText));
    EXPECT_EQ(store.readValue(kSection, "Long", ""), longText);
}

TEST_F(RegistryStoreTest, ValuesWrittenByOthersAreReadSafely) {
    const char unterminated[] = {'a', 'b', 'c'};
    rawWrite(kSection, "NoZero", REG_SZ, unterminated, sizeof unterminated);
    EXPECT_EQ(store.readValue(kSection, "NoZero", "dflt"), "abc");
    const char embedded[] = "end\0tail";
    rawWrite(kSection, "Embedded", REG_SZ, embedded, sizeof embedded);
    EXPECT_EQ(store.readValue(kSection, "Embedded", "dflt"), "end");
    const DWORD number = 7;
    rawWrite(kSection, "Number", REG_DWORD, &number, sizeof number);
    EXPECT_EQ(store.readValue(kSection, "Number", "dflt"), "dflt");
    rawWrite(kSection, "Nothing", REG_SZ, "", 0);
    EXPECT_EQ(store.readValue(kSection, "Nothing", "dflt"), "");
}

TEST_F(RegistryStoreTest, ValuesOutliveTheProcessBothWays) {
    ASSERT_EQ(runSelf(std::string("--child-write ") + kSection), 0);
    EXPECT_EQ(store.readValue(kSection, "SSID", ""), "from child");
    EXPECT_EQ(store.readValue(kSection, "NextProfile", ""), "end");

    store.writeValue(kSection, "Channel", "6");
    EXPECT_EQ(runSelf(std::string("--child-check ") + kSection), 0);
}

TEST_F(RegistryStoreTest, ProfileChainLivesInTheRegistry) {
    const char* const names[] = {"RegTestA", "RegTestB"};
    // The prefix is shared with other tests: leave FactoryDefault as it was found.
    const std::string before = store.readValue("FactoryDefault", "NextProfile", "end");
    store.writeValue("FactoryDefault", "NextProfile", "end");
    ProfileStore profiles(store);
    for (const char* n : names) {
        store.deleteSection(n);
        profiles.writeValue(n, "SSID", n);
        profiles.linkNewProfile(n);
    }
    EXPECT_EQ(rawRead("FactoryDefault", "NextProfile"), "RegTestB");
    EXPECT_EQ(rawRead("RegTestB", "NextProfile"), "RegTestA");
    EXPECT_EQ(profiles.listProfiles(), (std::vector<std::string>{"RegTestB", "RegTestA"}));
    EXPECT_TRUE(profiles.deleteProfile("RegTestB"));
    EXPECT_EQ(rawRead("RegTestB", "SSID"), "<no key>");
    EXPECT_EQ(rawRead("FactoryDefault", "NextProfile"), "RegTestA");
    EXPECT_TRUE(profiles.deleteProfile("RegTestA"));
    EXPECT_EQ(rawRead("FactoryDefault", "NextProfile"), "end");
    store.writeValue("FactoryDefault", "NextProfile", before);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--child-write") {
        RegistrySettingsStore s;
        const bool ok = s.writeValue(argv[2], "SSID", "from child") && s.writeValue(argv[2], "NextProfile", "end");
        return ok ? 0 : 1;
    }
    if (argc == 3 && std::string(argv[1]) == "--child-check") {
        RegistrySettingsStore s;
        return s.readValue(argv[2], "Channel", "") == "6" ? 0 : 2;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
