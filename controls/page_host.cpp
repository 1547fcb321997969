#include "controls/page_host.h"

#include "platform/win32_numbers.h"

namespace {
constexpr int kMargin = 4;
}  // namespace

PageHost::~PageHost() { DestroyPages(); }

bool PageHost::validPage(int position) const {
    return position >= 0 && position < static_cast<int>(pages_.size()) && pages_[position].page != nullptr;
}

PageBase* PageHost::GetPage(int position) const { return validPage(position) ? pages_[position].page : nullptr; }

WindowRef PageHost::GetFocusWindow(int position) const {
    return position >= 0 && position < static_cast<int>(focus_.size()) ? focus_[position] : 0;
}

int PageHost::GetCurrentPosition() const { return hasWindow() ? window()->tabSelection() : -1; }

int PageHost::AddPage(const std::string& title, uint32_t data, PageBase* page, bool autoDelete) {
    if (!hasWindow()) return -1;
    ControlWindow& tabs = *window();
    const int n = tabs.tabCount();
    if (!tabs.insertTab(n, title)) return -1;
    if (page == nullptr) {
        tabs.deleteTab(n);
        return -1;
    }
    pages_.push_back({page, autoDelete});
    data_.push_back(data);
    const int position = static_cast<int>(pages_.size()) - 1;

    if (page->hasWindow()) page->window()->setParent(tabs.ref());
    Size client = tabs.clientSize();
    if (client.width > 0 && client.height > 0) placePage(position);

    WindowRef focus = 0;
    if (FocusFirstControl(position, data))
        focus = page->hasWindow() ? page->window()->firstChild() : 0;
    else
        focus = tabs.focusedWindow();
    focus_.push_back(focus);

    if (n == 0) showPage(position, true);
    return n;
}

Rect PageHost::PagePlacement(int position) const {
    if (!hasWindow()) return {};
    const ControlWindow& tabs = *window();
    const Size client = tabs.clientSize();
    const Rect tab = tabs.tabRect(position);
    const int rows = tabs.tabRowCount();
    const uint32_t style = tabs.style();
    if (style & kTabStyleVertical) {
        const int width = client.width - tab.width() * rows - 2 * kMargin;
        const int x = (style & kTabStyleRight) ? kMargin : tab.width() * rows + kMargin;
        return Rect::fromSize(x, kMargin, width, client.height - 2 * kMargin);
    }
    const int height = client.height - tab.height() * rows - 2 * kMargin;
    const int y = (style & kTabStyleBottom) ? kMargin : tab.height() * rows + kMargin;
    return Rect::fromSize(kMargin, y, client.width - 2 * kMargin, height);
}

void PageHost::placePage(int position) {
    PageBase* page = GetPage(position);
    if (page != nullptr && page->hasWindow()) page->window()->move(PagePlacement(position));
}

void PageHost::showPage(int position, bool visible) {
    PageBase* page = GetPage(position);
    if (page != nullptr && page->hasWindow()) page->window()->show(visible);
}

bool PageHost::SelectPage(int position) {
    if (!hasWindow()) return false;
    ControlWindow& tabs = *window();
    // A negative position names no tab either; the tab control would take it as "none"
    // and leave the host without a page to show.
    if (position < 0 || position >= tabs.tabCount()) return false;
    const int current = tabs.tabSelection();
    if (position == current) return true;

    if (validPage(current)) {
        focus_[current] = tabs.focusedWindow();
        showPage(current, false);
    }
    tabs.setTabSelection(position);  // raises no change notification: no hooks run
    if (!validPage(position)) return true;
    tabs.setFocus(focus_[position]);
    placePage(position);
    showPage(position, true);
    return true;
}

void PageHost::beforeUserChange() {
    const int current = GetCurrentPosition();
    if (!validPage(current)) return;
    OnPageDeactivating(current, data_[current]);
    focus_[current] = window()->focusedWindow();
    showPage(current, false);
}

void PageHost::afterUserChange() {
    const int current = GetCurrentPosition();
    if (!validPage(current)) return;
    window()->setFocus(focus_[current]);
    placePage(current);
    showPage(current, true);
    OnPageActivated(current, data_[current]);
}

void PageHost::DestroyPages() {
    for (int i = static_cast<int>(pages_.size()) - 1; i >= 0; --i) {
        Entry entry = pages_[i];
        OnPageRemoved(i, data_[i]);
        if (entry.page != nullptr && entry.page->hasWindow()) entry.page->window()->destroy();
        if (entry.autoDelete) delete entry.page;
    }
    pages_.clear();
    focus_.clear();
    data_.clear();
}

bool PageHost::handleMessage(unsigned message, uintptr_t wParam, intptr_t lParam, intptr_t& result) {
    switch (message) {
    case kWmCommand:
    case kWmNotify:
        // Commands from the pages (their header buttons) belong to the host's parent.
        result = window()->sendToParent(message, wParam, lParam);
        return true;
    case kWmSetFocus: {
        const int current = GetCurrentPosition();
        if (validPage(current)) window()->setFocus(focus_[current]);
        return false;
    }
    case kWmKillFocus: {
        const int current = GetCurrentPosition();
        if (validPage(current)) focus_[current] = static_cast<WindowRef>(wParam);
        return false;
    }
    case kWmSize: {
        // The owner may resize the host after adding its pages: the page on show follows.
        const int current = GetCurrentPosition();
        if (validPage(current)) placePage(current);
        return false;
    }
    case kWmDestroy:
        DestroyPages();
        return false;
    default:
        return false;
    }
}

bool PageHost::handleReflected(unsigned message, uintptr_t /*wParam*/, intptr_t lParam, intptr_t& result) {
    if (message != kWmNotify || lParam == 0) return false;
    const auto* header = reinterpret_cast<const NotifyHeader*>(lParam);
    if (header->code == kTcnSelChanging) {
        beforeUserChange();
        result = 0;  // allow the change
        return true;
    }
    if (header->code == kTcnSelChange) {
        afterUserChange();
        result = 0;
        return true;
    }
    return false;
}
