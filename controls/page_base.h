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

    // True for the command ids that belong to the main window rather than the page.
    static bool isMainWindowCommand(int id);

    // The header row's pictures, left to right, and where they sit on every page, in
    // pixels: they are bitmaps of a fixed size, so their places must not follow the
    // dialog font's units.
    static constexpr int kHeaderIds[6] = {IDC_HEADER_WIZARD,   IDC_HEADER_LINK_INFO,   IDC_HEADER_CONFIG,
                                          IDC_HEADER_SECURITY, IDC_HEADER_SITE_SURVEY, IDC_HEADER_ABOUT};
    static constexpr int kHeaderLeft = 4;
    static constexpr int kHeaderTop = 6;
    static constexpr int kHeaderStep = 110;
    static constexpr int kHeaderRuleTop = 45;  // the line under the row, as wide as the row
    static constexpr int kHeaderRuleWidth = 6 * kHeaderStep - kHeaderLeft;
    static constexpr int kHeaderRuleHeight = 2;

    // Each page button's bitmaps, left to right: the same on every page and on the main
    // window's hidden row. The pressed look is the normal one.
    struct HeaderBitmaps {
        int id;
        int normal, hover, pressed;
    };
    static const HeaderBitmaps kHeaderBitmaps[6];

protected:
    void OnPrepareWindow() override;
    bool OnUnhandledCommand(int id, int code) override;
};
