#pragma once
// What the tray menu shows besides its fixed items, made at the moment it opens: a
// disabled status line ("HomeNet – 72 %", "No Connect", "No Card Found"), Show as the bold
// item, and the Profiles submenu with the chain's profiles, the one in force checked.
// A profile item's command names the profile it showed when the menu was opened.

#include <cstdint>
#include <string>
#include <vector>

#include "controls/tray_shell.h"

class LanguageTexts;
class ProfileStore;

class TrayMenu {
public:
    // Both must outlive the menu.
    TrayMenu(ProfileStore& store, const LanguageTexts& texts);

    // Puts the texts and the profiles into a freshly loaded popup.
    void fill(TrayShell& shell, TrayShell::Handle popup);

    // The chain's profiles, by command id; the list is kept for profileOf().
    std::vector<TrayMenuEntry> profileEntries();
    // The profile that command `id` stood for in the last menu; false for other ids.
    bool profileOf(uint32_t id, std::string& name) const;

private:
    ProfileStore& store_;
    const LanguageTexts& texts_;
    std::vector<std::string> shown_;
};
