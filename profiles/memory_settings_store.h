#pragma once
// SettingsStore kept in memory: the host build's stand-in for the registry, and the
// store the host tests of every subsystem use. It matches names as the registry does:
// - letter case is folded (foldWesternName: ASCII and the Western code page's letters);
//   the spelling first used is kept;
// - a section name is a key path: runs of backslashes count as one, and leading or
//   trailing ones are ignored, so "\Home\" is Home and "Home\Sub" is a subkey of Home
//   (writing it creates Home too);
// - a section with subkeys cannot be deleted (the registry refuses it on NT);
// - an empty path (the application key itself) is never read, written or deleted.

#include <map>
#include <string>
#include <vector>

#include "profiles/settings_store.h"

class MemorySettingsStore : public SettingsStore {
public:
    std::string readValue(const std::string& section, const std::string& name,
                          const std::string& defaultValue) const override;
    bool writeValue(const std::string& section, const std::string& name,
                    const std::string& value) override;
    bool deleteSection(const std::string& section) override;
    bool hasSection(const std::string& section) const override;

    // For tests: whether a value exists at all (an empty value exists).
    bool hasValue(const std::string& section, const std::string& name) const;
    // Removes one value (a hand edit of the registry); false when it was not there.
    bool eraseValue(const std::string& section, const std::string& name);
    // Section paths as first written (normalised), in folded order.
    std::vector<std::string> sections() const;
    // Counts every writeValue call, successful or not; lets a test see that nothing
    // was written.
    int writeCount() const { return writes_; }
    // Counts every change that took effect: a value written, a section or value removed.
    int changeCount() const { return changes_; }

    // Everything stored, with names as first written: equal snapshots, equal stores.
    using Snapshot = std::map<std::string, std::map<std::string, std::string>>;
    Snapshot snapshot() const;

private:
    struct Section {
        std::string name;   // as first written
        std::map<std::string, std::pair<std::string, std::string>> values;  // folded -> (name, text)
    };
    // The folded key of a section path; empty for the application key itself.
    std::string keyOf(const std::string& section) const;

    std::map<std::string, Section> sections_;   // by folded, normalised path
    int writes_ = 0;
    int changes_ = 0;
};
