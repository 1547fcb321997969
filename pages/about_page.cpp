#include "pages/about_page.h"

#include "adapter/adapter_library.h"
#include "adapter/current_adapter.h"
#include "adapter/device_information.h"
#include "adapter/q_adapter_info.h"
#include "adapter/region.h"
#include "language/language_texts.h"
#include "kit/link_journal.h"
#include "kit/link_status.h"
#include "kit/page_services.h"
#include "pages/support_report.h"
#include "platform/desktop.h"
#include "platform/win32_numbers.h"

namespace {

const char kReportButtonKey[] = "ReportButton";
const char kReportButton[] = "Copy support report";

std::string WindowsVersionText(Desktop& desktop) {
    OsVersionInfo info;
    if (!desktop.osVersion(true, info) && !desktop.osVersion(false, info)) return std::string();
    std::string text = std::to_string(info.majorVersion) + "." + std::to_string(info.minorVersion) + "." +
                       std::to_string(info.buildNumber);
    return info.csdVersion.empty() ? text : text + " " + info.csdVersion;
}

}  // namespace

AboutPage::AboutPage(PageServices& services) : PageBase(kTemplateId), services_(services) {}

bool AboutPage::OnInitDialog() {
    if (hasWindow()) buttons_.attach(*window(), IDC_HEADER_ABOUT);
    controls().setText(IDC_ABOUT_REPORT, services_.texts.GetText(kReportButtonKey, kReportButton));
    return true;
}

bool AboutPage::OnCommand(int id, int code) {
    if (id != IDC_ABOUT_REPORT || code != kBnClicked) return false;
    copySupportReport();
    return true;
}

std::string AboutPage::copySupportReport() {
    Show();
    const Controls& c = controls();
    ReportFacts facts;
    facts.utilityVersion = kUtilityVersionText;
    facts.driverVersion = c.getText(IDC_ABOUT_DRIVER_VERSION);
    facts.macAddress = c.getText(IDC_ABOUT_MAC_ADDRESS);
    if (QAdapterInfo* record = GetCurrentAdapter())
        if (const char* region = RegionText(record->regionCode)) facts.region = region;
    facts.windowsVersion = WindowsVersionText(services_.desktop);
    if (adapterLister_) facts.adapters = adapterLister_();
    facts.linkNow = LinkStatusLine(services_.texts);
    const std::string report = BuildSupportReport(facts, services_.store, GetLinkJournal(), services_.texts);
    return services_.desktop.copyToClipboard(report) ? report : std::string();
}

void AboutPage::Show() {
    if (QAdapterInfo* record = GetCurrentAdapter()) ShowDeviceInformation(*record);
}

void AboutPage::ShowDeviceInformation(QAdapterInfo& record) {
    Controls& c = controls();
    record.RefreshStatus();
    c.setText(IDC_ABOUT_MAC_ADDRESS, MacTextWithColons(record.GetMacText()));
    c.setText(IDC_ABOUT_UTILITY_VERSION, kUtilityVersionText);

    if (services_.machineRegistry && services_.adapterLibrary) {
        const DriverKeyInformation key = ReadDriverKey(
            *services_.machineRegistry, services_.adapterLibrary->GetNetCardRegistryPath(), record.GetDeviceName());
        if (key.found) {
            c.setText(IDC_ABOUT_DRIVER_VERSION, key.driverVersion);
            if (const char* region = RegionText(record.regionCode)) c.setText(IDC_ABOUT_REGION, region);
        }
    }
    if (c.getText(IDC_ABOUT_DRIVER_VERSION).empty()) c.setText(IDC_ABOUT_DRIVER_VERSION, record.versionText);
}

void AboutPage::OnMouseMove(int, int) { buttons_.showNormal(); }
