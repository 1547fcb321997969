#pragma once
// What the tray icon needs of the shell and the window system. The Win32 binding maps
// each operation onto one or two calls (Shell_NotifyIconA, the menu functions, the
// window functions); the tray's decisions stay in CSystemTray.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32_numbers.h"

// The notification-icon record as the shell of Windows 2000 and later takes it (488
// bytes there); texts are fixed, zero-terminated buffers just as the shell sees them.
struct TrayIconRecord {
    static constexpr uint32_t kMessage = kNifMessage, kIcon = kNifIcon, kTip = kNifTip, kState = kNifState,
                              kInfo = kNifInfo;
    static constexpr uint32_t kStateHidden = kNisHidden;

    uintptr_t window = 0;
    uint32_t id = 0;
    uint32_t flags = 0;
    uint32_t callbackMessage = 0;
    uintptr_t icon = 0;
    char tip[kNotifyTipChars] = {};
    uint32_t state = 0;
    uint32_t stateMask = 0;
    char info[kNotifyInfoChars] = {};
    uint32_t timeout = 0;
    char infoTitle[kNotifyInfoTitleChars] = {};
    uint32_t infoFlags = 0;
};

// One item of a submenu filled at run time.
struct TrayMenuEntry {
    uint32_t id = 0;
    std::string text;
    bool checked = false;
};

struct TrayRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const TrayRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

class TrayShell {
public:
    using Handle = uintptr_t;
    enum class Notify { Add, Modify, Delete };
    enum class Edge { Left, Top, Right, Bottom };

    virtual ~TrayShell() = default;

    // System facts taken once at creation.
    virtual uint32_t majorVersion() = 0;
    virtual bool isNT() = 0;

    // The tray object's own invisible pop-up window (receives the callback messages).
    virtual Handle createTrayWindow() = 0;
    virtual void destroyWindow(Handle window) = 0;

    virtual bool notifyIcon(Notify what, const TrayIconRecord& record) = 0;

    virtual Handle loadIcon(int resourceId) = 0;
    virtual Handle loadIcon(const std::string& resourceName) = 0;

    // The application's main window, or 0.
    virtual Handle mainWindow() = 0;

    // Menus: the first submenu of the menu resource `menuId`, loaded fresh each time.
    virtual Handle loadPopupMenu(int menuId) = 0;
    virtual void destroyMenu(Handle popup) = 0;
    virtual bool hasMenuItem(Handle popup, uint32_t commandId) = 0;
    virtual void setMenuItemText(Handle popup, uint32_t commandId, const std::string& text) = 0;
    virtual void setMenuDefaultItem(Handle popup, uint32_t item, bool byPosition) = 0;
    virtual uint32_t menuItemId(Handle popup, int position) = 0;
    // The submenu of `popup` whose first item is `placeholderId` is titled `title` and
    // gets `entries` in the placeholder's place; with no entries the placeholder stays.
    // Nothing happens without that submenu.
    virtual void fillSubmenu(Handle /*popup*/, uint32_t /*placeholderId*/, const std::string& /*title*/,
                             const std::vector<TrayMenuEntry>& /*entries*/) {}
    // Greys an item out: it shows, and cannot be chosen.
    virtual void disableMenuItem(Handle /*popup*/, uint32_t /*commandId*/) {}
    // Foreground, popup at the cursor owned by `owner`, then the empty message, in that
    // order: the menu closes properly on a click elsewhere only when the owner was
    // foreground and receives a message after TrackPopupMenu returns.
    virtual void setForeground(Handle window) = 0;
    virtual void trackPopupAtCursor(Handle popup, Handle owner) = 0;
    virtual void postEmptyMessage(Handle window) = 0;
    virtual void sendCommand(Handle window, uint32_t commandId) = 0;

    // Finding the tray area.
    struct Child {
        std::string className;
        TrayRect rect;
    };
    virtual Handle findTaskbar() = 0;   // the "Shell_TrayWnd" window
    virtual TrayRect windowRect(Handle window) = 0;
    virtual std::vector<Child> childWindows(Handle window) = 0;
    virtual bool taskbarPosition(Edge& edge, TrayRect& rect) = 0;
    virtual TrayRect workArea() = 0;

    // Minimise to and restore from the tray.
    virtual bool animationEnabled() = 0;
    virtual void animateCaption(Handle window, const TrayRect& from, const TrayRect& to) = 0;
    virtual Handle createParkingWindow() = 0;   // shared hidden parent; 0 on failure
    virtual void setParent(Handle window, Handle parent) = 0;
    virtual void setVisibleStyle(Handle window, bool visible) = 0;
    virtual void redrawAll(Handle window) = 0;
    virtual void activate(Handle window) = 0;
};
