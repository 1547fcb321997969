#include "profiles/profile_store.h"

#include <cctype>
#include <climits>
#include <unordered_set>

namespace {

std::string lowerCase(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool isEnd(const std::string& link) { return link.empty() || link == ProfileName::EndOfChain; }

}  // namespace

// One walk of the chain from FactoryDefault: the profiles in order, with the folded
// names seen so far, and where a sought profile was met.
struct ProfileStore::Walk {
    std::vector<std::string> profiles;
    std::unordered_set<std::string> seen;   // folded, FactoryDefault included
    // The sought profile's position in `profiles`, or npos when the walk did not meet it.
    size_t found = std::string::npos;
};

ProfileStore::Walk ProfileStore::walkChain(const std::string& stopAt) const {
    Walk walk;
    const std::string sought = stopAt.empty() ? std::string() : settings_.foldName(stopAt);
    walk.seen.insert(settings_.foldName(ProfileName::FactoryDefault));
    std::string p = nextInChain(ProfileName::FactoryDefault);
    // Registry names ignore letter case, so "Home" and "home" are one profile: a link
    // back to either ends the walk.
    while (p != ProfileName::EndOfChain) {
        std::string folded = settings_.foldName(p);
        if (!walk.seen.insert(folded).second) break;
        if (!sought.empty() && folded == sought) walk.found = walk.profiles.size();
        walk.profiles.push_back(p);
        p = nextInChain(walk.profiles.back());
    }
    return walk;
}

bool ProfileStore::isStoredProfile(const std::string& name) const {
    return isProfileName(name) && !isEnd(name) && !isOwnSection(name) && settings_.hasSection(name);
}

std::string ProfileStore::nextInChain(const std::string& profile) const {
    const std::string next = readValue(profile, ProfileValue::NextProfile, "");
    return isStoredProfile(next) ? next : std::string(ProfileName::EndOfChain);
}

bool ProfileStore::isOwnSection(const std::string& name) const {
    const std::string folded = settings_.foldName(name);
    for (const char* own : {ProfileName::FactoryDefault, ProfileName::ActiveSetting, ProfileName::AppSettings})
        if (folded == settings_.foldName(own)) return true;
    return false;
}

bool ProfileStore::isProfileName(const std::string& name) {
    // The registry would also end the name at a zero byte.
    return !name.empty() && name.find('\\') == std::string::npos && name.find('\0') == std::string::npos;
}

std::string ProfileStore::readValue(const std::string& profile, const std::string& name,
                                    const std::string& defaultValue) const {
    if (!isProfileName(profile)) return defaultValue;
    return settings_.readValue(profile, name, defaultValue);
}

void ProfileStore::writeValue(const std::string& profile, const std::string& name, const std::string& value) {
    if (isProfileName(profile)) settings_.writeValue(profile, name, value);
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
    if (!isProfileName(name) || isOwnSection(name)) return false;
    // FactoryDefault -> "end" would read as an empty chain and strand every profile
    // behind it.
    if (name == ProfileName::EndOfChain) return false;
    if (!readValue(name, ProfileValue::NextProfile, "").empty()) return false;
    // A hand-edited chain may already hold the profile with its NextProfile missing;
    // linking it a second time would make the chain loop.
    if (walkChain(name).found != std::string::npos) return false;
    std::string first = readValue(ProfileName::FactoryDefault, ProfileValue::NextProfile,
                                  ProfileName::EndOfChain);
    // An empty head means no profile yet. Copying the empty text would leave the new
    // profile looking unlinked, and the search would take "" for a profile name.
    if (first.empty()) first = ProfileName::EndOfChain;
    writeValue(name, ProfileValue::NextProfile, first);
    writeValue(ProfileName::FactoryDefault, ProfileValue::NextProfile, name);
    return true;
}

std::vector<std::string> ProfileStore::listProfiles() const { return walkChain("").profiles; }

std::vector<std::string> ProfileStore::settingNames() {
    using namespace ProfileValue;
    return {SSID,       OperationMode, Channel,    Authentication, WepEnabled, OneX,   KeyIndex,
            Key1Length, Key2Length,    Key3Length, Key4Length,     KeyFormat,  Key1,   Key2,
            Key3,       Key4,          PowerSaveMode, PreambleType, MaxRate};
}

bool ProfileStore::copyToActiveSetting(const std::string& name) {
    if (!isStoredProfile(name)) return false;
    writeValue(ProfileName::ActiveSetting, ProfileValue::ProfileName, name);
    for (const auto& value : settingNames())
        writeValue(ProfileName::ActiveSetting, value, readValue(name, value, ""));
    return true;
}

bool ProfileStore::deleteProfile(const std::string& name) {
    // Deleting FactoryDefault would cut every profile off the chain, ActiveSetting the
    // settings in force, Settings the program's own values.
    if (!isProfileName(name) || isOwnSection(name)) return false;

    const Walk walk = walkChain(name);
    // The key goes first: when it cannot be deleted the chain must still reach it. A
    // link to a key that is not there at all is only a link, and goes.
    const bool deleted = settings_.deleteSection(name);
    if (!deleted && settings_.hasSection(name)) return false;
    if (walk.found == std::string::npos) return deleted;

    // The walk went on past the profile only to a profile not met before; a link back
    // ended it there, and the chain now ends there.
    const std::string after = walk.found + 1 < walk.profiles.size() ? walk.profiles[walk.found + 1]
                                                                     : std::string(ProfileName::EndOfChain);
    const std::string previous = walk.found == 0 ? std::string(ProfileName::FactoryDefault)
                                                 : walk.profiles[walk.found - 1];
    writeValue(previous, ProfileValue::NextProfile, after);
    // Only the last profile of a walk can link back to one met before: if that is the
    // deleted profile, the chain ends there instead of naming a profile that is gone.
    if (walk.profiles.size() > walk.found + 1) {
        const std::string& last = walk.profiles.back();
        const std::string link = readValue(last, ProfileValue::NextProfile, "");
        if (!isEnd(link) && settings_.foldName(link) == settings_.foldName(name))
            writeValue(last, ProfileValue::NextProfile, ProfileName::EndOfChain);
    }
    return true;
}
