#include "app/lumora_app.h"

#include "language/language_texts.h"
#include "app/startup_platform.h"
#include "platform/windows_version.h"
#include "app/zero_config.h"
#include "platform/desktop.h"
#include "profiles/profile_names.h"
#include "profiles/settings_store.h"

namespace {

const char kSettingsSection[] = "Settings";
const char kProfilePath[] = "ProfilePath";
const char kLanguageValue[] = "Language";
const char kConfigFile[] = "Config.INI";
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;

struct Default {
    const char* name;
    const char* value;
};

// The settings every start writes into FactoryDefault (and fills into ActiveSetting
// where they are missing), in the order they are written.
const Default kSettingDefaults[] = {
    {ProfileValue::SSID, "vexa"},          {ProfileValue::OperationMode, "0"},
    {ProfileValue::Channel, "10"},         {ProfileValue::Authentication, "2"},
    {ProfileValue::WepEnabled, "0"},       {ProfileValue::OneX, "0"},
    {ProfileValue::KeyIndex, "1"},         {ProfileValue::Key1Length, "0"},
    {ProfileValue::Key2Length, "0"},       {ProfileValue::Key3Length, "0"},
    {ProfileValue::Key4Length, "0"},       {ProfileValue::KeyFormat, "1"},
    {ProfileValue::Key1, ""},              {ProfileValue::Key2, ""},
    {ProfileValue::Key3, ""},              {ProfileValue::Key4, ""},
    {ProfileValue::PowerSaveMode, "0"},    {ProfileValue::PreambleType, "0"},
    {ProfileValue::MaxRate, "0"},
};

}  // namespace

LumoraApp::LumoraApp(SettingsStore& settings, LanguageTexts& texts, Desktop& desktop,
                     ServiceControl& services, StartupPlatform& platform)
    : settings_(settings), texts_(texts), desktop_(desktop), services_(services),
      platform_(platform) {}

std::string LumoraApp::DirectoryOf(const std::string& path) {
    size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string LumoraApp::NameOf(const std::string& path) {
    size_t slash = path.find_last_of('\\');
    std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = file.find_last_of('.');
    return dot == std::string::npos ? file : file.substr(0, dot);
}

void LumoraApp::EnsureReservedProfiles(SettingsStore& settings) {
    const std::string factory = ProfileName::FactoryDefault;
    const std::string active = ProfileName::ActiveSetting;

    for (const Default& d : kSettingDefaults) settings.writeValue(factory, d.name, d.value);
    if (settings.readValue(factory, ProfileValue::NextProfile, "").empty())
        settings.writeValue(factory, ProfileValue::NextProfile, ProfileName::EndOfChain);

    auto fill = [&](const char* name, const char* value) {
        if (settings.readValue(active, name, "").empty()) settings.writeValue(active, name, value);
    };
    fill(ProfileValue::ProfileName, ProfileName::FactoryDefault);
    for (const Default& d : kSettingDefaults) fill(d.name, d.value);
    fill(ProfileValue::AutoSearch, "0");
}

void LumoraApp::DetectWindowsVersion() {
    osVersionCode_ = ::DetectWindowsVersion(desktop_);
}

bool LumoraApp::InitInstance() {
    // Settings live under Software\Vexa\<program name>; the store knows the company key.
    std::string modulePath = platform_.modulePath();
    programDirectory_ = DirectoryOf(modulePath);
    appName_ = NameOf(modulePath);
    settings_.writeValue(kSettingsSection, kProfilePath, programDirectory_);

    configPath_ = programDirectory_ + kConfigFile;
    texts_.Open(configPath_, kLanguagesSection);
    chooseStartupLanguage(texts_,
                          settings_.readValue(kSettingsSection, kLanguageValue, kDefaultLanguage));

    bool alreadyRunning = false;
    platform_.createInstanceMutex(appName_, alreadyRunning);
    if (alreadyRunning) {
        desktop_.messageBox(texts_.GetText(LanguageKey::AppRunning, DefaultText::AppRunning),
                            appName_, MessageIcon::Information);
        return false;
    }

    EnsureReservedProfiles(settings_);

    DetectWindowsVersion();
    if (HasZeroConfigService(osVersionCode_)) ZeroConfig(services_).StopZeroConfigService();

    if (!platform_.startSockets()) {
        desktop_.messageBox("Windows sockets initialization failed.", appName_,
                            MessageIcon::Information);
        return false;
    }

    platform_.prepareDialogs(kWhite, kBlack);
    if (!platform_.createOwnerWindow()) return false;

    platform_.runMainWindow(osVersionCode_);
    platform_.destroyOwnerWindow();
    return false;
}
