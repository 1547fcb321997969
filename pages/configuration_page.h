#pragma once
// The Configuration page (template 105): the network settings in force. SSID, network
// type and channel come from the adapter; automatic search and the radio options
// (power mode, transmit rate, preamble, on lists that are never shown) from
// ActiveSetting. Apply sends the network type, the SSID and, for an ad-hoc network, the
// channel, stores everything in ActiveSetting, reloads and brings Link Info forward.
// With no current adapter record Show, Load, Apply and Cancel do nothing. The page
// shows no message of its own.

#include <cstdint>

#include "adapter/region.h"
#include "controls/header_row.h"
#include "controls/page_base.h"
#include "resources/resource_ids.h"

struct PageServices;


class ConfigurationPage : public PageBase {
public:
    static constexpr int kTemplateId = IDD_CONFIGURATION_PAGE;
    // Shown when the adapter reports no SSID, and whenever the medium is disconnected.
    static constexpr const char* kDefaultSsid = "vexa";
    static constexpr int kDefaultChannelPosition = 5;
    static constexpr int kSsidLimit = 32;

    explicit ConfigurationPage(PageServices& services);

    // What the main window runs before it brings the page forward.
    void Show();
    void Load();
    void Apply();
    void Cancel();

    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnMouseMove(int x, int y) override;

    // The range the latest Load filled the channel list with; Apply uses it.
    ChannelRange channelRange() const { return range_; }
    const HeaderRow& buttons() const { return buttons_; }
    // The channel the next loads mark as the suggestion for an ad-hoc network (0: none).
    void setSuggestedChannel(int channel) { suggestedChannel_ = channel; }

private:
    void onNetworkTypeChanged();
    void fillLists();
    void showNotifySetting();

    PageServices& services_;
    HeaderRow buttons_;
    ChannelRange range_{1, 11};
    int suggestedChannel_ = 0;
};
