#pragma once
// The site survey page (dialog 108): the networks the adapter hears and the stored
// profiles, side by side with what the user does with them: scan again, connect to a
// network through the profile editor, and add, remove, edit or connect with a profile.
//
// The page keeps nothing between operations but the two lists: every refresh starts
// from scratch. The main window rebuilds both lists whenever it brings the page
// forward (refreshNetworkList, then refreshProfileList), and only with a current
// adapter record.

#include <cstdint>
#include <vector>

#include "controls/header_row.h"
#include "controls/page_base.h"
#include "monitor/bssid_list.h"
#include "monitor/channel_map_control.h"
#include "platform/controls.h"
#include "resources/resource_ids.h"

struct PageServices;

class SiteSurveyPage : public PageBase {
public:
    static constexpr int kTemplateId = IDD_SITE_SURVEY_PAGE;
    // How long the radio is given to listen after a scan request, in ms.
    static constexpr uint32_t kScanWaitMs = 2000;

    // `services` must outlive the page.
    explicit SiteSurveyPage(PageServices& services);
    ~SiteSurveyPage() override;

    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(int id, int code, intptr_t header, intptr_t& result) override;
    void OnMouseMove(int x, int y) override;
    void OnDestroy() override;

    // Rebuilds the network list from the adapter's BSSID list; a failed query leaves it
    // as it was.
    void refreshNetworkList();
    // Rebuilds the profile list from the chain, last profile first.
    void refreshProfileList();
    // What a double click on a profile does, for a profile chosen elsewhere (the tray).
    void connectWith(const std::string& name);
    const ChannelMap& channelMap() const { return channelMap_.Map(); }
    // Asks the adapter to scan, gives it time when it agreed, and reads the list again.
    void rescan();

private:
    void connectToNetwork();
    void addProfile();
    void removeProfile();
    void editProfile();
    void connectWithProfile();
    // Column 0 of the profile list's selected row; empty when none is selected.
    std::string selectedProfile();
    void showMessage(const char* key, const char* defaultText);
    void showLinkInfo();
    void createColumns();
    void loadButtons();

    PageServices& services_;
    ImageListRef images_ = 0;
    // The header row's five page buttons, then Re-Scan, Connect, Add, Remove and Properties.
    HeaderRow header_;
    // The networks listed, row by row: what a row stands for is read from here, not
    // back from its cell texts.
    std::vector<NetworkRow> networks_;
    // The same list by channel, beside it.
    ChannelMapControl channelMap_;
};
