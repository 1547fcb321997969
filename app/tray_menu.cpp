#include "app/tray_menu.h"

#include "language/language_texts.h"
#include "kit/link_status.h"
#include "profiles/profile_names.h"
#include "profiles/profile_store.h"
#include "resources/resource_ids.h"

namespace {

const char kProfilesKey[] = "TrayProfiles";
const char kProfiles[] = "&Profiles";
const char kNoProfilesKey[] = "TrayNoProfiles";
const char kNoProfiles[] = "(none)";

// A menu takes "&" as the mark of the next letter's shortcut; a name shows it as itself.
std::string MenuText(const std::string& name) {
    std::string text;
    for (char c : name) text += c == '&' ? std::string("&&") : std::string(1, c);
    return text;
}

constexpr size_t kMostProfiles = ID_TRAY_PROFILE_LAST - ID_TRAY_PROFILE_FIRST + 1;

}  // namespace

TrayMenu::TrayMenu(ProfileStore& store, const LanguageTexts& texts) : store_(store), texts_(texts) {}

std::vector<TrayMenuEntry> TrayMenu::profileEntries() {
    shown_ = store_.listProfiles();
    if (shown_.size() > kMostProfiles) shown_.resize(kMostProfiles);
    const std::string inForce = store_.readValue(ProfileName::ActiveSetting, ProfileValue::ProfileName);
    std::vector<TrayMenuEntry> entries;
    for (size_t i = 0; i < shown_.size(); ++i)
        entries.push_back({uint32_t(ID_TRAY_PROFILE_FIRST + i), MenuText(shown_[i]), shown_[i] == inForce});
    return entries;
}

bool TrayMenu::profileOf(uint32_t id, std::string& name) const {
    if (id < ID_TRAY_PROFILE_FIRST || id > ID_TRAY_PROFILE_LAST) return false;
    const size_t index = id - ID_TRAY_PROFILE_FIRST;
    if (index >= shown_.size()) return false;
    name = shown_[index];
    return true;
}

void TrayMenu::fill(TrayShell& shell, TrayShell::Handle popup) {
    shell.setMenuItemText(popup, ID_TRAY_STATUS, LinkStatusLine(texts_));
    shell.disableMenuItem(popup, ID_TRAY_STATUS);
    shell.setMenuItemText(popup, ID_TRAY_PROFILE_FIRST, texts_.GetText(kNoProfilesKey, kNoProfiles));
    shell.disableMenuItem(popup, ID_TRAY_PROFILE_FIRST);
    shell.fillSubmenu(popup, ID_TRAY_PROFILE_FIRST, texts_.GetText(kProfilesKey, kProfiles), profileEntries());
    // Show is the bold item whichever command a double click sends.
    shell.setMenuDefaultItem(popup, ID_TRAY_SHOW, false);
}
