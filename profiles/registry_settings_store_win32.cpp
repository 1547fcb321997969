#include "profiles/registry_settings_store.h"

#include <windows.h>

#include <vector>

std::string RegistrySettingsStore::readValue(const std::string& section, const std::string& name,
                                             const std::string& defaultValue) const {
    // An empty section would name the application key itself.
    if (section.empty()) return defaultValue;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath(section).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return defaultValue;

    std::string result = defaultValue;
    // Ask the size first and read into a buffer of that size; if the value grew in
    // between, ask again rather than read a cut-off text.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
        if (type != REG_SZ && type != REG_EXPAND_SZ) break;
        std::vector<char> buffer(size + 1, '\0');
        DWORD got = size;
        const LONG rc = RegQueryValueExA(key, name.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer.data()), &got);
        if (rc == ERROR_MORE_DATA) continue;
        if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) break;
        if (got > size) got = size;
        // The stored size may or may not count a terminating zero; a string never
        // reaches past its first one.
        DWORD length = 0;
        while (length < got && buffer[length] != '\0') ++length;
        result.assign(buffer.data(), length);
        break;
    }
    RegCloseKey(key);
    return result;
}

bool RegistrySettingsStore::writeValue(const std::string& section, const std::string& name,
                                       const std::string& value) {
    if (section.empty()) return false;
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, keyPath(section).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG rc = RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

bool RegistrySettingsStore::hasSection(const std::string& section) const {
    if (section.empty()) return false;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath(section).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::string RegistrySettingsStore::foldName(const std::string& name) const {
    // Upper case by the system's rules for the ANSI code page, as key names are matched.
    std::string folded = name;
    if (!folded.empty()) CharUpperBuffA(&folded[0], static_cast<DWORD>(folded.size()));
    return folded;
}

bool RegistrySettingsStore::deleteSection(const std::string& section) {
    if (section.empty()) return false;
    return RegDeleteKeyA(HKEY_CURRENT_USER, keyPath(section).c_str()) == ERROR_SUCCESS;
}
