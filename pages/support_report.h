#pragma once
// The plain-text report a user sends to support: versions, MAC address, region, Windows
// version, the adapters found, the link now, the chain's profiles and the link journal.
// A profile is described by its name, SSID, network type and whether WEP is on: its keys
// are never read, so they cannot end up in the report.

#include <string>
#include <vector>

class LanguageTexts;
class LinkJournal;
class ProfileStore;

struct ReportFacts {
    std::string utilityVersion;
    std::string driverVersion;
    std::string macAddress;
    std::string region;
    std::string windowsVersion;
    std::vector<std::string> adapters;   // description and device name, one per adapter
    std::string linkNow;
};

// Lines end in "\r\n", as the clipboard's text wants them. `journal` may be null.
std::string BuildSupportReport(const ReportFacts& facts, const ProfileStore& store, const LinkJournal* journal,
                               const LanguageTexts& texts);
