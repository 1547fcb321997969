#pragma once
// The application object: runs once at process start, makes sure the settings are
// usable, refuses a second instance, then runs the main window until the user exits.

#include <cstdint>
#include <string>

class Desktop;
class LanguageTexts;
class ServiceControl;
class SettingsStore;
class StartupPlatform;

class LumoraApp {
public:
    LumoraApp(SettingsStore& settings, LanguageTexts& texts, Desktop& desktop,
              ServiceControl& services, StartupPlatform& platform);

    // Always false: the program ends when the main window has closed, or earlier when
    // start-up cannot go on.
    bool InitInstance();

    // Fills the OS version code; 0 when the system will not say.
    void DetectWindowsVersion();

    uint32_t OsVersionCode() const { return osVersionCode_; }
    const std::string& ProgramDirectory() const { return programDirectory_; }
    const std::string& ConfigPath() const { return configPath_; }
    const std::string& AppName() const { return appName_; }

    // "C:\x\Lumora.exe" -> "C:\x\" and "Lumora".
    static std::string DirectoryOf(const std::string& path);
    static std::string NameOf(const std::string& path);

    // Writes the factory settings and fills the gaps of the settings in force.
    static void EnsureReservedProfiles(SettingsStore& settings);

private:
    SettingsStore& settings_;
    LanguageTexts& texts_;
    Desktop& desktop_;
    ServiceControl& services_;
    StartupPlatform& platform_;
    uint32_t osVersionCode_ = 0;
    std::string programDirectory_;
    std::string configPath_;
    std::string appName_;
};
