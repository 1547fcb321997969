#include "profiles/memory_settings_store.h"

#include <cctype>

bool MemorySettingsStore::NoCaseLess::operator()(const std::string& a, const std::string& b) const {
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb) return ca < cb;
    }
    return a.size() < b.size();
}

std::string MemorySettingsStore::readValue(const std::string& section, const std::string& name,
                                           const std::string& defaultValue) const {
    const auto s = sections_.find(section);
    if (s == sections_.end()) return defaultValue;
    const auto v = s->second.values.find(name);
    if (v == s->second.values.end()) return defaultValue;
    return v->second;
}

bool MemorySettingsStore::writeValue(const std::string& section, const std::string& name,
                                     const std::string& value) {
    ++writes_;
    Section& s = sections_[section];
    if (s.name.empty()) s.name = section;
    s.values[name] = value;
    return true;
}

bool MemorySettingsStore::deleteSection(const std::string& section) {
    return sections_.erase(section) > 0;
}

bool MemorySettingsStore::hasSection(const std::string& section) const {
    return sections_.count(section) > 0;
}

bool MemorySettingsStore::hasValue(const std::string& section, const std::string& name) const {
    const auto s = sections_.find(section);
    return s != sections_.end() && s->second.values.count(name) > 0;
}

std::vector<std::string> MemorySettingsStore::sections() const {
    std::vector<std::string> out;
    for (const auto& s : sections_) out.push_back(s.second.name);
    return out;
}
