#pragma once
// The link journal: the last events of the link, in memory only, each with the local
// time it happened. The link monitor, the main window's poll and the pages that apply
// settings record into it; the Link Info page shows it, the tray balloons listen to it
// and the support report copies it.
//
// Texts are made when an event is recorded, in the language in force then, from
// Config.INI keys with English defaults; %1, %2, ... in a text stand for the event's
// details (SSID, BSSID, channel, signal, profile). Nothing but those markers is read
// from the file, so a translated text can never ask for more details than there are.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class LanguageTexts;

enum class LinkEvent {
    LinkUp,            // SSID, BSSID, channel, signal %
    LinkLost,
    SearchReapply,     // SSID in force
    SearchSwitch,      // profile switched to
    ChainEnded,
    AdapterGone,
    AdapterBack,
    SettingsApplied,   // what applied them: a page or the wizard
};

struct JournalEntry {
    LinkEvent kind;
    std::string time;      // local time, "HH:MM:SS"
    std::string text;      // the line as shown, without the time
    std::string subject;   // the first detail (SSID, profile, applier), or empty
};

class LinkJournal {
public:
    static constexpr size_t kCapacity = 200;
    using Clock = std::function<std::string()>;
    using Listener = std::function<void(const JournalEntry&)>;

    // `texts` (may be null: English) must outlive the journal.
    explicit LinkJournal(const LanguageTexts* texts = nullptr, Clock clock = LocalTimeText);

    void record(LinkEvent kind, const std::vector<std::string>& details = {});

    // Oldest first; at most kCapacity.
    const std::deque<JournalEntry>& entries() const { return entries_; }
    // The newest `count` entries, newest first, one "time  text" line each, joined by
    // `separator`.
    std::string newestFirst(size_t count, const char* separator) const;
    // Grows with every record: a display redraws only when it changed.
    uint64_t serial() const { return serial_; }
    // One listener (the notifications); called after the entry is stored.
    void setListener(Listener listener) { listener_ = std::move(listener); }

    // `pattern` with %1..%9 replaced by the details; a marker without a detail is left
    // out, "%%" is one "%".
    static std::string FillIn(const std::string& pattern, const std::vector<std::string>& details);
    static std::string LocalTimeText();

private:
    std::string textOf(LinkEvent kind, const std::vector<std::string>& details) const;

    const LanguageTexts* texts_;
    Clock clock_;
    std::deque<JournalEntry> entries_;
    uint64_t serial_ = 0;
    Listener listener_;
};

// The journal of the running program, or null (tests without one, the page viewer).
// Set by the program for the main window's life.
LinkJournal* GetLinkJournal();
void SetLinkJournal(LinkJournal* journal);
// Records when there is a journal.
void RecordLinkEvent(LinkEvent kind, const std::vector<std::string>& details = {});
