#include "kit/link_journal.h"

#include <ctime>

#include "language/language_texts.h"

namespace {

struct EventText {
    LinkEvent kind;
    const char* key;
    const char* english;
};

const EventText kEventTexts[] = {
    {LinkEvent::LinkUp, "JournalLinkUp", "Link up: %1 (%2), channel %3, signal %4 %%"},
    {LinkEvent::LinkLost, "JournalLinkLost", "Link lost"},
    {LinkEvent::SearchReapply, "JournalReapply", "Search: re-applying the settings in force (%1)"},
    {LinkEvent::SearchSwitch, "JournalSwitch", "Search: switched to profile %1"},
    {LinkEvent::ChainEnded, "JournalChainEnded", "Search ended without finding a network"},
    {LinkEvent::AdapterGone, "JournalAdapterGone", "Adapter unplugged"},
    {LinkEvent::AdapterBack, "JournalAdapterBack", "Adapter found"},
    {LinkEvent::SettingsApplied, "JournalApplied", "New settings applied (%1)"},
};

LinkJournal* gJournal = nullptr;

}  // namespace

LinkJournal::LinkJournal(const LanguageTexts* texts, Clock clock) : texts_(texts), clock_(std::move(clock)) {}

std::string LinkJournal::FillIn(const std::string& pattern, const std::vector<std::string>& details) {
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c != '%' || i + 1 == pattern.size()) {
            out += c;
            continue;
        }
        const char n = pattern[i + 1];
        if (n == '%') {
            out += '%';
            ++i;
        } else if (n >= '1' && n <= '9') {
            const size_t index = size_t(n - '1');
            if (index < details.size()) out += details[index];
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

std::string LinkJournal::LocalTimeText() {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    if (!local) return "--:--:--";
    char text[16] = {};
    std::strftime(text, sizeof text, "%H:%M:%S", local);
    return text;
}

std::string LinkJournal::textOf(LinkEvent kind, const std::vector<std::string>& details) const {
    for (const EventText& e : kEventTexts) {
        if (e.kind != kind) continue;
        return FillIn(texts_ ? texts_->GetText(e.key, e.english) : e.english, details);
    }
    return std::string();
}

void LinkJournal::record(LinkEvent kind, const std::vector<std::string>& details) {
    JournalEntry entry{kind, clock_ ? clock_() : std::string(), textOf(kind, details),
                       details.empty() ? std::string() : details.front()};
    if (entries_.size() == kCapacity) entries_.pop_front();
    entries_.push_back(std::move(entry));
    ++serial_;
    if (listener_) listener_(entries_.back());
}

std::string LinkJournal::newestFirst(size_t count, const char* separator) const {
    std::string out;
    size_t shown = 0;
    for (auto it = entries_.rbegin(); it != entries_.rend() && shown < count; ++it, ++shown) {
        if (shown) out += separator;
        out += it->time + "  " + it->text;
    }
    return out;
}

LinkJournal* GetLinkJournal() { return gJournal; }
void SetLinkJournal(LinkJournal* journal) { gJournal = journal; }

void RecordLinkEvent(LinkEvent kind, const std::vector<std::string>& details) {
    if (gJournal) gJournal->record(kind, details);
}
