#pragma once
// TrayShell double: records every call in order as a short text and keeps the records
// handed to Shell_NotifyIcon.
#include <map>
#include <string>
#include <vector>

#include "controls/tray_shell.h"

class FakeTrayShell : public TrayShell {
public:
    struct NotifyCall {
        Notify what;
        TrayIconRecord record;
    };

    uint32_t major = 5;
    bool nt = true;
    bool addFails = false;
    bool modifyFails = false;
    int iconsLoaded = 0;
    std::vector<NotifyCall> notifies;
    std::vector<std::string> calls;
    // Position of the first such call, calls.size() when there was none: a test asks
    // for the one ordering that matters, not for the whole sequence.
    size_t at(const std::string& call) const {
        size_t i = 0;
        while (i < calls.size() && calls[i] != call) ++i;
        return i;
    }
    Handle main = 0x500;
    bool menuAvailable = true;
    std::map<uint32_t, std::string> menuItems{{32773, "Exit"}};   // the program's menu 154
    std::vector<uint32_t> menuOrder{32773};
    int menusLoaded = 0, menusDestroyed = 0;

    Handle taskbar = 0;
    TrayRect taskbarRect;
    std::vector<Child> children;
    bool appBarWorks = false;
    Edge appBarEdge = Edge::Bottom;
    TrayRect appBarRect;
    TrayRect work{0, 0, 1024, 738};
    bool animation = true;
    std::map<Handle, TrayRect> rects;
    Handle parkingResult = 0x900;
    std::map<Handle, Handle> parents;
    std::map<Handle, bool> visible;

    uint32_t majorVersion() override { return major; }
    bool isNT() override { return nt; }
    Handle createTrayWindow() override { return 0x100; }
    void destroyWindow(Handle w) override { calls.push_back("destroy " + std::to_string(w)); }
    bool notifyIcon(Notify what, const TrayIconRecord& r) override {
        notifies.push_back({what, r});
        if (what == Notify::Add && addFails) return false;
        return !(what == Notify::Modify && modifyFails);
    }
    Handle loadIcon(int id) override {
        ++iconsLoaded;
        return Handle(0x10000 + id);
    }
    Handle loadIcon(const std::string& name) override { return name.empty() ? 0 : 0x20000; }
    Handle mainWindow() override { return main; }

    Handle loadPopupMenu(int id) override {
        calls.push_back("load menu " + std::to_string(id));
        if (!menuAvailable) return 0;
        ++menusLoaded;
        return 0x700;
    }
    void destroyMenu(Handle) override {
        ++menusDestroyed;
        calls.push_back("destroy menu");
    }
    bool hasMenuItem(Handle, uint32_t id) override { return menuItems.count(id) != 0; }
    void setMenuItemText(Handle, uint32_t id, const std::string& text) override {
        menuItems[id] = text;
    }
    void setMenuDefaultItem(Handle, uint32_t item, bool byPos) override {
        calls.push_back("default " + std::to_string(item) + (byPos ? " pos" : " cmd"));
    }
    uint32_t menuItemId(Handle, int pos) override {
        return pos >= 0 && size_t(pos) < menuOrder.size() ? menuOrder[pos] : 0xFFFFFFFF;
    }
    void setForeground(Handle w) override { calls.push_back("foreground " + std::to_string(w)); }
    void trackPopupAtCursor(Handle, Handle owner) override {
        calls.push_back("track " + std::to_string(owner));
    }
    void postEmptyMessage(Handle w) override { calls.push_back("post null " + std::to_string(w)); }
    void sendCommand(Handle w, uint32_t id) override {
        calls.push_back("command " + std::to_string(id) + " to " + std::to_string(w));
    }

    Handle findTaskbar() override { return taskbar; }
    TrayRect windowRect(Handle w) override { return w == taskbar ? taskbarRect : rects[w]; }
    std::vector<Child> childWindows(Handle) override { return children; }
    bool taskbarPosition(Edge& e, TrayRect& r) override {
        if (!appBarWorks) return false;
        e = appBarEdge;
        r = appBarRect;
        return true;
    }
    TrayRect workArea() override { return work; }

    bool animationEnabled() override { return animation; }
    void animateCaption(Handle w, const TrayRect& from, const TrayRect& to) override {
        calls.push_back("animate " + std::to_string(w));
        animations.push_back({from, to});
    }
    std::vector<std::pair<TrayRect, TrayRect>> animations;
    Handle createParkingWindow() override {
        calls.push_back("create parking");
        return parkingResult;
    }
    void setParent(Handle w, Handle p) override {
        parents[w] = p;
        calls.push_back("parent " + std::to_string(w) + " " + std::to_string(p));
    }
    void setVisibleStyle(Handle w, bool v) override {
        visible[w] = v;
        calls.push_back(std::string(v ? "visible " : "invisible ") + std::to_string(w));
    }
    void redrawAll(Handle w) override { calls.push_back("redraw " + std::to_string(w)); }
    void activate(Handle w) override { calls.push_back("activate " + std::to_string(w)); }
};
