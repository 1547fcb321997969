#include "language/language_texts.h"

#include <cstdio>

#include "language/text_source.h"

LanguageTexts::LanguageTexts(const TextSource& source) : source_(source) {}

LanguageTexts::~LanguageTexts() { languages_.clear(); }

bool LanguageTexts::Open(const std::string& filePath, const std::string& listSection) {
    filePath_ = filePath;
    listSection_ = listSection;
    return LoadList();
}

bool LanguageTexts::LoadList() {
    languages_.clear();
    for (int n = 1;; ++n) {
        char key[32];
        std::snprintf(key, sizeof key, "Language-%d", n);
        const std::string name = readList(key);
        if (name.empty()) break;
        languages_.push_back(name);
    }
    if (!languages_.empty()) currentLanguage_ = languages_.front();
    return !languages_.empty();
}

std::string LanguageTexts::GetText(const std::string& key, const std::string& defaultText) const {
    const std::string text = source_.readText(filePath_, currentLanguage_, key, kTextBufferSize);
    return text.empty() ? defaultText : text;
}

bool LanguageTexts::HasListKey(const std::string& key) const { return !readList(key).empty(); }

void LanguageTexts::SelectFirstListed() { currentLanguage_ = readList("Language-1"); }

std::string LanguageTexts::DeviceDescription() const {
    const std::string n = GetText(LanguageKey::UseDevice, DefaultText::UseDevice);
    return GetText(LanguageKey::DeviceName + n, DefaultText::DeviceName);
}

std::string LanguageTexts::readList(const std::string& key) const {
    return source_.readText(filePath_, listSection_, key, kTextBufferSize);
}

void chooseStartupLanguage(LanguageTexts& texts, const std::string& storedLanguage) {
    if (texts.HasListKey(storedLanguage))
        texts.SelectFirstListed();
    else
        texts.SetCurrentLanguage(storedLanguage);
}
