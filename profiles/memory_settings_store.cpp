#include "profiles/memory_settings_store.h"

namespace {

// The key path the registry makes of a name: no empty components.
std::string normalisedPath(const std::string& path) {
    std::string out;
    out.reserve(path.size());
    for (char ch : path) {
        if (ch == '\\' && (out.empty() || out.back() == '\\')) continue;
        out += ch;
    }
    if (!out.empty() && out.back() == '\\') out.pop_back();
    return out;
}

}  // namespace

std::string MemorySettingsStore::keyOf(const std::string& section) const {
    return foldName(normalisedPath(section));
}

std::string MemorySettingsStore::readValue(const std::string& section, const std::string& name,
                                           const std::string& defaultValue) const {
    const auto s = sections_.find(keyOf(section));
    if (s == sections_.end()) return defaultValue;
    const auto v = s->second.values.find(foldName(name));
    if (v == s->second.values.end()) return defaultValue;
    return v->second.second;
}

bool MemorySettingsStore::writeValue(const std::string& section, const std::string& name,
                                     const std::string& value) {
    ++writes_;
    const std::string path = normalisedPath(section);
    const std::string key = foldName(path);
    if (key.empty()) return false;
    // Creating a key creates the keys it lies in.
    for (size_t cut = path.find('\\'); cut != std::string::npos; cut = path.find('\\', cut + 1)) {
        Section& parent = sections_[key.substr(0, cut)];
        if (parent.name.empty()) parent.name = path.substr(0, cut);
    }
    Section& s = sections_[key];
    if (s.name.empty()) s.name = path;
    auto& entry = s.values[foldName(name)];
    if (entry.first.empty()) entry.first = name;
    entry.second = value;
    ++changes_;
    return true;
}

bool MemorySettingsStore::deleteSection(const std::string& section) {
    const std::string key = keyOf(section);
    if (key.empty()) return false;
    // Subkeys sort right after their parent's path and its backslash.
    const auto sub = sections_.lower_bound(key + "\\");
    if (sub != sections_.end() && sub->first.compare(0, key.size() + 1, key + "\\") == 0) return false;
    if (sections_.erase(key) == 0) return false;
    ++changes_;
    return true;
}

bool MemorySettingsStore::hasSection(const std::string& section) const {
    return sections_.count(keyOf(section)) > 0;
}

bool MemorySettingsStore::hasValue(const std::string& section, const std::string& name) const {
    const auto s = sections_.find(keyOf(section));
    return s != sections_.end() && s->second.values.count(foldName(name)) > 0;
}

bool MemorySettingsStore::eraseValue(const std::string& section, const std::string& name) {
    const auto s = sections_.find(keyOf(section));
    if (s == sections_.end() || s->second.values.erase(foldName(name)) == 0) return false;
    ++changes_;
    return true;
}

std::vector<std::string> MemorySettingsStore::sections() const {
    std::vector<std::string> out;
    for (const auto& s : sections_) out.push_back(s.second.name);
    return out;
}

MemorySettingsStore::Snapshot MemorySettingsStore::snapshot() const {
    Snapshot out;
    for (const auto& s : sections_) {
        auto& values = out[s.second.name];
        for (const auto& v : s.second.values) values[v.second.first] = v.second.second;
    }
    return out;
}
