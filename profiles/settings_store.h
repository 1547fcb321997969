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

    // Whether the section exists at all (it may hold no values).
    virtual bool hasSection(const std::string& section) const = 0;

    // Removes the section with all its values. False when it did not exist or could
    // not be removed.
    virtual bool deleteSection(const std::string& section) = 0;

    // A name as this store matches it: two section (or value) names name the same one
    // exactly when their folded forms are equal. The registry folds letter case by the
    // system's own rules, letters beyond ASCII included; the default folds the letters
    // of the Western code page (foldWesternName).
    virtual std::string foldName(const std::string& name) const;
};

// Upper case of the ASCII letters and of the other letters of code page 1252
// (a-z, the accented letters from 0xE0 to 0xFE but 0xF7, and 0x9A, 0x9C, 0x9E, 0xFF).
std::string foldWesternName(std::string name);
