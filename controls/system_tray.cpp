#include "controls/system_tray.h"

#include <cstring>
#include <utility>

#include "platform/win32_numbers.h"

namespace {

// Copies at most size - 1 bytes and always terminates: the shell reads these buffers
// up to their zero byte.
template <size_t N>
void copyText(char (&dest)[N], const char* text, size_t maxLength = N - 1) {
    size_t n = text ? std::strlen(text) : 0;
    if (maxLength > N - 1) maxLength = N - 1;
    if (n > maxLength) n = maxLength;
    if (n) std::memcpy(dest, text, n);
    std::memset(dest + n, 0, N - n);
}

constexpr uint32_t kBasicFlags =
    TrayIconRecord::kMessage | TrayIconRecord::kIcon | TrayIconRecord::kTip;

}  // namespace

CSystemTray::CSystemTray(TrayShell& shell, TextLookup texts)
    : shell_(shell), texts_(std::move(texts)) {}

CSystemTray::~CSystemTray() {
    if (window_) {
        RemoveIcon();
        shell_.destroyWindow(window_);
    }
    if (parking_) shell_.destroyWindow(parking_);
}

bool CSystemTray::Create(TrayShell::Handle parent, uint32_t callbackMessage,
                         const std::string& tooltip, TrayShell::Handle icon, uint32_t iconId,
                         bool hidden, const char* balloonText, const char* balloonTitle,
                         uint32_t balloonIconFlags, uint32_t balloonSeconds) {
    enabled_ = shell_.majorVersion() >= 4;
    if (!enabled_) return false;
    extendedShell_ = shell_.isNT() && shell_.majorVersion() >= 5;
    maxTipLength_ = kMaxTipLength;

    if (!window_) window_ = shell_.createTrayWindow();

    record_ = TrayIconRecord();
    record_.window = parent ? parent : window_;
    record_.id = iconId;
    record_.callbackMessage = callbackMessage;
    record_.icon = icon;
    record_.flags = kBasicFlags;
    copyText(record_.tip, tooltip.c_str(), maxTipLength_ - 1);

    if (extendedShell_ && balloonText) {
        record_.flags |= TrayIconRecord::kInfo;
        copyText(record_.info, balloonText);
        copyText(record_.infoTitle, balloonTitle ? balloonTitle : "");
        record_.timeout = balloonSeconds * 1000;
        record_.infoFlags = balloonIconFlags;
    }

    hidden_ = hidden;
    if (extendedShell_ && hidden_) {
        record_.flags = TrayIconRecord::kState;
        record_.state = TrayIconRecord::kStateHidden;
        record_.stateMask = TrayIconRecord::kStateHidden;
    }
    creationFlags_ = record_.flags;

    bool result = true;
    if (!(hidden_ && !extendedShell_)) {
        result = shell_.notifyIcon(TrayShell::Notify::Add, record_);
        removed_ = pending_ = !result;
        // An icon added in the hidden state is hidden: forgetting that would make a
        // later ShowIcon believe it is already visible.
        hidden_ = !result || hidden_;
    }

    // The balloon is for the first appearance only; later modifies must not repeat it.
    if (extendedShell_ && balloonText) record_.info[0] = '\0';
    return result;
}

bool CSystemTray::AddIcon() {
    if (!removed_) RemoveIcon();
    if (!enabled_) return !removed_;
    record_.flags = kBasicFlags;
    if (!shell_.notifyIcon(TrayShell::Notify::Add, record_)) {
        pending_ = true;
        return false;
    }
    // In the tray now: nothing left to retry. A retry on a later work-area change would
    // be refused by the shell and leave a shown icon marked hidden.
    hidden_ = removed_ = pending_ = false;
    return true;
}

bool CSystemTray::RemoveIcon() {
    pending_ = false;
    if (!enabled_ || removed_) return true;
    record_.flags = 0;
    if (!shell_.notifyIcon(TrayShell::Notify::Delete, record_)) return false;
    hidden_ = removed_ = true;
    return true;
}

bool CSystemTray::ShowIcon() {
    if (removed_) {
        AddIcon();
    } else if (!hidden_) {
        return true;
    } else if (!extendedShell_) {
        AddIcon();
    } else {
        // The shell may have missed icon and tooltip changes made while hidden: send
        // them with the state change.
        record_.flags = TrayIconRecord::kState | kBasicFlags;
        record_.state = 0;
        record_.stateMask = TrayIconRecord::kStateHidden;
        if (shell_.notifyIcon(TrayShell::Notify::Modify, record_)) hidden_ = false;
    }
    return !hidden_;
}

bool CSystemTray::ShowBalloon(const std::string& text, const std::string& title, uint32_t iconFlags,
                              uint32_t seconds) {
    if (!enabled_ || !extendedShell_ || hidden_ || removed_) return false;
    record_.flags = TrayIconRecord::kInfo;
    copyText(record_.info, text.c_str());
    copyText(record_.infoTitle, title.c_str());
    record_.timeout = seconds * 1000;
    record_.infoFlags = iconFlags;
    const bool shown = modify();
    record_.info[0] = '\0';
    return shown;
}

bool CSystemTray::modify() {
    shellBehind_ = !shell_.notifyIcon(TrayShell::Notify::Modify, record_);
    return !shellBehind_;
}

bool CSystemTray::SetIcon(TrayShell::Handle icon) {
    if (!enabled_) return false;
    // The monitor sets the icon every second; the shell hears only of a change. (While
    // hidden nothing is sent anyway; ShowIcon sends the icon with the state.)
    if (icon == record_.icon && !hidden_ && !shellBehind_) return true;
    record_.flags = TrayIconRecord::kIcon;
    record_.icon = icon;
    if (hidden_) return true;
    return modify();
}

bool CSystemTray::SetIcon(const std::string& resourceName) {
    return SetIcon(shell_.loadIcon(resourceName));
}

bool CSystemTray::SetIcon(int resourceId) {
    return SetIcon(loadSharedIcon(resourceId));
}

TrayShell::Handle CSystemTray::loadSharedIcon(int resourceId) {
    // Shared icons: a resource gives the same handle for the life of the program, so it
    // is asked for once, not on every tick.
    for (const LoadedIcon& loaded : loadedIcons_)
        if (loaded.handle && loaded.resourceId == resourceId) return loaded.handle;
    const TrayShell::Handle handle = shell_.loadIcon(resourceId);
    if (handle) {
        loadedIcons_[nextLoadedIcon_] = {resourceId, handle};
        nextLoadedIcon_ = (nextLoadedIcon_ + 1) % loadedIcons_.size();
    }
    return handle;
}

bool CSystemTray::SetTooltipText(const std::string& text) {
    if (!enabled_) return false;
    decltype(record_.tip) tip;
    copyText(tip, text.c_str(), maxTipLength_ - 1);
    if (std::memcmp(tip, record_.tip, sizeof tip) == 0 && !hidden_ && !shellBehind_) return true;
    record_.flags = TrayIconRecord::kTip;
    std::memcpy(record_.tip, tip, sizeof tip);
    if (hidden_) return true;
    return modify();
}

bool CSystemTray::SetMenuDefaultItem(uint32_t item, bool byPosition) {
    if (defaultSet_ && defaultItem_ == item && defaultByPosition_ == byPosition) return true;
    defaultItem_ = item;
    defaultByPosition_ = byPosition;
    defaultSet_ = true;
    // The popup menu is loaded afresh for every click; the default item is applied to it
    // there.
    return true;
}

TrayShell::Handle CSystemTray::targetWindow() {
    return target_ ? target_ : shell_.mainWindow();
}

int CSystemTray::OnTrayNotification(uint32_t iconId, uint32_t mouseMessage) {
    if (iconId != record_.id) return 0;
    TrayShell::Handle target = targetWindow();
    if (!target) return 0;

    if (mouseMessage == kRightButtonUp) {
        TrayShell::Handle popup = shell_.loadPopupMenu(int(record_.id));
        if (!popup) return 1;
        const struct {
            uint32_t id;
            const char* key;
            const char* fallback;
        } items[] = {{kCommandShow, "TrayShow", "Show"},
                     {kCommandHide, "TrayHide", "Hide"},
                     {kCommandExit, "TrayExit", "Exit"}};
        for (const auto& item : items) {
            if (!shell_.hasMenuItem(popup, item.id)) continue;
            std::string text = texts_ ? texts_(item.key, item.fallback) : item.fallback;
            shell_.setMenuItemText(popup, item.id, text);
        }
        if (defaultSet_) shell_.setMenuDefaultItem(popup, defaultItem_, defaultByPosition_);
        if (filler_) filler_(shell_, popup);
        shell_.setForeground(target);
        shell_.trackPopupAtCursor(popup, target);
        shell_.postEmptyMessage(target);
        shell_.destroyMenu(popup);
    } else if (mouseMessage == kLeftButtonDoubleClick) {
        shell_.setForeground(target);
        uint32_t command = defaultItem_;
        if (defaultByPosition_) {
            TrayShell::Handle popup = shell_.loadPopupMenu(int(record_.id));
            if (!popup) return 1;
            command = shell_.menuItemId(popup, int(defaultItem_));
            shell_.destroyMenu(popup);
        }
        shell_.sendCommand(target, command);
    }
    return 1;
}

void CSystemTray::OnWorkAreaChanged() {
    retryPendingAdd();
}

void CSystemTray::OnTaskbarCreated() {
    if (pending_) {
        retryPendingAdd();
        return;
    }
    // A new taskbar holds no icons at all. Left out, a shown icon would be gone for good,
    // and with it the only way to open or end a program that has no taskbar button.
    // An icon the shell never held (hidden on a shell without hidden state) or that was
    // removed on purpose stays out.
    if (!enabled_ || removed_ || (hidden_ && !extendedShell_)) return;
    record_.flags = kBasicFlags;
    if (hidden_) {
        record_.flags |= TrayIconRecord::kState;
        record_.state = TrayIconRecord::kStateHidden;
        record_.stateMask = TrayIconRecord::kStateHidden;
    }
    if (!shell_.notifyIcon(TrayShell::Notify::Add, record_)) pending_ = true;
}

void CSystemTray::retryPendingAdd() {
    // A failed add leaves the icon marked hidden as well as pending, so "hidden" cannot
    // tell us whether the icon should be in the tray; the creation flags can.
    if (!pending_) return;
    record_.flags = creationFlags_;
    if (!shell_.notifyIcon(TrayShell::Notify::Add, record_)) {
        hidden_ = true;
        return;
    }
    pending_ = false;
    removed_ = false;
    hidden_ = (creationFlags_ & TrayIconRecord::kState) != 0;
}

TrayRect CSystemTray::FindTrayArea() {
    TrayShell::Handle taskbar = shell_.findTaskbar();
    if (taskbar) {
        TrayRect rect = shell_.windowRect(taskbar);
        for (const TrayShell::Child& child : shell_.childWindows(taskbar)) {
            if (child.className == "TrayNotifyWnd") {
                rect = child.rect;
            } else if (child.className == "TrayClockWClass") {
                if (child.rect.bottom >= rect.bottom - kTrayClockSlack)
                    rect.right = child.rect.left;   // horizontal taskbar
                else
                    rect.top = child.rect.bottom;   // vertical taskbar
                break;
            }
        }
        return rect;
    }

    TrayShell::Edge edge = TrayShell::Edge::Bottom;
    TrayRect bar;
    if (shell_.taskbarPosition(edge, bar)) {
        if (edge == TrayShell::Edge::Left || edge == TrayShell::Edge::Right)
            return {bar.left, bar.bottom - kTrayAreaLength, bar.right, bar.bottom - kTrayAreaEndGap};
        return {bar.right - kTrayAreaLength, bar.top, bar.right - kTrayAreaEndGap, bar.bottom};
    }

    TrayRect area = shell_.workArea();
    area.left = area.right - kTrayCornerWidth;
    area.top = area.bottom - kTrayCornerHeight;
    return area;
}

void CSystemTray::MinimiseToTray(TrayShell::Handle window) {
    if (shell_.animationEnabled())
        shell_.animateCaption(window, shell_.windowRect(window), FindTrayArea());
    if (!parking_) parking_ = shell_.createParkingWindow();
    if (parking_) shell_.setParent(window, parking_);
    shell_.setVisibleStyle(window, false);
}

void CSystemTray::MaximiseFromTray(TrayShell::Handle window) {
    shell_.setParent(window, 0);
    if (shell_.animationEnabled())
        shell_.animateCaption(window, FindTrayArea(), shell_.windowRect(window));
    shell_.setVisibleStyle(window, true);
    shell_.redrawAll(window);
    if (parking_) shell_.activate(parking_);
    shell_.activate(window);
    shell_.setForeground(window);
}
