#pragma once
// Balloons over the tray icon when the link is lost, when it comes back (with the SSID)
// and when the search switches to another profile. They listen to the link journal, so
// they tell exactly what it records. The user turns them off on the Configuration page;
// the choice is kept in the program's Settings key (notify_setting.h).

#include <string>

struct JournalEntry;
class LanguageTexts;
class LinkJournal;
class SettingsStore;

class LinkNotifier {
public:
    // All three must outlive the notifier, which listens to `journal` until it goes.
    LinkNotifier(LinkJournal& journal, SettingsStore& settings, const LanguageTexts& texts);
    ~LinkNotifier();
    LinkNotifier(const LinkNotifier&) = delete;
    LinkNotifier& operator=(const LinkNotifier&) = delete;

    void onEvent(const JournalEntry& entry);

private:
    void show(const char* key, const char* english, const std::string& subject, bool warning);

    LinkJournal& journal_;
    SettingsStore& settings_;
    const LanguageTexts& texts_;
    // "Back" is news only after a loss; the first link of the day is not.
    bool lost_ = false;
};
