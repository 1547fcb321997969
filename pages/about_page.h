#pragma once
// The About page (template 104): the product line, the utility's version, the driver's
// version and the adapter's MAC address, filled each time the page is brought forward
// from the current adapter record and its driver key (adapter/device_information.h).
// Without a current adapter record the fields keep what they showed.

#include <functional>
#include <string>
#include <vector>

#include "controls/header_row.h"
#include "controls/page_base.h"
#include "resources/resource_ids.h"

struct PageServices;
class QAdapterInfo;

class AboutPage : public PageBase {
public:
    static constexpr int kTemplateId = IDD_ABOUT_PAGE;

    explicit AboutPage(PageServices& services);

    // What the main window runs before it brings the page forward.
    void Show();
    // Fills the page's fields from `record`: MAC address, utility version, the driver
    // version of its driver key (the driver's own version when that is empty) and,
    // when the key is found, the region.
    void ShowDeviceInformation(QAdapterInfo& record);

    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnMouseMove(int x, int y) override;

    // The adapters the main window's list holds, for the support report.
    using AdapterLister = std::function<std::vector<std::string>()>;
    void setAdapterLister(AdapterLister lister) { adapterLister_ = std::move(lister); }
    // The support report button: fills the page, then puts the report on the clipboard.
    // Returns the report (empty when the clipboard refused it).
    std::string copySupportReport();

    const HeaderRow& buttons() const { return buttons_; }

private:
    PageServices& services_;
    HeaderRow buttons_;
    AdapterLister adapterLister_;
};
