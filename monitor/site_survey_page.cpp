#include "monitor/site_survey_page.h"

#include <set>
#include <string>
#include <vector>

#include "adapter/current_adapter.h"
#include "adapter/ndis.h"
#include "adapter/ndis_sets.h"
#include "adapter/q_adapter_info.h"
#include "adapter/region.h"
#include "language/language_texts.h"
#include "monitor/bssid_list.h"
#include "kit/link_journal.h"
#include "kit/page_services.h"
#include "pages/profile_editor_dialog.h"
#include "platform/desktop.h"
#include "platform/dialog_runner.h"
#include "platform/paint_list.h"
#include "platform/win32_numbers.h"
#include "profiles/app_name.h"
#include "profiles/profile_apply.h"
#include "profiles/profile_store.h"

namespace {

constexpr int kNetworks = IDC_SURVEY_NETWORK_LIST;
constexpr int kProfiles = IDC_SURVEY_PROFILE_LIST;

// The editor's network types, by list position.
constexpr int kInfrastructureIndex = 0;
constexpr int kAdHocIndex = 1;

constexpr int kImageSize = 16;
constexpr Colour kImageTransparent = rgb(255, 0, 255);
constexpr Colour kListText = rgb(0, 0, 0);

// Network list columns and their relative widths. The shares add up to more than the
// whole (1.29), which pushed Strength, the figure a user looks for, off the right edge:
// each column gets its share of the sum, so all of them fit side by side.
struct Column {
    const char* title;
    double share;
};
const Column kNetworkColumns[kNetworkColumnCount] = {
    {"BSS/IBSSID", 0.47}, {"SSID", 0.22}, {"WEP", 0.12}, {"AP", 0.10}, {"Channel", 0.19}, {"Strength", 0.19},
};

struct ButtonLook {
    int id;
    int normal, hover, pressed;
};
const ButtonLook kButtonLooks[] = {
    {IDC_SURVEY_RESCAN, IDB_SURVEY_RESCAN, IDB_SURVEY_RESCAN, IDB_SURVEY_RESCAN_DOWN},
    {IDC_SURVEY_CONNECT, IDB_SURVEY_CONNECT, IDB_SURVEY_CONNECT, IDB_SURVEY_CONNECT},
    {IDC_SURVEY_ADD, IDB_SURVEY_ADD, IDB_SURVEY_ADD, IDB_SURVEY_ADD},
    {IDC_SURVEY_REMOVE, IDB_SURVEY_REMOVE, IDB_SURVEY_REMOVE, IDB_SURVEY_REMOVE},
    {IDC_SURVEY_PROPERTIES, IDB_SURVEY_PROPERTIES, IDB_SURVEY_PROPERTIES, IDB_SURVEY_PROPERTIES},
};

const char kChannelMapKey[] = "ChannelMapTitle";
const char kChannelMapTitle[] = "By channel";

}  // namespace

SiteSurveyPage::SiteSurveyPage(PageServices& services) : PageBase(kTemplateId), services_(services) {}

SiteSurveyPage::~SiteSurveyPage() = default;

bool SiteSurveyPage::OnInitDialog() {
    PageBase::OnInitDialog();
    refreshProfileList();
    Controls& c = controls();
    c.setVisible(IDC_SURVEY_RESCAN, true);
    createColumns();
    images_ = c.createImageList(IDB_NETWORK_IMAGES, kImageSize, kImageTransparent);
    for (int list : {kNetworks, kProfiles}) {
        c.setListImages(list, images_);
        c.setListTextColour(list, kListText);
        c.setListFullRowSelect(list);
    }
    c.insertListColumn(kProfiles, 0, "ProfileName", c.listClientWidth(kProfiles));
    loadButtons();
    if (hasWindow()) window()->attachControl(IDC_SURVEY_CHANNEL_MAP, channelMap_);
    c.setText(IDC_SURVEY_CHANNEL_LABEL, services_.texts.GetText(kChannelMapKey, kChannelMapTitle));
    return true;
}

void SiteSurveyPage::createColumns() {
    Controls& c = controls();
    const int width = c.listClientWidth(kNetworks);
    double total = 0;
    for (const Column& column : kNetworkColumns) total += column.share;
    for (int i = 0; i < kNetworkColumnCount; ++i)
        c.insertListColumn(kNetworks, i, kNetworkColumns[i].title, int(kNetworkColumns[i].share / total * width));
}

void SiteSurveyPage::loadButtons() {
    if (!hasWindow()) return;
    header_.attach(*window(), IDC_HEADER_SITE_SURVEY);
    for (const ButtonLook& b : kButtonLooks) header_.add(*window(), b.id, b.normal, b.hover, b.pressed);
}

void SiteSurveyPage::OnDestroy() {
    // The lists share the image list and leave it alone; it goes once neither shows it.
    Controls& c = controls();
    c.setListImages(kNetworks, 0);
    c.setListImages(kProfiles, 0);
    c.destroyImageList(images_);
    images_ = 0;
}

void SiteSurveyPage::OnMouseMove(int, int) {
    header_.showNormal();
}

bool SiteSurveyPage::OnCommand(int id, int code) {
    if (code != kBnClicked) return false;
    switch (id) {
    case IDC_SURVEY_RESCAN:
    case IDC_SURVEY_RESCAN_TEXT: rescan(); return true;
    case IDC_SURVEY_CONNECT: connectToNetwork(); return true;
    case IDC_SURVEY_ADD: addProfile(); return true;
    case IDC_SURVEY_REMOVE: removeProfile(); return true;
    case IDC_SURVEY_PROPERTIES: editProfile(); return true;
    default: return false;
    }
}

bool SiteSurveyPage::OnNotify(int id, int code, intptr_t, intptr_t&) {
    if (uint32_t(code) != kNmDblClk || (id != kNetworks && id != kProfiles)) return false;
    // Only a double click on a row: one beside the rows has just cleared the selection.
    if (controls().itemCount(id) > 0 && controls().listSelectedRow(id) >= 0) {
        if (id == kNetworks)
            connectToNetwork();
        else
            connectWithProfile();
    }
    return true;
}

void SiteSurveyPage::refreshNetworkList() {
    QAdapterInfo* adapter = GetCurrentAdapter();
    if (adapter == nullptr) return;
    adapter->RefreshStatus();   // the BSSID we are on must be fresh
    std::vector<uint8_t> list;
    if (!QueryBssidList(*adapter, list)) return;

    networks_ = NetworkRowsFromList(list.data(), list.size(), adapter->GetBssidText());
    Controls& c = controls();
    c.clearItems(kNetworks);
    int at = 0;
    for (const NetworkRow& row : networks_) c.insertListRow(kNetworks, at++, row.image, row.cells);
    // Hidden networks are no rows, but they take up their channel all the same.
    const ChannelRange range = RegionChannels(adapter->regionCode);
    channelMap_.SetMap(BuildChannelMap(WalkBssidList(list.data(), list.size()), range.first, range.last));
}

void SiteSurveyPage::rescan() {
    QAdapterInfo* adapter = GetCurrentAdapter();
    if (adapter == nullptr) return;
    // The window answers nothing during the scan's wait: the user sees why.
    BusyCursor busy(services_.desktop);
    if (StartScan(*adapter)) services_.desktop.sleep(kScanWaitMs);
    refreshNetworkList();
}

void SiteSurveyPage::refreshProfileList() {
    Controls& c = controls();
    c.clearItems(kProfiles);

    // What the rows depend on beyond each profile is read once, not once per row.
    std::set<std::string> inRange;
    for (const NetworkRow& row : networks_) inRange.insert(row.network.ssid);
    ProfileStore& store = services_.store;
    const std::string inForce = store.readValue(ProfileName::ActiveSetting, ProfileValue::ProfileName, "");
    const QAdapterInfo* adapter = GetCurrentAdapter();
    const bool connected = adapter != nullptr && adapter->mediaState == NdisMediaStateConnected;

    struct Row {
        std::string name;
        int image;
    };
    std::vector<Row> rows;
    for (const std::string& name : store.listProfiles()) {
        const int mode = store.readNumber(name, ProfileValue::OperationMode);
        if (mode != 0 && mode != 1) continue;   // a type this page cannot show
        const bool adhoc = mode == 1;
        int image = adhoc ? NETIMG_ADHOC_OUT_OF_RANGE : NETIMG_PROFILE_OUT_OF_RANGE;
        if (inRange.count(store.readValue(name, ProfileValue::SSID, "")) != 0) {
            if (connected && name == inForce)
                image = adhoc ? NETIMG_ADHOC_CONNECTED : NETIMG_AP_CONNECTED;
            else
                image = adhoc ? NETIMG_ADHOC : NETIMG_PROFILE_IN_RANGE;
        }
        rows.push_back({name, image});
    }
    // The last profile of the chain comes first. Appending in reverse shows the same
    // as putting each row on top, without moving every row already in the list.
    int at = 0;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) c.insertListRow(kProfiles, at++, row->image, {row->name});
}

void SiteSurveyPage::connectToNetwork() {
    const int row = controls().listSelectionMark(kNetworks);
    if (row < 0 || size_t(row) >= networks_.size()) return;
    const BssidEntry& network = networks_[size_t(row)].network;
    if (network.ssid.empty()) return;

    ProfileEditorDialog editor(services_);
    editor.ssid = network.ssid;
    editor.profileName = network.ssid;
    editor.mode = EditorMode::Connect;
    // Only an IBSS is ad hoc: a mode the list cannot name is shown as an access point
    // and joined as one.
    editor.networkTypeIndex = network.infrastructureMode == Ndis802_11IBSS ? kAdHocIndex : kInfrastructureIndex;
    const int channel = ChannelOfFrequency(network.dsConfig);
    editor.channelNumber = channel != kNoChannel ? channel : 0;
    editor.networkUsesWep = network.privacy != 0;
    if (services_.dialogs.runModal(editor) == ProfileEditorDialog::kOk) showLinkInfo();
}

void SiteSurveyPage::addProfile() {
    ProfileEditorDialog editor(services_);
    editor.mode = EditorMode::AddNew;
    editor.networkUsesWep = false;
    services_.dialogs.runModal(editor);
    refreshProfileList();
}

void SiteSurveyPage::editProfile() {
    const std::string name = selectedProfile();
    if (name.empty()) return;
    ProfileEditorDialog editor(services_);
    editor.mode = EditorMode::Edit;
    editor.profileName = name;
    editor.networkUsesWep = true;
    const int result = services_.dialogs.runModal(editor);
    refreshProfileList();
    if (result == ProfileEditorDialog::kOk) showLinkInfo();
}

void SiteSurveyPage::connectWithProfile() {
    const std::string name = selectedProfile();
    if (name.empty()) return;
    connectWith(name);
}

void SiteSurveyPage::connectWith(const std::string& name) {
    // A profile another tool deleted since the list or the tray menu was made: applying it
    // would send, and make the settings in force, a profile of empty values.
    if (!services_.store.isStoredProfile(name)) {
        refreshProfileList();
        return;
    }
    switchToProfile({services_.store, GetCurrentAdapter(), services_.desktop}, name);
    RecordLinkEvent(LinkEvent::SettingsApplied, {name});
    showLinkInfo();
}

void SiteSurveyPage::removeProfile() {
    Controls& c = controls();
    const std::string name = selectedProfile();
    if (name == ProfileName::FactoryDefault) {
        showMessage(LanguageKey::PDError7, DefaultText::PDError7);
        return;
    }
    const int rows = c.itemCount(kProfiles);
    int row = -1;
    for (int r = 0; r < rows && row < 0; ++r)
        if (c.listCellText(kProfiles, r, 0) == name) row = r;
    if (name.empty() || row < 0) {
        showMessage(LanguageKey::PDError6, DefaultText::PDError6);
        return;
    }
    c.deleteListRow(kProfiles, row);
    services_.store.deleteProfile(name);
    refreshProfileList();
}

std::string SiteSurveyPage::selectedProfile() {
    const int row = controls().listSelectedRow(kProfiles);
    return row < 0 ? std::string() : controls().listCellText(kProfiles, row, 0);
}

void SiteSurveyPage::showMessage(const char* key, const char* defaultText) {
    services_.desktop.messageBox(services_.texts.GetText(key, defaultText), kAppName, MessageIcon::Information);
}

void SiteSurveyPage::showLinkInfo() {
    if (hasWindow()) window()->sendCommandToParent(IDC_HEADER_LINK_INFO, kBnClicked);
}
