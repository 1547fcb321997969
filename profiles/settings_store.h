#pragma once
// Where profiles and the application's own settings live: named sections of named
// string values. In the program a section is the per-user registry key
// Software\Vexa\Lumora\<section> holding REG_SZ values (RegistrySettingsStore); on the
// host it is MemorySettingsStore. Like the registry, section and value names are
// matched without regard to letter case.
//
// Failures are never reported to the user: a read that fails gives the default, a
// write that fails is lost (the bool is there for tests and diagnostics only).

#include <string>

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text of value `name` in `section`, or `defaultValue` when the section
    // or the value does not exist (or cannot be read as text).
    virtual std::string readValue(const std::string& section, const std::string& name,
                                  const std::string& defaultValue) const = 0;

    // Stores `value`, creating the section when it does not exist yet.
    virtual bool writeValue(const std::string& section, const std::string& name,
                            const std::string& value) = 0;

    // Removes the section with all its values. False when it did not exist or could
    // not be removed.
    virtual bool deleteSection(const std::string& section) = 0;
};
