#pragma once
// The texts that may be replaced without rebuilding the program, looked up by key in
// Config.INI beside the executable, in the section of the language in force. Every
// lookup carries the built-in English text as its default.
//
// One object for the whole program. Start-up calls Open() and then
// chooseStartupLanguage(); the main window, adapter selection, site survey and tray
// read texts with GetText(). Each lookup reads the file anew, so an edited file takes
// effect at the next lookup.
//
//   IniFileTextSource ini;            // FakeTextSource in host tests
//   LanguageTexts texts(ini);
//   texts.Open(programDir + "Config.INI", kLanguagesSection);
//   chooseStartupLanguage(texts, settings.readValue("Settings", "Language", kDefaultLanguage));

#include <string>
#include <vector>

class TextSource;

// Keys and built-in texts.
namespace LanguageKey {
constexpr const char* AppRunning = "AppRunning";
constexpr const char* UseDevice = "UseDevice";
constexpr const char* DeviceName = "DeviceName";   // followed by the UseDevice number
constexpr const char* TrayShow = "TrayShow";
constexpr const char* TrayHide = "TrayHide";
constexpr const char* TrayExit = "TrayExit";
constexpr const char* PDError6 = "PDError6";
constexpr const char* PDError7 = "PDError7";
}  // namespace LanguageKey

namespace DefaultText {
constexpr const char* AppRunning = "Application is already running!";
constexpr const char* UseDevice = "1";
constexpr const char* DeviceName = "Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter";
constexpr const char* TrayShow = "Show";
constexpr const char* TrayHide = "Hide";
constexpr const char* TrayExit = "Exit";
constexpr const char* PDError6 = "Profile name don't exist !";
constexpr const char* PDError7 = "You can't delete \"FactoryDefault\" !";
}  // namespace DefaultText

class LanguageTexts {
public:
    // Texts are read into a buffer of this many bytes; longer texts are cut one short.
    static constexpr size_t kTextBufferSize = 2000;

    // `source` must outlive the object.
    explicit LanguageTexts(const TextSource& source);
    virtual ~LanguageTexts();

    // Remembers the file and its list section, then LoadList(); returns its result.
    bool Open(const std::string& filePath, const std::string& listSection);
    // Rebuilds the language list from "Language-1", "Language-2", ... of the list
    // section, stopping at the first missing or empty one. A non-empty list makes its
    // first entry the current language. True when the list is not empty.
    bool LoadList();
    // `key` of the current language's section; `defaultText` when the file, section or
    // key is missing or the value is empty.
    std::string GetText(const std::string& key, const std::string& defaultText) const;
    // True when the list section holds a non-empty value under `key`.
    bool HasListKey(const std::string& key) const;
    // Current language = value of "Language-1" of the list section (empty when missing).
    void SelectFirstListed();
    std::string CurrentLanguage() const { return currentLanguage_; }
    void SetCurrentLanguage(const std::string& language) { currentLanguage_ = language; }

    const std::vector<std::string>& Languages() const { return languages_; }
    const std::string& FilePath() const { return filePath_; }
    const std::string& ListSection() const { return listSection_; }

    // Text the adapter's description must contain: DeviceName<n>, n from UseDevice.
    std::string DeviceDescription() const;

private:
    std::string readList(const std::string& key) const;

    const TextSource& source_;
    std::vector<std::string> languages_;
    std::string currentLanguage_;
    std::string filePath_;
    std::string listSection_;
};

// Start-up's choice of the language in force. `storedLanguage` is the value "Language"
// of the Settings section, "English" when none is stored. When the list section holds a
// key of exactly that name the first listed language is taken; otherwise the stored name
// is used as the section name, whether or not the list names it.
void chooseStartupLanguage(LanguageTexts& texts, const std::string& storedLanguage);

// Name of the list section and the language used when none is stored.
constexpr const char* kLanguagesSection = "Languages";
constexpr const char* kDefaultLanguage = "English";
