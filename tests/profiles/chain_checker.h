#pragma once
// Store operations on a profile chain that is also edited by hand between them, as a
// user with the registry editor might, each checked against what the store promises:
// - every profile listed before is listed after, in the same order, unless it was the
//   one deleted (and a newly linked profile comes first);
// - no link of the chain names a profile that was just deleted;
// - FactoryDefault, ActiveSetting and Settings still exist;
// - an operation on a refused name, and a deletion that failed, write and delete nothing;
// - no listed profile is one of the store's own sections or a key that is not there;
// - ActiveSetting is left as it was or is a copy of a stored profile, never emptied.
// Shared by the property tests and the fuzz targets; a check answers "" or what broke.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "profiles/memory_settings_store.h"
#include "profiles/profile_store.h"

class ChainChecker {
public:
    enum class Op { Delete, Save, CopyToActive, Read };
    enum class Edit { SetLink, EmptyLink, EraseLink, AddSubkey, RemoveSubkey, SetHead, DeleteKey };
    static constexpr int kEdits = 7;

    // What ActiveSetting holds: each copied value and ProfileName (a missing value reads
    // as "", as every reader of ActiveSetting takes it).
    using Active = std::map<std::string, std::string>;
    Active active() const {
        Active out;
        for (const std::string& v : ProfileStore::settingNames()) out[v] = settings.readValue("ActiveSetting", v, "");
        out["ProfileName"] = settings.readValue("ActiveSetting", "ProfileName", "");
        return out;
    }
    // "" when ActiveSetting is `before` unchanged, or a copy of one of `allowed` that is
    // a stored user profile (its values, "" for those it lacks, and its name). With
    // `seenSsid`, the SSID may also be that one: the monitor stores the SSID of a
    // working link.
    std::string activeSettingCheck(const Active& before, const std::vector<std::string>& allowed,
                                   const std::string* seenSsid = nullptr) const {
        Active now = active();
        const bool seen = seenSsid && now["SSID"] == *seenSsid;
        auto same = [&](Active expected) {
            if (seen) expected["SSID"] = *seenSsid;
            return now == expected;
        };
        if (same(before)) return "";
        for (const std::string& p : allowed) {
            if (!isUserProfile(p)) continue;
            Active copy;
            for (const std::string& v : ProfileStore::settingNames()) copy[v] = settings.readValue(p, v, "");
            // Under whichever spelling of its name the link gave.
            copy["ProfileName"] = fold(now["ProfileName"]) == fold(p) ? now["ProfileName"] : p;
            if (same(copy)) return "";
        }
        std::string names;
        for (const std::string& p : allowed) names += " " + p;
        std::string changed;
        for (const auto& [name, text] : now)
            if (before.at(name) != text) changed += " " + name + "=\"" + text + "\"";
        return "ActiveSetting changed (" + changed + " ) into no copy of a stored profile among:" + names;
    }
    // Stored user profiles met following the raw links from FactoryDefault and from
    // `from` (where a search stands): every profile a walk could reach.
    std::vector<std::string> reachable(const std::string& from) const {
        std::vector<std::string> out;
        std::vector<std::string> seen;
        for (std::string p : {std::string("FactoryDefault"), from}) {
            while (!p.empty() && std::find(seen.begin(), seen.end(), fold(p)) == seen.end()) {
                seen.push_back(fold(p));
                if (isUserProfile(p)) out.push_back(p);
                p = settings.readValue(p, "NextProfile", "");
            }
        }
        return out;
    }
    // "" when every listed profile is a stored user profile.
    std::string listCheck() const {
        for (const std::string& p : store.listProfiles())
            if (!isUserProfile(p)) return "listed " + p + ", which is no stored user profile";
        return "";
    }
    // A stored user profile by the store's own rules, written out again here.
    bool isUserProfile(const std::string& n) const {
        return !isRefusedName(n) && n != "end" && !isOwn(n) && settings.hasSection(n);
    }

    ChainChecker() {
        settings.writeValue("FactoryDefault", "NextProfile", "end");
        settings.writeValue("ActiveSetting", "ProfileName", "FactoryDefault");
        settings.writeValue("Settings", "Language", "English");
    }

    // A hand edit of the raw store. Names the store refuses are not edited by hand
    // either (the registry would read them as other keys).
    void handEdit(Edit edit, const std::string& at, const std::string& link) {
        if (isRefusedName(at)) return;
        switch (edit) {
        case Edit::SetLink: settings.writeValue(at, "NextProfile", link); break;
        case Edit::EmptyLink: settings.writeValue(at, "NextProfile", ""); break;
        case Edit::EraseLink: settings.eraseValue(at, "NextProfile"); break;
        case Edit::AddSubkey: settings.writeValue(at + "\\Sub", "x", "1"); break;
        case Edit::RemoveSubkey: settings.deleteSection(at + "\\Sub"); break;
        case Edit::SetHead: settings.writeValue("FactoryDefault", "NextProfile", link); break;
        case Edit::DeleteKey:   // another tool removes a profile, links to it stay
            if (!isOwn(at)) settings.deleteSection(at);
            break;
        }
    }

    std::string operate(Op op, const std::string& name) {
        const int changes = settings.changeCount();
        const std::vector<std::string> listed = store.listProfiles();
        const Active activeBefore = active();
        bool done = false;
        bool refused = isRefusedName(name);
        std::string broke;
        switch (op) {
        case Op::Delete:
            refused = refused || isOwn(name);
            done = store.deleteProfile(name);
            break;
        case Op::Save:
            // The editor refuses the store's own names and "end" before it writes anything.
            if (!isOwn(name) && fold(name) != fold("end")) store.writeValue(name, "SSID", "net");
            done = store.linkNewProfile(name);
            break;
        case Op::CopyToActive:
            refused = refused || !isUserProfile(name);
            done = store.copyToActiveSetting(name);
            break;
        case Op::Read:
            if (store.readValue(name, "SSID", "?") != (refused ? "?" : settings.readValue(name, "SSID", "?")))
                broke = "read of " + name + " gave another text";
            break;
        }
        if (!broke.empty()) return broke;
        broke = activeSettingCheck(activeBefore, {name});
        if (broke.empty()) broke = listCheck();
        if (!broke.empty()) return broke + " (after an operation on " + name + ")";

        if (op == Op::CopyToActive && !refused && !done) return "stored profile " + name + " was not copied";
        if (refused || op == Op::Read || (op != Op::Save && !done)) {
            if (done) return "refused name " + name + " was acted on";
            if (settings.changeCount() != changes) return "refused or failed operation on " + name + " changed the store";
            return "";
        }
        for (const char* own : {"FactoryDefault", "ActiveSetting", "Settings"})
            if (!settings.hasSection(own)) return std::string(own) + " is gone";

        std::vector<std::string> expected;
        if (op == Op::Save && done) expected.push_back(name);
        for (const auto& p : listed)
            if (!(op == Op::Delete && fold(p) == fold(name))) expected.push_back(p);
        std::vector<std::string> now = store.listProfiles();
        // Saving a profile that a link at the chain's end named while its key was gone
        // brings that link back to life: the profile joins the chain there.
        if (op == Op::Save && !done && now.size() == expected.size() + 1 && fold(now.back()) == fold(name))
            now.pop_back();
        if (now != expected) return "the chain lost or gained a profile around " + name;

        if (op == Op::Delete) {
            if (settings.hasSection(name)) return "deleted " + name + " is still there";
            std::vector<std::string> links = expected;
            links.insert(links.begin(), "FactoryDefault");
            for (const auto& p : links) {
                const std::string link = settings.readValue(p, "NextProfile", "");
                if (link != "end" && fold(link) == fold(name)) return p + " still links to the deleted " + name;
            }
        }
        if (op == Op::CopyToActive && settings.readValue("ActiveSetting", "ProfileName", "") != name)
            return "ActiveSetting does not name " + name;
        return "";
    }

    MemorySettingsStore settings;
    ProfileStore store{settings};

private:
    std::string fold(const std::string& s) const { return settings.foldName(s); }
    bool isOwn(const std::string& n) const {
        return fold(n) == fold("FactoryDefault") || fold(n) == fold("ActiveSetting") || fold(n) == fold("Settings");
    }
    static bool isRefusedName(const std::string& n) {
        return n.empty() || n.find('\\') != std::string::npos || n.find('\0') != std::string::npos;
    }
};
