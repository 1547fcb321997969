// Lumora.exe: puts the program's pieces together and runs start-up. Everything with a
// decision in it lives in the portable core; this file only builds and wires objects.
#include <windows.h>

#include "adapter/adapter_context.h"
#include "adapter/adapter_library_win32.h"
#include "adapter/machine_registry_win32.h"
#include "language/language_texts.h"
#include "app/lumora_app.h"
#include "app/lumora_pages.h"
#include "app/main_dialog.h"
#include "app/main_page_host.h"
#include "app/main_pages.h"
#include "app/main_window_shell_win32.h"
#include "app/service_control_win32.h"
#include "app/startup_platform_win32.h"
#include "language/text_source.h"
#include "app/tray_menu.h"
#include "controls/page_host.h"
#include "controls/system_tray.h"
#include "controls/system_tray_win32.h"
#include "monitor/link_notifier.h"
#include "pages/about_page.h"
#include "pages/internet_check_win32.h"
#include "kit/link_journal.h"
#include "kit/page_services.h"
#include "platform/desktop_win32.h"
#include "platform/dialog_host_win32.h"
#include "platform/dialog_runner_win32.h"
#include "profiles/profile_store.h"
#include "profiles/registry_settings_store.h"

namespace {

struct Program {
    DesktopWin32 desktop;
    RegistrySettingsStore settings;
    IniFileTextSource iniFile;
    LanguageTexts texts{iniFile};
    ServiceControlWin32 services;
};

void runMainWindow(Program& program, HWND owner, uint32_t osVersionCode) {
    AdapterLibraryWin32 library;
    AdapterContext adapters(library, program.desktop);

    TrayShellWin32 trayShell;
    CSystemTray trayIcon(trayShell, [&program](const std::string& key, const std::string& fallback) {
        return program.texts.GetText(key, fallback);
    });
    trayShell.attach(&trayIcon);
    SetTrayIcon(&trayIcon);

    LinkJournal journal(&program.texts);
    SetLinkJournal(&journal);
    LinkNotifier notifier(journal, program.settings, program.texts);

    ProfileStore store(program.settings);
    TrayMenu trayMenu(store, program.texts);
    trayIcon.SetMenuFiller([&trayMenu](TrayShell& shell, TrayShell::Handle popup) { trayMenu.fill(shell, popup); });
    DialogRunnerWin32 dialogs;
    MachineRegistryWin32 machineRegistry;
    WinInetCheck internet;
    PageServices services{store, program.desktop, program.texts, dialogs, &machineRegistry, &library, &internet};
    LumoraPages pages(services);
    PageHost pageHost;
    PageHostPages hostPages(pageHost);
    MainWindowShellWin32 shell;

    MainDialog dialog(MainDialog::Parts{adapters, program.texts, trayIcon, program.services, shell,
                                        hostPages, pages, osVersionCode, &trayMenu});
    shell.setDialog(&dialog);
    pages.about().setAdapterLister([&dialog] { return dialog.AdapterNames(); });
    trayShell.setMainDialog(&dialog);

    DialogHost host(dialog);
    host.runModal(owner);
    // The pages go with the main window; the tray icon leaves when trayIcon does.
    pageHost.DestroyPages();
    SetTrayIcon(nullptr);
    SetLinkJournal(nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Program program;
    StartupPlatformWin32 platform(
        [&program](HWND owner, uint32_t code) { runMainWindow(program, owner, code); });
    LumoraApp app(program.settings, program.texts, program.desktop, program.services, platform);
    app.InitInstance();
    return 0;
}
