#pragma once
// SettingsStore kept in memory: the host build's stand-in for the registry, and the
// store the host tests of every subsystem use. Names compare without regard to ASCII
// letter case, as registry key and value names do; the name first used is kept.

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

    // For tests: whether a section or a value exists at all (an empty value exists).
    bool hasSection(const std::string& section) const;
    bool hasValue(const std::string& section, const std::string& name) const;
    // Section names as first written, in case-insensitive order.
    std::vector<std::string> sections() const;
    // Counts every writeValue call, successful or not; lets a test see that nothing
    // was written.
    int writeCount() const { return writes_; }

private:
    struct NoCaseLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    struct Section {
        std::string name;   // as first written
        std::map<std::string, std::string, NoCaseLess> values;
    };
    std::map<std::string, Section, NoCaseLess> sections_;
    int writes_ = 0;
};
