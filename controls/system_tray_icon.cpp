#include "controls/system_tray.h"

namespace {

// The program's one tray icon; see GetTrayIcon().
CSystemTray* trayIcon = nullptr;

}  // namespace

CSystemTray* GetTrayIcon() { return trayIcon; }

void SetTrayIcon(CSystemTray* tray) { trayIcon = tray; }
