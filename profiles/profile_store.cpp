#include "profiles/profile_store.h"

#include <cctype>
#include <climits>
#include <set>

namespace {

bool equalNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string lowerCase(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool containsNoCase(const std::vector<std::string>& names, const std::string& name) {
    for (const auto& n : names)
        if (equalNoCase(n, name)) return true;
    return false;
}

bool isEnd(const std::string& link) { return link.empty() || link == ProfileName::EndOfChain; }

}  // namespace

std::string ProfileStore::readValue(const std::string& profile, const std::string& name,
                                    const std::string& defaultValue) const {
    return settings_.readValue(profile, name, defaultValue);
}

void ProfileStore::writeValue(const std::string& profile, const std::string& name, const std::string& value) {
    settings_.writeValue(profile, name, value);
}

int profileNumber(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

int ProfileStore::readNumber(const std::string& profile, const std::string& name) const {
    return profileNumber(readValue(profile, name, ""));
}

bool ProfileStore::isReservedName(const std::string& name) {
    const std::string lower = lowerCase(name);
    return lower == "factorydefault" || lower == "activesetting";
}

bool ProfileStore::linkNewProfile(const std::string& name) {
    if (name.empty() || isReservedName(name)) return false;
    // FactoryDefault -> "end" would read as an empty chain and strand every profile
    // behind it.
    if (name == ProfileName::EndOfChain) return false;
    if (!readValue(name, ProfileValue::NextProfile, "").empty()) return false;
    // A hand-edited chain may already hold the profile with its NextProfile missing;
    // linking it a second time would make the chain loop.
    if (containsNoCase(listProfiles(), name)) return false;
    std::string first = readValue(ProfileName::FactoryDefault, ProfileValue::NextProfile,
                                  ProfileName::EndOfChain);
    // An empty head means no profile yet. Copying the empty text would leave the new
    // profile looking unlinked, and the search would take "" for a profile name.
    if (first.empty()) first = ProfileName::EndOfChain;
    writeValue(name, ProfileValue::NextProfile, first);
    writeValue(ProfileName::FactoryDefault, ProfileValue::NextProfile, name);
    return true;
}

std::vector<std::string> ProfileStore::listProfiles() const {
    std::vector<std::string> out;
    // Names met so far, lower-cased: one lookup per link instead of a walk over the
    // names already listed, which made a long chain quadratic.
    std::set<std::string> seen;
    std::string p = readValue(ProfileName::FactoryDefault, ProfileValue::NextProfile, "");
    // Registry names ignore letter case, so "Home" and "home" are one profile: a link
    // back to either ends the walk.
    while (!isEnd(p) && !equalNoCase(p, ProfileName::FactoryDefault) && seen.insert(lowerCase(p)).second) {
        out.push_back(p);
        p = readValue(p, ProfileValue::NextProfile, "");
    }
    return out;
}

std::vector<std::string> ProfileStore::settingNames() {
    using namespace ProfileValue;
    return {SSID,       OperationMode, Channel,    Authentication, WepEnabled, OneX,   KeyIndex,
            Key1Length, Key2Length,    Key3Length, Key4Length,     KeyFormat,  Key1,   Key2,
            Key3,       Key4,          PowerSaveMode, PreambleType, MaxRate};
}

void ProfileStore::copyToActiveSetting(const std::string& name) {
    writeValue(ProfileName::ActiveSetting, ProfileValue::ProfileName, name);
    for (const auto& value : settingNames())
        writeValue(ProfileName::ActiveSetting, value, readValue(name, value, ""));
}

bool ProfileStore::deleteProfile(const std::string& name) {
    // Deleting FactoryDefault would cut every profile off the chain.
    if (name.empty() || isReservedName(name)) return false;

    const std::vector<std::string> chain = listProfiles();
    for (size_t i = 0; i < chain.size(); ++i) {
        if (!equalNoCase(chain[i], name)) continue;
        const std::string before = i == 0 ? std::string(ProfileName::FactoryDefault) : chain[i - 1];
        std::string after = readValue(name, ProfileValue::NextProfile, "");
        // Never leave a link pointing at the key about to go.
        if (isEnd(after) || equalNoCase(after, name)) after = ProfileName::EndOfChain;
        writeValue(before, ProfileValue::NextProfile, after);
        break;
    }
    return settings_.deleteSection(name);
}
