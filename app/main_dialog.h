#pragma once
// MainDialog: the program's only top-level window. Lives in the tray, polls for the
// adapter every 2.5 seconds, and switches between its eight pages on the commands their
// header buttons send.

#include <cstdint>
#include <string>
#include <vector>

#include "adapter/q_adapter_list.h"
#include "controls/header_row.h"
#include "platform/dialog.h"
#include "platform/win32_numbers.h"
#include "resources/resource_ids.h"

class AdapterContext;
class CSystemTray;
class LanguageTexts;
class MainPageHost;
class MainPages;
class MainWindowShell;
class ServiceControl;
class TrayMenu;

class MainDialog : public Dialog {
public:
    static constexpr int kTemplateId = IDD_MAIN_WINDOW;
    static constexpr unsigned kPollTimer = 102;
    static constexpr unsigned kPollPeriodMs = 2500;
    static constexpr uint32_t kTrayCallback = kWmApp + 10;
    static constexpr uint32_t kTrayIconId = IDR_TRAY_MENU;   // the icon id names its menu

    // Besides these, the header row's page buttons (HeaderRow::kPageButtonLooks).
    enum Command {
        kNext = IDC_WIZARD_NEXT,
        kHideButton = IDC_HIDE_BUTTON,
        kTrayShow = ID_TRAY_SHOW,
        kTrayHide = ID_TRAY_HIDE,
        kTrayExit = ID_TRAY_EXIT,
    };

    struct Parts {
        AdapterContext& adapters;
        LanguageTexts& texts;
        CSystemTray& tray;
        ServiceControl& services;
        MainWindowShell& shell;
        MainPageHost& pageHost;
        MainPages& pages;
        uint32_t osVersionCode;
        // The tray menu's profiles; without it their commands are not ours.
        TrayMenu* trayMenu = nullptr;
    };

    // Builds the adapter list, which enumerates the adapters at once.
    explicit MainDialog(const Parts& parts);
    ~MainDialog() override;

    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnTimer(unsigned timerId) override;
    void OnCancel() override;
    void OnOK() override;
    bool OnSysCommand(unsigned command) override;
    void OnMouseMove(int x, int y) override;
    bool OnWindowMessage(unsigned message, uintptr_t wParam, intptr_t lParam,
                         intptr_t& result) override;

    // One poll: refresh the adapters and pick (or drop) the current adapter record.
    void PollAdapter();

    QAdapterList& Adapters() { return adapters_; }
    // Every adapter the list holds, "description (device name)", for the support report.
    std::vector<std::string> AdapterNames() const;
    // False when the tray icon could not be made: no pages, no polling.
    bool Initialised() const { return initialised_; }

private:
    void showFromTray();
    void hideToTray();
    void exitProgram();
    void next();
    void switchPage(int headerButton);
    void dropCurrentAdapter();
    bool pressOnCurrentPage(int id);
    static Rect pageHostPlace(const Size& client);
    void loadHeaderRow();

    Parts parts_;
    QAdapterList adapters_;
    bool initialised_ = false;
    // The window's own header row: present in the template, hidden and disabled.
    HeaderRow header_;
};
