#pragma once
// SettingsStore over the current user's registry: section S is the key
// HKEY_CURRENT_USER\<root>\S, each value a REG_SZ. This is where the framework's
// per-user profile functions keep them, so profiles saved by earlier versions are read
// as they are. Windows build only (registry_settings_store_win32.cpp).

#include <cstdint>
#include <map>
#include <string>

#include "profiles/settings_store.h"

// The application's key below HKEY_CURRENT_USER.
constexpr const char* kRegistryRoot = "Software\\Vexa\\Lumora";

class RegistrySettingsStore : public SettingsStore {
public:
    explicit RegistrySettingsStore(std::string root = kRegistryRoot) : root_(std::move(root)) {}
    ~RegistrySettingsStore() override;
    RegistrySettingsStore(const RegistrySettingsStore&) = delete;
    RegistrySettingsStore& operator=(const RegistrySettingsStore&) = delete;

    // Values of any length are read whole (the size is asked first). A value that is not
    // a string (REG_SZ or REG_EXPAND_SZ, taken as stored) reads as the default. The text
    // ends at its first zero byte, or at its stored size when it has none.
    std::string readValue(const std::string& section, const std::string& name,
                          const std::string& defaultValue) const override;
    bool writeValue(const std::string& section, const std::string& name, const std::string& value) override;
    bool deleteSection(const std::string& section) override;
    bool hasSection(const std::string& section) const override;
    // Asks Windows for the upper case of the name in the ANSI code page.
    std::string foldName(const std::string& name) const override;

    const std::string& root() const { return root_; }

private:
    // An open key as a number, so that this header needs no <windows.h>.
    using KeyRef = uintptr_t;
    std::string keyPath(const std::string& section) const { return root_ + "\\" + section; }
    // The section's key opened for reading or for writing, kept open: the monitor reads
    // values every second and a search copies a profile every few, and each open and
    // close is a round trip to the registry's server. A key deleted meanwhile answers
    // "deleted" and is opened anew by name.
    enum class Use { Read, Write };
    KeyRef openKey(const std::string& section, Use use) const;
    void forgetKey(const std::string& section, Use use) const;
    void closeKeys() const;
    bool queryText(KeyRef key, const std::string& name, std::string& result, long& status) const;

    std::string root_;
    mutable std::map<std::string, KeyRef> keys_[2];   // by Use
};
