#pragma once
// TrayShellWin32: the tray icon's shell seam over Shell_NotifyIconA, the menu functions
// and the window functions. It also owns the window procedure of the tray's invisible
// window, which hands the icon's callback messages, "TaskbarCreated" and work-area
// changes to the CSystemTray attached to it.

#include <windows.h>

#include <map>

#include "controls/tray_shell.h"

class CSystemTray;
class Dialog;

class TrayShellWin32 : public TrayShell {
public:
    TrayShellWin32();
    ~TrayShellWin32() override;
    TrayShellWin32(const TrayShellWin32&) = delete;
    TrayShellWin32& operator=(const TrayShellWin32&) = delete;

    // The tray whose messages this shell's window receives.
    void attach(CSystemTray* tray) { tray_ = tray; }
    // The dialog that is the application's main window (its window, once it has one).
    void setMainDialog(Dialog* dialog) { mainDialog_ = dialog; }

    uint32_t majorVersion() override;
    bool isNT() override;
    Handle createTrayWindow() override;
    void destroyWindow(Handle window) override;
    bool notifyIcon(Notify what, const TrayIconRecord& record) override;
    Handle loadIcon(int resourceId) override;
    Handle loadIcon(const std::string& resourceName) override;
    Handle mainWindow() override;
    Handle loadPopupMenu(int menuId) override;
    void destroyMenu(Handle popup) override;
    bool hasMenuItem(Handle popup, uint32_t commandId) override;
    void setMenuItemText(Handle popup, uint32_t commandId, const std::string& text) override;
    void setMenuDefaultItem(Handle popup, uint32_t item, bool byPosition) override;
    uint32_t menuItemId(Handle popup, int position) override;
    void fillSubmenu(Handle popup, uint32_t placeholderId, const std::string& title,
                     const std::vector<TrayMenuEntry>& entries) override;
    void disableMenuItem(Handle popup, uint32_t commandId) override;
    void setForeground(Handle window) override;
    void trackPopupAtCursor(Handle popup, Handle owner) override;
    void postEmptyMessage(Handle window) override;
    void sendCommand(Handle window, uint32_t commandId) override;
    Handle findTaskbar() override;
    TrayRect windowRect(Handle window) override;
    std::vector<Child> childWindows(Handle window) override;
    bool taskbarPosition(Edge& edge, TrayRect& rect) override;
    TrayRect workArea() override;
    bool animationEnabled() override;
    void animateCaption(Handle window, const TrayRect& from, const TrayRect& to) override;
    Handle createParkingWindow() override;
    void setParent(Handle window, Handle parent) override;
    void setVisibleStyle(Handle window, bool visible) override;
    void redrawAll(Handle window) override;
    void activate(Handle window) override;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT route(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool version(OSVERSIONINFOA& out);

    CSystemTray* tray_ = nullptr;
    Dialog* mainDialog_ = nullptr;
    UINT taskbarCreated_ = 0;
    std::map<HMENU, HMENU> menus_;   // popup -> the menu resource it came from
    // The control that had the focus when the window went to the tray; it has it again
    // when the window comes back.
    HWND parkedFocus_ = nullptr;
};
