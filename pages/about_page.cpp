#include "pages/about_page.h"

#include "adapter/adapter_library.h"
#include "adapter/current_adapter.h"
#include "adapter/device_information.h"
#include "adapter/q_adapter_info.h"
#include "adapter/region.h"
#include "pages/page_services.h"

AboutPage::AboutPage(PageServices& services) : PageBase(kTemplateId), services_(services) {}

bool AboutPage::OnInitDialog() {
    if (hasWindow()) buttons_.attach(*window(), IDC_HEADER_ABOUT);
    return true;
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
