#pragma once
// The About page (template 104): the product line, the utility's version, the driver's
// version and the adapter's MAC address, filled each time the page is brought forward
// from the current adapter record and its driver key (adapter/device_information.h).
// Without a current adapter record the fields keep what they showed.

#include "controls/page_base.h"
#include "controls/header_row.h"
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
    void OnMouseMove(int x, int y) override;

    const HeaderRow& buttons() const { return buttons_; }

private:
    PageServices& services_;
    HeaderRow buttons_;
};
