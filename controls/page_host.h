#pragma once
// A tab control that owns the pages of a window and shows exactly one of them inside
// its client area, remembering for each page the control that had the focus. Take over
// the template's tab control with DialogWindow::attachControl, then add pages whose
// windows already exist (DialogWindow::createChild).

#include <cstdint>
#include <string>
#include <vector>

#include "controls/page_base.h"
#include "platform/custom_control.h"

class PageHost : public CustomControl {
public:
    PageHost() = default;
    ~PageHost() override;
    PageHost(const PageHost&) = delete;
    PageHost& operator=(const PageHost&) = delete;

    // Appends a tab titled 'title' for 'page'; the first page is shown at once.
    // Returns the page's position, or -1 when the tab cannot be inserted or page is null.
    // With autoDelete the host deletes the page object when it is destroyed.
    int AddPage(const std::string& title, uint32_t data, PageBase* page, bool autoDelete = false);
    // Hides the current page and shows the one at 'position'. False for a position that
    // has no tab; true (and nothing changes) for the current one.
    bool SelectPage(int position);
    // The current position, -1 when none.
    int GetCurrentPosition() const;

    int GetPageCount() const { return static_cast<int>(pages_.size()); }
    PageBase* GetPage(int position) const;
    // The window that had the focus when the page was last left (0 when none).
    WindowRef GetFocusWindow(int position) const;

    // Where a page at 'position' goes in the current client area.
    Rect PagePlacement(int position) const;

    // Runs the removal hook for each page from the last to the first, destroys its
    // window and deletes auto-delete pages. Also done when the tab control goes away.
    void DestroyPages();

    // CustomControl
    bool handleMessage(unsigned message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
    bool handleReflected(unsigned message, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;

protected:
    // Whether a newly added page remembers its first child control as its focus window
    // (else the window that has the focus now).
    virtual bool FocusFirstControl(int /*position*/, uint32_t /*data*/) { return true; }
    // After a user's tab change has shown a page.
    virtual void OnPageActivated(int /*position*/, uint32_t /*data*/) {}
    // Before a user's tab change hides a page.
    virtual void OnPageDeactivating(int /*position*/, uint32_t /*data*/) {}
    // For each page while the host is destroyed.
    virtual void OnPageRemoved(int /*position*/, uint32_t /*data*/) {}

private:
    struct Entry {
        PageBase* page = nullptr;
        bool autoDelete = false;
    };

    void placePage(int position);
    void showPage(int position, bool visible);
    void beforeUserChange();
    void afterUserChange();
    bool validPage(int position) const;

    std::vector<Entry> pages_;
    std::vector<WindowRef> focus_;
    std::vector<uint32_t> data_;
};
