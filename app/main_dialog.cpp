#include "app/main_dialog.h"

#include "adapter/current_adapter.h"
#include "adapter/ndis.h"
#include "adapter/q_adapter_info.h"
#include "app/language_texts.h"
#include "app/main_page_host.h"
#include "app/main_pages.h"
#include "app/main_window_shell.h"
#include "app/tray_menu.h"
#include "app/zero_config.h"
#include "controls/page_base.h"
#include "controls/system_tray.h"
#include "pages/link_journal.h"
#include "platform/win32_numbers.h"
#include "platform/windows_version.h"

namespace {

const char kTooltip[] = "WLAN Monitor";
const char kNoCardTooltip[] = "WLAN Monitor\nNo Card Found";
const char kBalloonTitle[] = "WLAN Utility Running!";
constexpr uint32_t kBalloonSeconds = 20;
constexpr int kDefaultItemPosition = 3;
const Rect kPageHostPlace = Rect::fromSize(-4, 75, 670, 600);
// The banner and the pages are drawn in pixels; the template's dialog units come out at
// this size only with the dialog font the template was made for.
constexpr int kClientWidth = 662, kClientHeight = 651;

}  // namespace

MainDialog::MainDialog(const Parts& parts)
    : Dialog(kTemplateId), parts_(parts), adapters_(parts.adapters) {}

MainDialog::~MainDialog() {
    // The records die with the list: nobody may keep using one of them.
    SetCurrentAdapter(nullptr);
}

bool MainDialog::OnInitDialog() {
    window()->resizeClient(kClientWidth, kClientHeight);
    parts_.shell.removeAppWindowStyle();

    CSystemTray& tray = parts_.tray;
    if (!tray.Create(0, kTrayCallback, kTooltip, tray.LoadIcon(IDI_APPLICATION_ICON), kTrayIconId, false, "",
                     kBalloonTitle, kNiifWarning, kBalloonSeconds))
        return true;
    tray.SetMenuDefaultItem(kDefaultItemPosition, true);
    tray.SetIcon(IDI_TRAY_NO_SIGNAL);
    tray.SetIcon(IDI_TRAY_NO_CARD);

    parts_.shell.setBigIcon(IDI_APPLICATION_ICON);
    window()->setTimer(kPollTimer, kPollPeriodMs);
    loadHeaderRow();
    hideToTray();
    parts_.pageHost.Attach(*window());
    parts_.shell.placePageHost(kPageHostPlace);

    for (int i = 0; i < MainPages::kCount; ++i) {
        PageBase& page = parts_.pages.page(i);
        if (window()->createChild(page))
            parts_.pageHost.AddPage(MainPages::kEntries[i].title, uint32_t(i), page);
    }
    initialised_ = true;
    return true;
}

bool MainDialog::OnCommand(int id, int /*code*/) {
    if (HeaderRow::isPageButton(id)) {
        switchPage(id);
        return true;
    }
    std::string profile;
    if (parts_.trayMenu && parts_.trayMenu->profileOf(uint32_t(id), profile)) {
        parts_.pages.connectWithProfile(profile);
        return true;
    }
    switch (id) {
    case kNext:
        next();
        return true;
    case kHideButton:
    case kTrayHide:
        hideToTray();
        return true;
    case kTrayShow:
        showFromTray();
        return true;
    case kTrayExit:
        exitProgram();
        return true;
    default:
        return false;
    }
}

void MainDialog::OnTimer(unsigned /*timerId*/) { PollAdapter(); }

std::vector<std::string> MainDialog::AdapterNames() const {
    std::vector<std::string> names;
    for (size_t i = 0; i < adapters_.GetCount(); ++i)
        if (const QAdapterInfo* a = adapters_.GetAt(i)) names.push_back(a->GetDescription() + " (" + a->GetDeviceName() + ")");
    return names;
}

void MainDialog::OnCancel() {
    hideToTray();
    if (window()) window()->endDialog(kIdCancel);
}

bool MainDialog::OnSysCommand(unsigned command) {
    if ((command & 0xFFF0) != kScClose) return false;
    hideToTray();   // closing the window only puts it away; Exit ends the program
    return true;
}

void MainDialog::loadHeaderRow() { header_.attach(*window(), 0); }

void MainDialog::OnMouseMove(int, int) { header_.showNormal(); }

bool MainDialog::OnWindowMessage(unsigned message, uintptr_t, intptr_t, intptr_t& result) {
    if (message == kWmPaint) return parts_.shell.paintIconIfMinimised();
    if (message == kWmQueryDragIcon) {
        result = intptr_t(parts_.shell.dragIcon());
        return true;
    }
    return false;
}

void MainDialog::dropCurrentAdapter() {
    if (GetCurrentAdapter()) RecordLinkEvent(LinkEvent::AdapterGone);
    parts_.pages.linkInfo().StopTimers();
    SetCurrentAdapter(nullptr);
}

void MainDialog::PollAdapter() {
    // Refresh() deletes the records of adapters that went away. If the current record
    // is one of them it must be let go of here, before the monitor or a page can touch
    // it, whatever the selection below decides.
    QAdapterInfo* current = GetCurrentAdapter();
    std::string currentName = current ? current->GetDeviceName() : std::string();
    adapters_.Refresh();
    if (current && !adapters_.FindByDeviceName(currentName)) dropCurrentAdapter();

    QAdapterInfo* candidate = adapters_.FindByDescription(parts_.texts.DeviceDescription());
    if (candidate) {
        if (candidate->IsUsable()) {
            parts_.tray.ShowIcon();
            if (!GetCurrentAdapter()) RecordLinkEvent(LinkEvent::AdapterBack);
            SetCurrentAdapter(candidate);
            parts_.pages.linkInfo().StartTimers();
        }
        return;
    }
    dropCurrentAdapter();
    hideToTray();
    parts_.tray.SetIcon(IDI_TRAY_NO_CARD);
    parts_.tray.SetTooltipText(kNoCardTooltip);
}

void MainDialog::showFromTray() {
    if (window()) parts_.tray.MaximiseFromTray(window()->ref());
    parts_.tray.SetMenuDefaultItem(kTrayHide, false);
    QAdapterInfo* current = GetCurrentAdapter();
    if (!current) return;
    switchPage(current->mediaState == NdisMediaStateConnected ? IDC_HEADER_LINK_INFO : IDC_HEADER_WIZARD);
}

void MainDialog::hideToTray() {
    if (window()) parts_.tray.MinimiseToTray(window()->ref());
    parts_.tray.SetMenuDefaultItem(kTrayShow, false);
}

void MainDialog::exitProgram() {
    QAdapterInfo* current = GetCurrentAdapter();
    if (current && HasZeroConfigService(parts_.osVersionCode))
        ZeroConfig(parts_.services).HandBackToZeroConfig(current->GetDeviceName());
    if (window()) window()->endDialog(kIdCancel);
}

void MainDialog::next() {
    int c = parts_.pageHost.CurrentPosition();
    if (c > MainPages::kWizardTest) return;
    if (c == MainPages::kWizardWelcome) {
        parts_.pages.PrepareSetup();
        parts_.pageHost.SelectPage(MainPages::kWizardSetup);
    } else if (c == MainPages::kWizardSetup) {
        parts_.pages.StartTest();
        parts_.pageHost.SelectPage(MainPages::kWizardTest);
    } else {
        parts_.pageHost.SelectPage(c + 1);   // the host refuses a position past the last
    }
}

void MainDialog::switchPage(int headerButton) {
    // Leaving the wizard's test page (or not even being on it): its timers stop.
    parts_.pages.wizardTest().StopTimers();

    MainPages& pages = parts_.pages;
    int index = MainPages::kLinkInfo;
    switch (headerButton) {
    case IDC_HEADER_WIZARD:
        index = MainPages::kWizardWelcome;
        break;
    case IDC_HEADER_LINK_INFO:
        index = MainPages::kLinkInfo;
        break;
    case IDC_HEADER_CONFIG:
        pages.reloadConfiguration();
        index = MainPages::kConfiguration;
        break;
    case IDC_HEADER_SECURITY:
        pages.reloadSecurityPage();
        index = MainPages::kSecurity;
        break;
    case IDC_HEADER_SITE_SURVEY:
        if (GetCurrentAdapter()) {
            pages.refreshNetworkList();
            pages.refreshProfileList();
        }
        index = MainPages::kSiteSurvey;
        break;
    case IDC_HEADER_ABOUT:
        pages.fillAbout();
        index = MainPages::kAbout;
        break;
    default:
        return;
    }
    parts_.pageHost.SelectPage(index);
}
