#pragma once
// Common base of the main window's pages: a modeless child dialog built from its
// template. Enter and Escape never close a page, and the commands a page leaves to the
// main window (the header row's page buttons and the wizard's Next) go on to the
// page's parent, the page host, which passes them to the main window.

#include "platform/dialog.h"

class PageBase : public Dialog {
public:
    explicit PageBase(int templateId) : Dialog(templateId) {}

    void OnOK() override {}
    void OnCancel() override {}

    // True for the command ids that belong to the main window rather than the page.
    static bool isMainWindowCommand(int id);

protected:
    bool OnUnhandledCommand(int id, int code) override;
};
