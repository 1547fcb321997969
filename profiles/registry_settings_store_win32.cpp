#include "profiles/registry_settings_store.h"

#include <windows.h>

#include <vector>

namespace {

// More sections than this open at once (a long profile chain walked) start the set afresh.
constexpr size_t kMaxOpenKeys = 32;
// Most values are short: one question with a buffer of this size reads them.
constexpr DWORD kFirstTryBytes = 256;

HKEY asKey(uintptr_t key) { return reinterpret_cast<HKEY>(key); }

bool isText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// The stored size may or may not count a terminating zero; a string never reaches past
// its first one.
std::string textOf(const char* bytes, DWORD size) {
    DWORD length = 0;
    while (length < size && bytes[length] != '\0') ++length;
    return std::string(bytes, length);
}

}  // namespace

RegistrySettingsStore::~RegistrySettingsStore() { closeKeys(); }

RegistrySettingsStore::KeyRef RegistrySettingsStore::openKey(const std::string& section, Use use) const {
    auto& open = keys_[static_cast<int>(use)];
    const auto known = open.find(section);
    if (known != open.end()) return known->second;
    HKEY key = nullptr;
    const LONG rc = use == Use::Read
                        ? RegOpenKeyExA(HKEY_CURRENT_USER, keyPath(section).c_str(), 0, KEY_QUERY_VALUE, &key)
                        : RegCreateKeyExA(HKEY_CURRENT_USER, keyPath(section).c_str(), 0, nullptr,
                                          REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key, nullptr);
    if (rc != ERROR_SUCCESS) return 0;
    if (open.size() >= kMaxOpenKeys) closeKeys();
    const KeyRef ref = reinterpret_cast<KeyRef>(key);
    keys_[static_cast<int>(use)][section] = ref;
    return ref;
}

void RegistrySettingsStore::forgetKey(const std::string& section, Use use) const {
    auto& open = keys_[static_cast<int>(use)];
    const auto known = open.find(section);
    if (known == open.end()) return;
    RegCloseKey(asKey(known->second));
    open.erase(known);
}

void RegistrySettingsStore::closeKeys() const {
    for (auto& open : keys_) {
        for (const auto& key : open) RegCloseKey(asKey(key.second));
        open.clear();
    }
}

bool RegistrySettingsStore::queryText(KeyRef ref, const std::string& name, std::string& result,
                                      long& status) const {
    const HKEY key = asKey(ref);
    char small[kFirstTryBytes];
    DWORD type = 0;
    DWORD got = sizeof small;
    status = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(small), &got);
    if (status == ERROR_SUCCESS) {
        if (!isText(type)) return false;
        result = textOf(small, got < sizeof small ? got : sizeof small);
        return true;
    }
    if (status != ERROR_MORE_DATA) return false;
    // Longer than the small buffer: ask the size and read into a buffer of that size; if
    // the value grew in between, ask again rather than read a cut-off text.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD size = 0;
        if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
        if (!isText(type)) return false;
        std::vector<char> buffer(size + 1, '\0');
        got = size;
        const LONG rc = RegQueryValueExA(key, name.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer.data()), &got);
        if (rc == ERROR_MORE_DATA) continue;
        if (rc != ERROR_SUCCESS || !isText(type)) return false;
        result = textOf(buffer.data(), got > size ? size : got);
        return true;
    }
    return false;
}

std::string RegistrySettingsStore::readValue(const std::string& section, const std::string& name,
                                             const std::string& defaultValue) const {
    // An empty section would name the application key itself.
    if (section.empty()) return defaultValue;
    // A key deleted since it was opened (by hand, or deleted and made again) is opened
    // once more by its name.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const KeyRef key = openKey(section, Use::Read);
        if (key == 0) return defaultValue;
        std::string result;
        long status = ERROR_SUCCESS;
        if (queryText(key, name, result, status)) return result;
        if (status != ERROR_KEY_DELETED) return defaultValue;
        forgetKey(section, Use::Read);
    }
    return defaultValue;
}

bool RegistrySettingsStore::writeValue(const std::string& section, const std::string& name,
                                       const std::string& value) {
    if (section.empty()) return false;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const KeyRef key = openKey(section, Use::Write);
        if (key == 0) return false;
        const LONG rc = RegSetValueExA(asKey(key), name.c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(value.c_str()),
                                       static_cast<DWORD>(value.size() + 1));
        // Deleted since we opened it: the write makes the key anew, as it always did.
        if (rc != ERROR_KEY_DELETED) return rc == ERROR_SUCCESS;
        forgetKey(section, Use::Write);
    }
    return false;
}

bool RegistrySettingsStore::hasSection(const std::string& section) const {
    if (section.empty()) return false;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const KeyRef key = openKey(section, Use::Read);
        if (key == 0) return false;
        const LONG rc = RegQueryInfoKeyA(asKey(key), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                         nullptr, nullptr, nullptr, nullptr, nullptr);
        if (rc != ERROR_KEY_DELETED) return true;
        forgetKey(section, Use::Read);
    }
    return false;
}

std::string RegistrySettingsStore::foldName(const std::string& name) const {
    // Upper case by the system's rules for the ANSI code page, as key names are matched.
    std::string folded = name;
    if (!folded.empty()) CharUpperBuffA(&folded[0], static_cast<DWORD>(folded.size()));
    return folded;
}

bool RegistrySettingsStore::deleteSection(const std::string& section) {
    if (section.empty()) return false;
    // Our own open handles must not keep the key alive; names match in any letter case.
    closeKeys();
    return RegDeleteKeyA(HKEY_CURRENT_USER, keyPath(section).c_str()) == ERROR_SUCCESS;
}
