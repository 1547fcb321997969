#include "app/main_dialog.h"

#include <algorithm>

#include "adapter/current_adapter.h"
#include "adapter/ndis.h"
#include "adapter/q_adapter_info.h"
#include "language/language_texts.h"
#include "app/main_page_host.h"
#include "app/main_pages.h"
#include "app/main_window_shell.h"
#include "app/tray_menu.h"
#include "app/zero_config.h"
#include "controls/page_base.h"
#include "controls/system_tray.h"
#include "kit/link_journal.h"
#include "platform/win32_numbers.h"
#include "platform/windows_version.h"

namespace {

const char kTooltip[] = "WLAN Monitor";
const char kNoCardTooltip[] = "WLAN Monitor\nNo Card Found";
const char kBalloonTitle[] = "WLAN Utility Running!";
constexpr uint32_t kBalloonSeconds = 20;
constexpr int kDefaultItemPosition = 3;
// The banner and the header row are bitmaps of a fixed pixel size: the client area is
// never smaller than they need, and otherwise as large as the template's dialog units
// make it, which grow with the dialog font and the screen's DPI.
constexpr int kClientWidth = 662, kClientHeight = 651;
// The page host sits under the banner, 4 pixels to the left so that its pages line up
// with the window's edge, and reaches below the client area so that its tab strip at
// the bottom stays out of sight (670 x 600 in the smallest window).
constexpr int kBannerHeight = 75;
constexpr int kPageHostInset = 4;
constexpr int kTabStripAllowance = 24;

}  // namespace

MainDialog::MainDialog(const Parts& parts)
    : Dialog(kTemplateId), parts_(parts), adapters_(parts.adapters) {}

MainDialog::~MainDialog() {
    // The records die with the list: nobody may keep using one of them.
    SetCurrentAdapter(nullptr);
}

Rect MainDialog::pageHostPlace(const Size& client) {
    return Rect::fromSize(-kPageHostInset, kBannerHeight, client.width + 2 * kPageHostInset,
                          client.height - kBannerHeight + kTabStripAllowance);
}

bool MainDialog::OnInitDialog() {
    const Size made = window()->clientSize();
    const Size client{std::max(made.width, kClientWidth), std::max(made.height, kClientHeight)};
    window()->resizeClient(client.width, client.height);
    parts_.shell.removeAppWindowStyle();

    // The icon is added as it stands until the first poll: no card. Added with the
    // program's icon and then changed to "no signal" and to "no card" at once, it would
    // cost the shell two more round trips at start-up, for two icons nobody sees.
    CSystemTray& tray = parts_.tray;
    if (!tray.Create(0, kTrayCallback, kTooltip, tray.LoadIcon(IDI_TRAY_NO_CARD), kTrayIconId, false, "",
                     kBalloonTitle, kNiifWarning, kBalloonSeconds))
        return true;
    tray.SetMenuDefaultItem(kDefaultItemPosition, true);

    parts_.shell.setBigIcon(IDI_APPLICATION_ICON);
    window()->setTimer(kPollTimer, kPollPeriodMs);
    loadHeaderRow();
    hideToTray();
    parts_.pageHost.Attach(*window());
    Rect host = pageHostPlace(client);
    parts_.shell.placePageHost(host);

    for (int i = 0; i < MainPages::kCount; ++i) {
        PageBase& page = parts_.pages.page(i);
        if (window()->createChild(page))
            parts_.pageHost.AddPage(MainPages::kEntries[i].title, uint32_t(i), page);
    }
    // A larger font makes taller tabs, which take their height from the pages: the host
    // grows until its pages reach the bottom of the client area again.
    const int shortBy = client.height - (kBannerHeight + parts_.pageHost.PagePlacement().bottom);
    if (shortBy > 0) {
        host.bottom += shortBy;
        parts_.shell.placePageHost(host);
    }
    initialised_ = true;
    // No focus for a window that starts in the tray: a focused edit would blink its caret
    // there all day. It gets its focus when it is shown.
    return false;
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

// Enter and Escape reach the main window whichever page has the focus (the pages are
// child dialogs of it). A page with an Apply or Next button takes Enter as that button,
// and a page with a Cancel button takes Escape as that one; elsewhere Enter does nothing
// and Escape keeps the window's own meaning.
bool MainDialog::pressOnCurrentPage(int id) {
    const int current = parts_.pageHost.CurrentPosition();
    if (current < 0 || current >= MainPages::kCount) return false;
    PageBase& page = parts_.pages.page(current);
    if (!page.hasWindow() || !page.controls().isVisible(id) || !page.controls().isEnabled(id)) return false;
    page.window()->sendCommand(id, kBnClicked);
    return true;
}

void MainDialog::OnOK() {
    for (int id : {IDC_APPLY, IDC_WIZARD_NEXT})
        if (pressOnCurrentPage(id)) return;
}

void MainDialog::OnCancel() {
    if (pressOnCurrentPage(IDC_CANCEL_IMAGE)) return;
    hideToTray();
    if (window()) window()->endDialog(kIdCancel);
}

bool MainDialog::OnSysCommand(unsigned command) {
    const unsigned which = command & 0xFFF0;
    // Closing the window only puts it away; Exit ends the program. Minimising goes to
    // the tray as well: a window without a taskbar button that merely shrank to an icon
    // would be out of the user's reach.
    if (which != kScClose && which != kScMinimize) return false;
    hideToTray();
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
