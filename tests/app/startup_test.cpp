// Start-up: settings location, language, single instance, reserved profiles, version,
// wireless service, and the order in which all of that happens.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/fake_service_control.h"
#include "app/simple_ini.h"
#include "language/language_texts.h"
#include "app/lumora_app.h"
#include "app/startup_platform.h"
#include "profiles/memory_settings_store.h"
#include "support/fake_desktop.h"

namespace {

const char kExe[] = "C:\\Program Files\\Vexa\\Lumora.exe";
const char kDir[] = "C:\\Program Files\\Vexa\\";

// Records the order of start-up's steps as one log shared with the store.
struct Log {
    std::vector<std::string> entries;
};

class LoggingStore : public MemorySettingsStore {
public:
    explicit LoggingStore(Log& log) : log_(log) {}
    bool writeValue(const std::string& s, const std::string& n, const std::string& v) override {
        log_.entries.push_back("write " + s + "/" + n);
        return MemorySettingsStore::writeValue(s, n, v);
    }

private:
    Log& log_;
};

class FakeStartupPlatform : public StartupPlatform {
public:
    explicit FakeStartupPlatform(Log& log) : log_(log) {}
    bool otherInstance = false;
    bool socketsWork = true;
    bool ownerWindowWorks = true;
    std::string mutexName;
    uint32_t background = 1, text = 1;
    uint32_t versionSeen = 99;

    std::string modulePath() override { return kExe; }
    bool createInstanceMutex(const std::string& name, bool& existed) override {
        log_.entries.push_back("mutex");
        mutexName = name;
        existed = otherInstance;
        return true;
    }
    bool startSockets() override {
        log_.entries.push_back("sockets");
        return socketsWork;
    }
    void prepareDialogs(uint32_t bg, uint32_t fg) override {
        log_.entries.push_back("dialogs");
        background = bg;
        text = fg;
    }
    bool createOwnerWindow() override {
        log_.entries.push_back("owner window");
        return ownerWindowWorks;
    }
    void runMainWindow(uint32_t code) override {
        log_.entries.push_back("main window");
        versionSeen = code;
    }
    void destroyOwnerWindow() override { log_.entries.push_back("destroy owner"); }

private:
    Log& log_;
};

struct Startup : ::testing::Test {
    Log log;
    LoggingStore store{log};
    SimpleIni ini;
    LanguageTexts texts{ini};
    FakeDesktop desktop;
    FakeServiceControl scm;
    FakeStartupPlatform platform{log};
    LumoraApp app{store, texts, desktop, scm, platform};

    Startup() { ini.path = std::string(kDir) + "Config.INI"; }

    std::string active(const std::string& name) {
        return store.readValue("ActiveSetting", name, "<missing>");
    }
    std::string factory(const std::string& name) {
        return store.readValue("FactoryDefault", name, "<missing>");
    }
    size_t indexOf(const std::string& entry) {
        return size_t(std::find(log.entries.begin(), log.entries.end(), entry) - log.entries.begin());
    }
};

const std::vector<std::pair<std::string, std::string>> kDefaults = {
    {"SSID", "vexa"},       {"OperationMode", "0"}, {"Channel", "10"},    {"Authentication", "2"},
    {"WepEnabled", "0"},    {"1X", "0"},            {"KeyIndex", "1"},    {"Key1Length", "0"},
    {"Key2Length", "0"},    {"Key3Length", "0"},    {"Key4Length", "0"},  {"KeyFormat", "1"},
    {"Key1", ""},           {"Key2", ""},           {"Key3", ""},         {"Key4", ""},
    {"PowerSaveMode", "0"}, {"PreambleType", "0"},  {"MaxRate", "0"}};

TEST_F(Startup, EmptyRegistryGetsBothReservedProfilesWithEveryDefault) {
    app.InitInstance();  // false by contract: the run ends in it
    for (const auto& [name, value] : kDefaults) {
        EXPECT_TRUE(store.hasValue("FactoryDefault", name)) << name;
        EXPECT_EQ(factory(name), value) << name;
        EXPECT_TRUE(store.hasValue("ActiveSetting", name)) << name;
        EXPECT_EQ(active(name), value) << name;
    }
    EXPECT_EQ(factory("NextProfile"), "end");
    EXPECT_EQ(factory("ProfileName"), "<missing>");
    EXPECT_EQ(factory("AutoSearch"), "<missing>");
    EXPECT_EQ(active("ProfileName"), "FactoryDefault");
    EXPECT_EQ(active("AutoSearch"), "0");
    EXPECT_EQ(active("NextProfile"), "<missing>");
    EXPECT_EQ(store.readValue("Settings", "ProfilePath", ""), kDir);
}

TEST_F(Startup, FactorySsidIsRewrittenAndItsNextProfileKept) {
    store.writeValue("FactoryDefault", "SSID", "mine");
    store.writeValue("FactoryDefault", "Channel", "3");
    store.writeValue("FactoryDefault", "NextProfile", "Home");
    app.InitInstance();
    EXPECT_EQ(factory("SSID"), "vexa");
    EXPECT_EQ(factory("Channel"), "10");
    EXPECT_EQ(factory("NextProfile"), "Home");
}

TEST_F(Startup, ActiveSettingKeepsTheUsersValuesAndFillsOnlyTheGaps) {
    store.writeValue("ActiveSetting", "SSID", "office");
    store.writeValue("ActiveSetting", "Channel", "");
    store.writeValue("ActiveSetting", "ProfileName", "Home");
    store.writeValue("ActiveSetting", "AutoSearch", "1");
    store.writeValue("ActiveSetting", "Key1", "secret");
    app.InitInstance();
    EXPECT_EQ(active("SSID"), "office");
    EXPECT_EQ(active("Channel"), "10");
    EXPECT_EQ(active("ProfileName"), "Home");
    EXPECT_EQ(active("AutoSearch"), "1");
    EXPECT_EQ(active("Key1"), "secret");
}

TEST_F(Startup, ReservedProfilesAreWrittenInTableOrder) {
    app.InitInstance();
    std::vector<std::string> factoryWrites, activeWrites;
    for (const auto& e : log.entries) {
        if (e.rfind("write FactoryDefault/", 0) == 0) factoryWrites.push_back(e.substr(21));
        if (e.rfind("write ActiveSetting/", 0) == 0) activeWrites.push_back(e.substr(20));
    }
    std::vector<std::string> expectFactory, expectActive{"ProfileName"};
    for (const auto& d : kDefaults) {
        expectFactory.push_back(d.first);
        expectActive.push_back(d.first);
    }
    expectFactory.push_back("NextProfile");
    expectActive.push_back("AutoSearch");
    EXPECT_EQ(factoryWrites, expectFactory);
    EXPECT_EQ(activeWrites, expectActive);
}

TEST_F(Startup, SecondInstanceShowsTheMessageAndWritesOnlyProfilePath) {
    platform.otherInstance = true;
    app.InitInstance();  // false by contract: the run ends in it
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "Application is already running!");
    EXPECT_EQ(desktop.messages[0].title, "Lumora");
    EXPECT_EQ(store.writeCount(), 1);
    EXPECT_EQ(store.readValue("Settings", "ProfilePath", ""), kDir);
    EXPECT_EQ(store.sections(), std::vector<std::string>{"Settings"});
    EXPECT_EQ(platform.mutexName, "Lumora");
    EXPECT_EQ(indexOf("main window"), log.entries.size());
    EXPECT_EQ(desktop.versionCalls, 0);
}

TEST_F(Startup, SecondInstanceMessageComesFromTheLanguageInForce) {
    store.writeValue("Settings", "Language", "Deutsch");
    ini.set("Languages", "Language-1", "English");
    ini.set("Deutsch", "AppRunning", "Läuft schon!");
    platform.otherInstance = true;
    app.InitInstance();
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "Läuft schon!");
    EXPECT_EQ(texts.CurrentLanguage(), "Deutsch");
}

TEST_F(Startup, LanguageFileIsBesideTheExecutable) {
    ini.set("Languages", "Language-1", "English");
    app.InitInstance();
    EXPECT_EQ(app.ConfigPath(), std::string(kDir) + "Config.INI");
    EXPECT_EQ(texts.FilePath(), app.ConfigPath());
    EXPECT_EQ(texts.ListSection(), "Languages");
    EXPECT_EQ(texts.CurrentLanguage(), "English");
}

TEST_F(Startup, ServiceIsStoppedOnlyOnXpAndServer2003) {
    struct Row {
        uint32_t platform, major, minor;
        bool stops;
    } rows[] = {{2, 5, 0, false}, {2, 5, 1, true},  {2, 5, 2, true},
                {2, 6, 0, false}, {2, 4, 0, false}, {1, 4, 10, false}};
    for (const Row& r : rows) {
        Log l;
        LoggingStore s{l};
        FakeDesktop d;
        d.version = OsVersionInfo{r.major, r.minor, 0, r.platform, ""};
        FakeServiceControl services;
        FakeStartupPlatform p{l};
        LanguageTexts t{ini};
        LumoraApp a{s, t, d, services, p};
        a.InitInstance();
        bool stopped = std::count(services.log.begin(), services.log.end(), "stop") == 1;
        EXPECT_EQ(stopped, r.stops) << r.major << "." << r.minor;
        EXPECT_EQ(services.log.empty(), !r.stops) << r.major << "." << r.minor;
        EXPECT_EQ(p.versionSeen, a.OsVersionCode());
    }
}

TEST_F(Startup, StepsRunInOrderAndTheMainWindowGetsTheVersionCode) {
    app.InitInstance();
    EXPECT_LT(indexOf("write Settings/ProfilePath"), indexOf("mutex"));
    EXPECT_LT(indexOf("mutex"), indexOf("write FactoryDefault/SSID"));
    EXPECT_LT(indexOf("write ActiveSetting/AutoSearch"), indexOf("sockets"));
    EXPECT_LT(indexOf("sockets"), indexOf("dialogs"));
    EXPECT_LT(indexOf("dialogs"), indexOf("owner window"));
    EXPECT_LT(indexOf("owner window"), indexOf("main window"));
    EXPECT_EQ(log.entries.back(), "destroy owner");
    EXPECT_EQ(platform.versionSeen, 8u);
    EXPECT_EQ(platform.background, 0xFFFFFFu);
    EXPECT_EQ(platform.text, 0x000000u);
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(Startup, SocketFailureShowsItsMessageAndEndsBeforeAnyWindow) {
    platform.socketsWork = false;
    app.InitInstance();  // false by contract: the run ends in it
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].text, "Windows sockets initialization failed.");
    EXPECT_EQ(indexOf("owner window"), log.entries.size());
}

TEST_F(Startup, MissingOwnerWindowEndsQuietly) {
    platform.ownerWindowWorks = false;
    app.InitInstance();  // false by contract: the run ends in it
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_EQ(indexOf("main window"), log.entries.size());
}

TEST(StartupPaths, DirectoryAndNameComeFromTheModulePath) {
    EXPECT_EQ(LumoraApp::DirectoryOf("C:\\a\\b\\Lumora.exe"), "C:\\a\\b\\");
    EXPECT_EQ(LumoraApp::NameOf("C:\\a\\b\\Lumora.exe"), "Lumora");
    EXPECT_EQ(LumoraApp::NameOf("C:\\a.b\\Prog"), "Prog");
    EXPECT_EQ(LumoraApp::DirectoryOf("Lumora.exe"), "");
}

}  // namespace
