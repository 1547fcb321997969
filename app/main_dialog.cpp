#include "app/main_dialog.h"

#include "adapter/current_adapter.h"
#include "adapter/q_adapter_info.h"
#include "app/language_texts.h"
#include "app/main_page_host.h"
#include "app/main_pages.h"
#include "app/main_window_shell.h"
#include "app/windows_version.h"
#include "app/zero_config.h"
#include "controls/page_base.h"
#include "controls/system_tray.h"

namespace {

const char kTooltip[] = "WLAN Monitor";
const char kNoCardTooltip[] = "WLAN Monitor\nNo Card Found";
const char kBalloonTitle[] = "WLAN Utility Running!";
constexpr uint32_t kBalloonWarning = 2;   // NIIF_WARNING
constexpr uint32_t kBalloonSeconds = 20;
constexpr unsigned kSysClose = 0xF060;   // SC_CLOSE
constexpr int kCancelResult = 2;          // IDCANCEL
constexpr int kDefaultItemPosition = 3;
const Rect kPageHostPlace = Rect::fromSize(-4, 75, 670, 600);
// The banner and the pages are drawn in pixels; the template's dialog units come out at
// this size only with the dialog font the template was made for.
constexpr int kClientWidth = 662, kClientHeight = 651;
constexpr unsigned kWizardTimers[] = {2, 3, 4};
constexpr unsigned kPaint = 0x000F;           // WM_PAINT
constexpr unsigned kQueryDragIcon = 0x0037;   // WM_QUERYDRAGICON

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
                     kBalloonTitle, kBalloonWarning, kBalloonSeconds))
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
    switch (id) {
    case kWizardButton:
    case kLinkInfoButton:
    case kConfigurationButton:
    case kSecurityButton:
    case kSiteSurveyButton:
    case kAboutButton:
        switchPage(id);
        return true;
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

void MainDialog::OnCancel() {
    hideToTray();
    if (window()) window()->endDialog(kCancelResult);
}

bool MainDialog::OnSysCommand(unsigned command) {
    if ((command & 0xFFF0) != kSysClose) return false;
    hideToTray();   // closing the window only puts it away; Exit ends the program
    return true;
}

void MainDialog::loadHeaderRow() {
    for (size_t i = 0; i < 6; ++i) {
        const PageBase::HeaderBitmaps& b = PageBase::kHeaderBitmaps[i];
        if (window()->attachControl(b.id, header_[i])) header_[i].LoadBitmaps(b.normal, b.hover, b.pressed);
    }
}

void MainDialog::OnMouseMove(int, int) {
    for (HoverBitmapButton& b : header_)
        if (b.hasWindow()) b.ShowNormal();
}

bool MainDialog::OnWindowMessage(unsigned message, uintptr_t, intptr_t, intptr_t& result) {
    if (message == kPaint) return parts_.shell.paintIconIfMinimised();
    if (message == kQueryDragIcon) {
        result = intptr_t(parts_.shell.dragIcon());
        return true;
    }
    return false;
}

void MainDialog::dropCurrentAdapter() {
    if (parts_.pages.linkInfo().window()) parts_.pages.linkInfo().window()->killTimer(kLinkTimer);
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
            SetCurrentAdapter(candidate);
            if (parts_.pages.linkInfo().window())
                parts_.pages.linkInfo().window()->setTimer(kLinkTimer, kLinkPeriodMs);
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
    switchPage(current->mediaState == 0 ? kLinkInfoButton : kWizardButton);
}

void MainDialog::hideToTray() {
    if (window()) parts_.tray.MinimiseToTray(window()->ref());
    parts_.tray.SetMenuDefaultItem(kTrayShow, false);
}

void MainDialog::exitProgram() {
    QAdapterInfo* current = GetCurrentAdapter();
    if (current && HasZeroConfigService(parts_.osVersionCode))
        ZeroConfig(parts_.services).HandBackToZeroConfig(current->GetDeviceName());
    if (window()) window()->endDialog(kCancelResult);
}

void MainDialog::next() {
    int c = parts_.pageHost.CurrentPosition();
    if (c > MainPages::kWizardResult) return;
    if (c == MainPages::kWizardSetup) {
        parts_.pages.PrepareSetup();
        parts_.pageHost.SelectPage(MainPages::kWizardTest);
    } else if (c == MainPages::kWizardTest) {
        parts_.pages.StartTest();
        parts_.pageHost.SelectPage(MainPages::kWizardResult);
    } else {
        parts_.pageHost.SelectPage(c + 1);   // the host refuses a position past the last
    }
}

void MainDialog::switchPage(int command) {
    // Leaving the wizard's test page (or not even being on it): its timers stop.
    if (DialogWindow* w = parts_.pages.wizardTimers().window())
        for (unsigned t : kWizardTimers) w->killTimer(t);

    MainPages& pages = parts_.pages;
    int index = MainPages::kLinkInfo;
    switch (command) {
    case kWizardButton:
        index = MainPages::kWizardSetup;
        break;
    case kLinkInfoButton:
        index = MainPages::kLinkInfo;
        break;
    case kConfigurationButton:
        pages.reloadConfiguration();
        index = MainPages::kConfiguration;
        break;
    case kSecurityButton:
        pages.reloadSecurityPage();
        index = MainPages::kSecurity;
        break;
    case kSiteSurveyButton:
        if (GetCurrentAdapter()) {
            pages.refreshNetworkList();
            pages.refreshProfileList();
        }
        index = MainPages::kSiteSurvey;
        break;
    case kAboutButton:
        pages.fillAbout();
        index = MainPages::kAbout;
        break;
    default:
        return;
    }
    parts_.pageHost.SelectPage(index);
}
