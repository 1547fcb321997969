#include "pages/support_report.h"

#include "language/language_texts.h"
#include "kit/link_journal.h"
#include "profiles/profile_names.h"
#include "profiles/profile_store.h"

namespace {

const char kEol[] = "\r\n";
const char kIndent[] = "  ";

struct Text {
    const char* key;
    const char* english;
};

const Text kTitle{"ReportTitle", "Lumora support report"};
const Text kUtility{"ReportUtility", "Utility version"};
const Text kDriver{"ReportDriver", "Driver version"};
const Text kMac{"ReportMac", "MAC address"};
const Text kRegion{"ReportRegion", "Region"};
const Text kWindows{"ReportWindows", "Windows version"};
const Text kAdapters{"ReportAdapters", "Adapters found"};
const Text kLink{"ReportLink", "Link now"};
const Text kProfiles{"ReportProfiles", "Profiles"};
const Text kJournal{"ReportJournal", "Recent link events"};
const Text kNone{"ReportNone", "(none)"};
const Text kProfileLine{"ReportProfileLine", "%1: SSID \"%2\", %3, %4"};
const Text kInfrastructure{"ReportInfrastructure", "infrastructure"};
const Text kAdHoc{"ReportAdHoc", "ad hoc"};
const Text kWepOn{"ReportWepOn", "WEP on"};
const Text kWepOff{"ReportWepOff", "WEP off"};

class Writer {
public:
    explicit Writer(const LanguageTexts& texts) : texts_(texts) {}
    std::string text(const Text& t) const { return texts_.GetText(t.key, t.english); }
    void line(const std::string& s) { out += s + kEol; }
    void field(const Text& label, const std::string& value) { line(text(label) + ": " + value); }
    void list(const Text& heading, const std::vector<std::string>& items) {
        line(text(heading) + ":");
        if (items.empty()) line(kIndent + text(kNone));
        for (const std::string& item : items) line(kIndent + item);
    }
    std::string out;

private:
    const LanguageTexts& texts_;
};

}  // namespace

std::string BuildSupportReport(const ReportFacts& facts, const ProfileStore& store, const LinkJournal* journal,
                               const LanguageTexts& texts) {
    Writer w(texts);
    w.line(w.text(kTitle));
    w.field(kUtility, facts.utilityVersion);
    w.field(kDriver, facts.driverVersion);
    w.field(kMac, facts.macAddress);
    w.field(kRegion, facts.region);
    w.field(kWindows, facts.windowsVersion);
    w.list(kAdapters, facts.adapters);
    w.field(kLink, facts.linkNow);

    std::vector<std::string> profiles;
    for (const std::string& name : store.listProfiles()) {
        const bool adHoc = store.readValue(name, ProfileValue::OperationMode) == ProfileText::AdHoc;
        const bool wep = store.readValue(name, ProfileValue::WepEnabled, ProfileText::Off) != ProfileText::Off;
        profiles.push_back(LinkJournal::FillIn(w.text(kProfileLine),
                                               {name, store.readValue(name, ProfileValue::SSID),
                                                w.text(adHoc ? kAdHoc : kInfrastructure), w.text(wep ? kWepOn : kWepOff)}));
    }
    w.list(kProfiles, profiles);

    std::vector<std::string> events;
    if (journal)
        for (auto it = journal->entries().rbegin(); it != journal->entries().rend(); ++it)
            events.push_back(it->time + "  " + it->text);
    w.list(kJournal, events);
    return w.out;
}
