#pragma once
// The page host as the main window uses it: pages added by index, one shown at a time.

#include <cstdint>
#include <string>

#include "platform/geometry.h"

class DialogWindow;
class PageBase;

class MainPageHost {
public:
    virtual ~MainPageHost() = default;
    // Takes over the main window's tab control (1002). False when there is none.
    virtual bool Attach(DialogWindow& window) = 0;
    // Appends a page (already created as a child dialog); the first one is shown at once.
    // Position, or -1.
    virtual int AddPage(const std::string& title, uint32_t data, PageBase& page) = 0;
    // Shows the page at `position`; false for a position beyond the last page.
    virtual bool SelectPage(int position) = 0;
    // -1 when no page is selected.
    virtual int CurrentPosition() const = 0;
    // Where the host puts its pages in its client area (its tab strip takes the rest).
    virtual Rect PagePlacement() const = 0;
};

class PageHost;

// The page host control itself behind the seam.
class PageHostPages : public MainPageHost {
public:
    explicit PageHostPages(PageHost& host) : host_(host) {}
    bool Attach(DialogWindow& window) override;
    int AddPage(const std::string& title, uint32_t data, PageBase& page) override;
    bool SelectPage(int position) override;
    int CurrentPosition() const override;
    Rect PagePlacement() const override;

private:
    PageHost& host_;
};
