#pragma once
// Common base of the main window's pages: a modeless child dialog built from its
// template. Enter and Escape never close a page, and the commands a page leaves to the
// main window (the header row's page buttons and the wizard's Next) go on to the
// page's parent, the page host, which passes them to the main window.

#include "platform/dialog.h"
#include "resources/resource_ids.h"

class PageBase : public Dialog {
public:
    explicit PageBase(int templateId) : Dialog(templateId) {}

    void OnOK() override {}
    void OnCancel() override {}

    // The timers the page keeps for its own work, started and stopped when the main window
    // says so: Link Info's monitor runs while the adapter is present, the wizard's test
    // stops whenever another page is chosen. Each page knows its own ids and periods.
    virtual void StartTimers() {}
    virtual void StopTimers() {}

    // True for the command ids that belong to the main window rather than the page.
    static bool isMainWindowCommand(int id);

    // Where the header row's pictures sit on every page, in pixels: they are bitmaps of a
    // fixed size, so their places must not follow the dialog font's units.
    static constexpr int kHeaderLeft = 4;
    static constexpr int kHeaderTop = 6;
    static constexpr int kHeaderStep = 110;
    static constexpr int kHeaderRuleTop = 45;  // the line under the row, as wide as the row
    static constexpr int kHeaderRuleWidth = 6 * kHeaderStep - kHeaderLeft;
    static constexpr int kHeaderRuleHeight = 2;

protected:
    void OnPrepareWindow() override;
    bool OnUnhandledCommand(int id, int code) override;
};
