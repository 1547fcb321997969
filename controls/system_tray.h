#pragma once
// CSystemTray: the program's icon in the notification area. It keeps the icon record
// and the hidden/removed/pending state, so that changes made while the icon is hidden
// reach the shell when it is shown again, and a failed add is retried when the taskbar
// comes back. Everything platform-shaped goes through TrayShell.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "controls/tray_shell.h"
#include "platform/win32_numbers.h"
#include "resources/resource_ids.h"

class CSystemTray {
public:
    // Language lookup for the menu texts: (key, default) -> text.
    using TextLookup = std::function<std::string(const std::string&, const std::string&)>;
    // Fills in what the menu shows only at the moment it opens (status, profiles).
    using MenuFiller = std::function<void(TrayShell& shell, TrayShell::Handle popup)>;

    // Mouse messages that arrive as the callback's lParam.
    static constexpr uint32_t kRightButtonUp = kWmRButtonUp;
    static constexpr uint32_t kLeftButtonDoubleClick = kWmLButtonDblClk;
    // The tray menu's commands.
    static constexpr uint32_t kCommandShow = ID_TRAY_SHOW, kCommandHide = ID_TRAY_HIDE, kCommandExit = ID_TRAY_EXIT;
    static constexpr size_t kMaxTipLength = kNotifyTipChars;

    CSystemTray(TrayShell& shell, TextLookup texts);
    virtual ~CSystemTray();

    CSystemTray(const CSystemTray&) = delete;
    CSystemTray& operator=(const CSystemTray&) = delete;

    // parent: the owner window of the icon, 0 for the tray's own window.
    bool Create(TrayShell::Handle parent, uint32_t callbackMessage, const std::string& tooltip,
                TrayShell::Handle icon, uint32_t iconId, bool hidden, const char* balloonText,
                const char* balloonTitle, uint32_t balloonIconFlags, uint32_t balloonSeconds);

    // Icon and tooltip reach the shell only when they change (or when the shell missed
    // the last change).
    bool SetIcon(TrayShell::Handle icon);
    bool SetIcon(const std::string& resourceName);
    bool SetIcon(int resourceId);
    bool SetTooltipText(const std::string& text);
    // A shared icon of default size from the program's resources. (Inline: <windows.h>
    // renames LoadIcon in the files that include it.)
    TrayShell::Handle LoadIcon(int resourceId) { return loadSharedIcon(resourceId); }
    std::string GetTooltipText() const { return record_.tip; }

    // A balloon over the shown icon; false when the icon is not in the tray (nobody
    // would see it) or the shell refused. Later changes do not repeat it.
    bool ShowBalloon(const std::string& text, const std::string& title, uint32_t iconFlags, uint32_t seconds);
    bool ShowIcon();
    bool AddIcon();
    bool RemoveIcon();

    bool SetMenuDefaultItem(uint32_t item, bool byPosition);
    void SetTargetWindow(TrayShell::Handle window) { target_ = window; }
    void SetMenuFiller(MenuFiller filler) { filler_ = std::move(filler); }

    // The callback message: wParam carries the icon id, lParam the mouse message.
    virtual int OnTrayNotification(uint32_t iconId, uint32_t mouseMessage);
    // "TaskbarCreated": the shell started afresh; put back a failed add, and an icon the
    // old shell held. A work-area change: put the icon back only if its add failed.
    void OnTaskbarCreated();
    void OnWorkAreaChanged();

    void MinimiseToTray(TrayShell::Handle window);
    void MaximiseFromTray(TrayShell::Handle window);
    TrayRect FindTrayArea();

    TrayShell::Handle Window() const { return window_; }
    uint32_t CallbackMessage() const { return record_.callbackMessage; }
    bool IsHidden() const { return hidden_; }
    bool IsRemoved() const { return removed_; }
    bool IsPending() const { return pending_; }
    bool IsEnabled() const { return enabled_; }
    const TrayIconRecord& Record() const { return record_; }

private:
    TrayShell::Handle loadSharedIcon(int resourceId);
    TrayShell::Handle targetWindow();
    void retryPendingAdd();
    bool modify();

    struct LoadedIcon {
        int resourceId = 0;
        TrayShell::Handle handle = 0;
    };

    TrayShell& shell_;
    TextLookup texts_;
    // The tray's six icons, and room to spare.
    std::array<LoadedIcon, 8> loadedIcons_{};
    size_t nextLoadedIcon_ = 0;
    // The last modify failed: the shell shows something older than record_.
    bool shellBehind_ = false;
    MenuFiller filler_;
    TrayIconRecord record_;
    TrayShell::Handle window_ = 0;
    TrayShell::Handle target_ = 0;
    TrayShell::Handle parking_ = 0;
    bool enabled_ = false;
    bool hidden_ = false;
    bool removed_ = false;
    bool pending_ = false;
    bool extendedShell_ = false;
    bool defaultByPosition_ = false;
    uint32_t defaultItem_ = 0;
    bool defaultSet_ = false;
    uint32_t creationFlags_ = 0;
    size_t maxTipLength_ = kMaxTipLength;
};

// The program's tray icon, trayIcon: set by the program for the main window's life (null
// before and after). The main window and the link monitor change its icon and tooltip.
CSystemTray* GetTrayIcon();
void SetTrayIcon(CSystemTray* tray);
