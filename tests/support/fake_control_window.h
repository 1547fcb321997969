#pragma once
// ControlWindow double: a window of a given size and style that counts repaints,
// hands out numbered bitmaps and records what it was asked to show, and keeps a tab
// strip of plain titles.
#include <map>
#include <string>
#include <vector>

#include "platform/control_window.h"

class FakeControlWindow : public ControlWindow {
public:
    WindowRef windowRef = 0x100;
    int controlId = 0;
    uint32_t windowStyle = 0;
    Size size{88, 16};
    int invalidations = 0;
    int immediateRedraws = 0;
    bool released = false;

    // Default handling: what it was given, and what it answers.
    std::vector<unsigned> defaultMessages;
    intptr_t defaultResult = 1;
    std::vector<unsigned> parentMessages;
    std::vector<uintptr_t> parentWParams;
    intptr_t parentResult = 7;
    int focusMarks = 0;

    std::map<int, Colour> sysColours{{5, 0xFFFFFF}, {13, 0x6A240A}};

    // Bitmaps: resource ids that exist; each load returns a new handle.
    std::vector<int> availableBitmaps;
    std::map<BitmapRef, int> loaded;  // live handle -> resource id
    BitmapRef nextBitmap = 1;
    std::vector<BitmapRef> shown;
    int handCursors = 0;

    WindowRef focus = 0;
    std::vector<std::string> tabs;
    int selection = -1;
    Rect tabItem{0, 0, 60, 20};
    int rows = 1;
    bool failInsert = false;

    void release() override { released = true; }
    WindowRef ref() const override { return windowRef; }
    int id() const override { return controlId; }
    uint32_t style() const override { return windowStyle; }
    Size clientSize() const override { return size; }
    void invalidate() override { ++invalidations; }
    void redrawNow() override { ++immediateRedraws; }
    Colour systemColour(int index) const override {
        auto it = sysColours.find(index);
        return it == sysColours.end() ? 0 : it->second;
    }
    intptr_t defaultHandling(unsigned message, uintptr_t, intptr_t) override {
        defaultMessages.push_back(message);
        return defaultResult;
    }
    intptr_t sendToParent(unsigned message, uintptr_t wParam, intptr_t) override {
        parentMessages.push_back(message);
        parentWParams.push_back(wParam);
        return parentResult;
    }
    BitmapRef loadBitmap(int resourceId) override {
        for (int id : availableBitmaps)
            if (id == resourceId) {
                BitmapRef b = nextBitmap++;
                loaded[b] = resourceId;
                return b;
            }
        return 0;
    }
    void freeBitmap(BitmapRef bitmap) override { loaded.erase(bitmap); }
    void showBitmap(BitmapRef bitmap) override { shown.push_back(bitmap); }
    void setHandCursor() override { ++handCursors; }
    void drawFocusMark() override { ++focusMarks; }
    // The resource id of the bitmap shown last (0 = an empty image, -1 = none shown).
    int shownId() const {
        if (shown.empty()) return -1;
        auto it = loaded.find(shown.back());
        return it == loaded.end() ? 0 : it->second;
    }

    WindowRef focusedWindow() const override { return focus; }
    void setFocus(WindowRef window) override { focus = window; }
    bool insertTab(int position, const std::string& title) override {
        if (failInsert || position < 0 || position > static_cast<int>(tabs.size())) return false;
        tabs.insert(tabs.begin() + position, title);
        if (selection < 0) selection = 0;  // the tab control selects its first tab
        return true;
    }
    void deleteTab(int position) override {
        if (position >= 0 && position < static_cast<int>(tabs.size())) tabs.erase(tabs.begin() + position);
        if (tabs.empty()) selection = -1;
    }
    int tabCount() const override { return static_cast<int>(tabs.size()); }
    int tabSelection() const override { return selection; }
    void setTabSelection(int position) override { selection = position; }
    Rect tabRect(int) const override { return tabItem; }
    int tabRowCount() const override { return rows; }
};
