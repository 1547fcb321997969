#pragma once
// The profile store: named profiles of string values over a SettingsStore, the two
// reserved profiles and the chain of user profiles.
//
// FactoryDefault heads the chain; each profile's NextProfile names the next one and
// "end" closes it. The newest profile comes first. ActiveSetting holds the settings in
// force and is never part of the chain. Nothing is cached: every read goes to the
// settings store, so what one window writes, the others see at once.
//
// Callers keep one ProfileStore next to the program's SettingsStore and pass it (by
// reference) to whatever reads or writes profiles; it holds no state of its own.

#include <string>
#include <vector>

#include "profiles/profile_names.h"
#include "profiles/settings_store.h"

// A number from a stored text: decimal, leading blanks and a sign allowed, reading
// stops at the first non-digit; empty or not a number is 0; overflow saturates.
int profileNumber(const std::string& text);

class ProfileStore {
public:
    explicit ProfileStore(SettingsStore& settings) : settings_(settings) {}

    SettingsStore& settings() { return settings_; }

    // A profile name is a registry key name of its own: not empty, without "\" and
    // without a zero byte.
    // (The registry would read "\Home\" as Home and "Home\Sub" as a key inside it.) No
    // operation below reads, writes, links or deletes anything under another name.
    static bool isProfileName(const std::string& name);

    // The stored text, or `defaultValue` when the profile or the value is missing (or
    // `profile` is no profile name).
    std::string readValue(const std::string& profile, const std::string& name,
                          const std::string& defaultValue = "") const;
    // Stores the text, creating the profile when needed. Failures are not reported.
    void writeValue(const std::string& profile, const std::string& name, const std::string& value);
    // A stored number: decimal text; missing, empty or not a number reads as 0.
    int readNumber(const std::string& profile, const std::string& name) const;

    // FactoryDefault and ActiveSetting, in any mix of letter case.
    static bool isReservedName(const std::string& name);

    // Puts a just-saved profile at the front of the chain unless it is linked already
    // (it has a NextProfile, or the chain holds it); saving a profile again thus keeps
    // its place. Reserved names, the application's own "Settings" section and "end"
    // itself (it would hide the whole chain) are never linked. False when nothing was
    // linked.
    bool linkNewProfile(const std::string& name);

    // A user profile the store holds: a profile name that is none of the store's own
    // sections (FactoryDefault, ActiveSetting, Settings, in any letter case) and whose
    // key exists.
    bool isStoredProfile(const std::string& name) const;

    // The link after `profile` in the chain, or "end". Every walk of the chain takes its
    // steps here, so they all end alike: at "end", at a missing or empty NextProfile,
    // and at a link to no stored profile (a hand edit, a profile deleted by another
    // tool, one of the store's own sections). Followed, such a link would make nothing,
    // or the store's own values, the settings in force.
    std::string nextInChain(const std::string& profile) const;

    // The user profiles in chain order. The walk ends where nextInChain ends it, and at a
    // link back to a profile already listed, so every profile is listed once. Names are
    // matched as the settings store matches them.
    std::vector<std::string> listProfiles() const;

    // Makes `name` the settings in force: ProfileName of ActiveSetting = name, then every
    // setting copied across (a value missing in the profile is copied as ""). NextProfile
    // and AutoSearch of ActiveSetting are left alone. A name that is no stored profile
    // copies nothing: ActiveSetting would be emptied. False then.
    bool copyToActiveSetting(const std::string& name);

    // Deletes the profile with all its values and mends the chain: the link in front of
    // it takes over its NextProfile, and any later link back to it ends the chain there.
    // When the deletion fails (the key has subkeys, say) the chain stays as it was. The
    // reserved profiles and "Settings" are never deleted. False when nothing was deleted.
    bool deleteProfile(const std::string& name);

    // The settings copyToActiveSetting carries across, in the order it copies them.
    static std::vector<std::string> settingNames();

private:
    struct Walk;
    Walk walkChain(const std::string& stopAt) const;
    // FactoryDefault, ActiveSetting or Settings, matched as the settings store does.
    bool isOwnSection(const std::string& name) const;

    SettingsStore& settings_;
};
