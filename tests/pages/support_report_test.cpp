// The support report: every fact in its place, the chain's profiles by name, SSID, type and
// WEP state, the journal newest first, and never a key, whatever its format or slot.
#include <gtest/gtest.h>

#include <string>

#include "language/language_texts.h"
#include "kit/link_journal.h"
#include "pages/support_report.h"
#include "profiles/memory_settings_store.h"
#include "profiles/profile_store.h"
#include "support/fake_text_source.h"

namespace {

TEST(SupportReport, HoldsTheFactsProfilesAndJournalButNoKey) {
    MemorySettingsStore settings;
    ProfileStore store(settings);
    // Keys of every format and length, in every slot, in the chain and in force.
    const char* const keys[] = {"Zq9#x", "Secret-Word13", "A1B2C3D4E5", "0F1E2D3C4B5A69788796A5B4C3"};
    const struct {
        const char* name;
        const char* ssid;
        const char* mode;
        const char* wep;
        const char* format;
        const char* next;
    } profiles[] = {{"Home", "HomeNet", "0", "1", "1", "Lab"},
                    {"Lab", "LabNet", "1", "1", "0", "Cafe"},
                    {"Cafe", "CafeNet", "0", "0", "1", "end"}};
    store.writeValue("FactoryDefault", "NextProfile", "Home");
    for (const auto& p : profiles) {
        for (const auto& v : {std::make_pair("SSID", p.ssid), std::make_pair("OperationMode", p.mode),
                              std::make_pair("WepEnabled", p.wep), std::make_pair("KeyFormat", p.format),
                              std::make_pair("NextProfile", p.next)})
            store.writeValue(p.name, v.first, v.second);
        for (int n = 1; n <= 4; ++n) store.writeValue(p.name, "Key" + std::to_string(n), keys[n - 1]);
    }
    store.copyToActiveSetting("Lab");

    LinkJournal journal(nullptr, [] { return std::string("10:00:00"); });
    journal.record(LinkEvent::LinkLost);
    journal.record(LinkEvent::SearchSwitch, {"Lab"});

    FakeTextSource source;
    LanguageTexts texts(source);
    ReportFacts facts{"v1.00", "1.2.0.7", "00:A0:C5:4E:21:7B", "FCC, USA", "5.1.2600 Service Pack 3",
                      {"Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter (\\DEVICE\\{6B1D})"}, "LabNet \x96 72 %"};
    const std::string report = BuildSupportReport(facts, store, &journal, texts);

    EXPECT_EQ(report,
              "Lumora support report\r\n"
              "Utility version: v1.00\r\n"
              "Driver version: 1.2.0.7\r\n"
              "MAC address: 00:A0:C5:4E:21:7B\r\n"
              "Region: FCC, USA\r\n"
              "Windows version: 5.1.2600 Service Pack 3\r\n"
              "Adapters found:\r\n"
              "  Vexa Nimbeo 54 Mbps Pocket-Size Wireless USB Adapter (\\DEVICE\\{6B1D})\r\n"
              "Link now: LabNet \x96 72 %\r\n"
              "Profiles:\r\n"
              "  Home: SSID \"HomeNet\", infrastructure, WEP on\r\n"
              "  Lab: SSID \"LabNet\", ad hoc, WEP on\r\n"
              "  Cafe: SSID \"CafeNet\", infrastructure, WEP off\r\n"
              "Recent link events:\r\n"
              "  10:00:00  Search: switched to profile Lab\r\n"
              "  10:00:00  Link lost\r\n");
    for (const char* key : keys) EXPECT_EQ(report.find(key), std::string::npos) << key;

    // Nothing known: the lists say so rather than vanish.
    MemorySettingsStore empty;
    ProfileStore none(empty);
    const std::string bare = BuildSupportReport(ReportFacts{}, none, nullptr, texts);
    EXPECT_NE(bare.find("Adapters found:\r\n  (none)\r\nLink now: \r\nProfiles:\r\n  (none)\r\n"), std::string::npos)
        << bare;
}

}  // namespace
