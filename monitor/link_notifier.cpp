#include "monitor/link_notifier.h"

#include "language/language_texts.h"
#include "controls/system_tray.h"
#include "kit/link_journal.h"
#include "kit/notify_setting.h"
#include "platform/win32_numbers.h"
#include "profiles/settings_store.h"

namespace {

constexpr uint32_t kBalloonSeconds = 10;
const char kTitleKey[] = "BalloonTitle";
const char kTitle[] = "Wireless link";

}  // namespace

LinkNotifier::LinkNotifier(LinkJournal& journal, SettingsStore& settings, const LanguageTexts& texts)
    : journal_(journal), settings_(settings), texts_(texts) {
    journal_.setListener([this](const JournalEntry& entry) { onEvent(entry); });
}

LinkNotifier::~LinkNotifier() { journal_.setListener(nullptr); }

void LinkNotifier::onEvent(const JournalEntry& entry) {
    switch (entry.kind) {
    case LinkEvent::LinkLost:
        lost_ = true;
        show("BalloonLinkLost", "The wireless link was lost. Searching ...", entry.subject, true);
        return;
    case LinkEvent::LinkUp:
        if (!lost_) return;
        lost_ = false;
        show("BalloonLinkBack", "Connected again to %1", entry.subject, false);
        return;
    case LinkEvent::SearchSwitch:
        show("BalloonSwitch", "The search switched to profile %1", entry.subject, false);
        return;
    case LinkEvent::AdapterGone:
        // Unplugged: what comes after is a new start, not a return.
        lost_ = false;
        return;
    default:
        return;
    }
}

void LinkNotifier::show(const char* key, const char* english, const std::string& subject, bool warning) {
    CSystemTray* tray = GetTrayIcon();
    if (!tray || !NotifySetting::Enabled(settings_)) return;
    tray->ShowBalloon(LinkJournal::FillIn(texts_.GetText(key, english), {subject}),
                      texts_.GetText(kTitleKey, kTitle), warning ? kNiifWarning : kNiifInfo, kBalloonSeconds);
}
