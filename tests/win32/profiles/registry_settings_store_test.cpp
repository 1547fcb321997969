// The registry binding of the settings store: where values land, their type, values of
// any length, values written by others, and that they outlive the process.
//
// The program runs itself as a child ("--child-write SECTION" / "--child-check SECTION")
// to show that a value written by one process is read by another.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "profiles/memory_settings_store.h"
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

// The store keeps the keys it reads and writes open; every change made behind its back, the key
// deleted and made again included, must still show in the very next read.
TEST_F(RegistryStoreTest, ChangesByOthersShowAtTheNextRead) {
    const std::string path = std::string("Software\\Vexa\\Lumora\\") + kSection;
    const auto put = [&](const std::string& text) { rawWrite(kSection, "SSID", REG_SZ, text.c_str(), DWORD(text.size() + 1)); };
    const auto drop = [&](const std::string&) { RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str()); };
    const auto mine = [&](const std::string& text) { EXPECT_TRUE(store.writeValue(kSection, "SSID", text)); };
    struct Step {
        std::function<void(const std::string&)> edit;
        std::string text;      // what the edit stores
        std::string expected;  // what the store then reads
        bool section;          // whether the key then exists
    };
    const std::string edge(255, 'e'), over(256, 'o'), huge(3000, 'h');
    const Step steps[] = {
        {put, "first", "first", true},   {put, "second", "second", true}, {drop, "", "dflt", false},
        {put, "again", "again", true},   {put, edge, edge, true},         {put, over, over, true},
        {drop, "", "dflt", false},       {put, huge, huge, true},           {put, "short", "short", true},
        {mine, "ours", "ours", true},    {drop, "", "dflt", false},       {mine, "made again", "made again", true},
        {put, "theirs", "theirs", true}, {mine, "ours again", "ours again", true},
    };
    for (size_t i = 0; i < sizeof steps / sizeof steps[0]; ++i) {
        steps[i].edit(steps[i].text);
        EXPECT_EQ(store.readValue(kSection, "SSID", "dflt"), steps[i].expected) << "step " << i;
        EXPECT_EQ(store.hasSection(kSection), steps[i].section) << "step " << i;
    }
    // The store's own deletion leaves nothing of ours holding the key.
    EXPECT_TRUE(store.deleteSection(kSection));
    EXPECT_EQ(rawRead(kSection, "SSID"), "<no key>");
    EXPECT_FALSE(store.hasSection(kSection));
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

// Deletes a key with everything below it.
void deleteTree(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    char name[256];
    std::vector<std::string> subkeys;
    for (DWORD i = 0; RegEnumKeyA(key, i, name, sizeof name) == ERROR_SUCCESS; ++i) subkeys.push_back(name);
    RegCloseKey(key);
    for (const auto& sub : subkeys) deleteTree(path + "\\" + sub);
    RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
}

// The profile store on a root of its own, so a chain can be built and broken freely.
class RegistryProfileStoreTest : public ::testing::Test {
protected:
    static constexpr const char* kRoot = "Software\\Vexa\\LumoraStoreTest";
    void SetUp() override {
        deleteTree(kRoot);
        settings.writeValue("FactoryDefault", "NextProfile", "end");
        settings.writeValue("FactoryDefault", "SSID", "vexa");
    }
    void TearDown() override { deleteTree(kRoot); }
    void save(const std::string& name) {
        profiles.writeValue(name, "SSID", name);
        profiles.linkNewProfile(name);
    }
    bool keyExists(const std::string& path) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(kRoot) + "\\" + path).c_str(), 0, KEY_READ, &key) !=
            ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }
    std::string next(const std::string& name) { return settings.readValue(name, "NextProfile", "<missing>"); }

    RegistrySettingsStore settings{kRoot};
    ProfileStore profiles{settings};
};

using Chain = std::vector<std::string>;

TEST_F(RegistryProfileStoreTest, CafeInCapitalsIsTheKeyOfCafeAndTheChainIsMended) {
    save("Caf\xE9");
    save("Work");
    ASSERT_TRUE(keyExists("CAF\xC9")) << "the registry folds the accented letter";
    EXPECT_FALSE(profiles.linkNewProfile("CAF\xC9"));
    EXPECT_TRUE(profiles.deleteProfile("CAF\xC9"));
    EXPECT_FALSE(keyExists("Caf\xE9"));
    EXPECT_EQ(next("Work"), "end");
    EXPECT_EQ(profiles.listProfiles(), (Chain{"Work"}));
}

// The binding folds a name exactly as the registry matches key names, and the host's
// double folds the same: for every byte, the keys "F"+byte that the registry takes for
// one key are the ones whose folded names are equal.
TEST_F(RegistryProfileStoreTest, FoldingAgreesWithTheRegistryAndTheHostDouble) {
    MemorySettingsStore host;
    std::vector<int> firstOfKey(256, 0);
    for (int b = 1; b < 256; ++b) {
        if (b == '\\') continue;
        const std::string name = std::string("F") + static_cast<char>(b);
        const std::string first = settings.readValue(name, "first", "");
        if (first.empty()) settings.writeValue(name, "first", std::to_string(b));
        firstOfKey[b] = first.empty() ? b : std::stoi(first);
    }
    int sharedKeys = 0;
    for (int b = 1; b < 256; ++b) {
        if (b == '\\') continue;
        const std::string name = std::string("F") + static_cast<char>(b);
        const std::string other = std::string("F") + static_cast<char>(firstOfKey[b]);
        if (firstOfKey[b] != b) ++sharedKeys;
        EXPECT_EQ(settings.foldName(name), settings.foldName(other)) << "byte " << b;
        EXPECT_EQ(host.foldName(name), settings.foldName(name)) << "byte " << b;
        for (int c = 1; c < b; ++c) {
            if (c == '\\' || firstOfKey[c] == firstOfKey[b]) continue;
            const std::string third = std::string("F") + static_cast<char>(c);
            EXPECT_NE(settings.foldName(name), settings.foldName(third)) << "bytes " << b << " and " << c;
        }
    }
    EXPECT_GE(sharedKeys, 26 + 30) << "ASCII and accented letters share keys with their capitals";
}

TEST_F(RegistryProfileStoreTest, AFailedDeletionLeavesTheChainIntact) {
    save("Home");
    save("Work");
    save("Lab");  // Lab Work Home
    HKEY sub = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kRoot) + "\\Work\\Held").c_str(), 0, nullptr, 0,
                              KEY_WRITE, nullptr, &sub, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(sub);
    EXPECT_FALSE(profiles.deleteProfile("Work"));
    EXPECT_TRUE(keyExists("Work"));
    EXPECT_EQ(next("Lab"), "Work");
    EXPECT_EQ(profiles.listProfiles(), (Chain{"Lab", "Work", "Home"}));
    ASSERT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, (std::string(kRoot) + "\\Work\\Held").c_str()), ERROR_SUCCESS);
    EXPECT_TRUE(profiles.deleteProfile("Work"));
    EXPECT_EQ(profiles.listProfiles(), (Chain{"Lab", "Home"}));
}

// The registry reads these as FactoryDefault, ActiveSetting and Work themselves.
TEST_F(RegistryProfileStoreTest, NamesWithABackslashDeleteNothing) {
    save("Home");
    save("Work");
    settings.writeValue("ActiveSetting", "SSID", "in force");
    for (const char* name : {"\\FactoryDefault", "ActiveSetting\\", "Work\\", "\\\\Home", "\\"}) {
        EXPECT_FALSE(profiles.deleteProfile(name)) << name;
        EXPECT_FALSE(profiles.linkNewProfile(name)) << name;
        profiles.writeValue(name, "SSID", "overwritten");
    }
    EXPECT_TRUE(keyExists("FactoryDefault"));
    EXPECT_EQ(settings.readValue("FactoryDefault", "SSID", ""), "vexa");
    EXPECT_EQ(next("FactoryDefault"), "Work");
    EXPECT_EQ(settings.readValue("ActiveSetting", "SSID", ""), "in force");
    EXPECT_EQ(settings.readValue("Work", "SSID", ""), "Work");
    EXPECT_EQ(profiles.listProfiles(), (Chain{"Work", "Home"}));
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
