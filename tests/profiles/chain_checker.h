#pragma once
// Store operations on a profile chain that is also edited by hand between them, as a
// user with the registry editor might, each checked against what the store promises:
// - every profile listed before is listed after, in the same order, unless it was the
//   one deleted (and a newly linked profile comes first);
// - no link of the chain names a profile that was just deleted;
// - FactoryDefault, ActiveSetting and Settings still exist;
// - an operation on a refused name, and a deletion that failed, write and delete nothing.
// Shared by the property test and the fuzz target; a check answers "" or what broke.
#include <string>
#include <vector>

#include "profiles/memory_settings_store.h"
#include "profiles/profile_store.h"

class ChainChecker {
public:
    enum class Op { Delete, Save, CopyToActive, Read };
    enum class Edit { SetLink, EmptyLink, EraseLink, AddSubkey, RemoveSubkey, SetHead };

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
        }
    }

    std::string operate(Op op, const std::string& name) {
        const int changes = settings.changeCount();
        const std::vector<std::string> listed = store.listProfiles();
        bool done = false;
        bool refused = isRefusedName(name);
        std::string broke;
        switch (op) {
        case Op::Delete:
            refused = refused || isOwn(name);
            done = store.deleteProfile(name);
            break;
        case Op::Save:
            store.writeValue(name, "SSID", "net");
            done = store.linkNewProfile(name);
            break;
        case Op::CopyToActive: store.copyToActiveSetting(name); break;
        case Op::Read:
            if (store.readValue(name, "SSID", "?") != (refused ? "?" : settings.readValue(name, "SSID", "?")))
                broke = "read of " + name + " gave another text";
            break;
        }
        if (!broke.empty()) return broke;

        if (refused || op == Op::Read || (op == Op::Delete && !done)) {
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
        if (store.listProfiles() != expected) return "the chain lost or gained a profile around " + name;

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
