#pragma once
// DialogWindow double: records placement, visibility, timers, commands and destruction
// of one dialog window; controls come from a Controls double the test provides.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog.h"
#include "platform/dialog_window.h"
#include "platform/null_controls.h"

class FakeDialogWindow : public DialogWindow {
public:
    explicit FakeDialogWindow(Controls* controlsDouble = nullptr) : controls_(controlsDouble) {}

    WindowRef windowRef = 0x200;
    WindowRef parent = 0;
    WindowRef firstChildRef = 0;
    Rect placement;
    int moves = 0;
    bool visible = false;
    bool destroyed = false;
    std::string title;
    std::map<unsigned, unsigned> timers;
    std::vector<int> endResults;
    std::vector<std::pair<int, int>> commands;
    std::vector<std::pair<int, int>> parentCommands;
    std::map<int, CustomControl*> attached;
    std::vector<Dialog*> children;
    Size clientSize_;
    std::map<int, std::pair<int, int>> placedControls;
    std::map<int, std::pair<int, int>> sizedControls;
    std::vector<int> tabOrder;   // controls sent to the back, in that order

    Controls& controls() override { return controls_ != nullptr ? *controls_ : none_; }
    WindowRef ref() const override { return windowRef; }
    bool attachControl(int id, CustomControl& control) override {
        attached[id] = &control;
        return true;
    }
    bool setTimer(unsigned timerId, unsigned ms) override {
        timers[timerId] = ms;
        return true;
    }
    void killTimer(unsigned timerId) override { timers.erase(timerId); }
    void endDialog(int result) override { endResults.push_back(result); }
    void sendCommand(int id, int code) override { commands.emplace_back(id, code); }
    void sendCommandToParent(int id, int code) override { parentCommands.emplace_back(id, code); }
    bool createChild(Dialog& child) override {
        children.push_back(&child);
        return true;
    }
    void setParent(WindowRef p) override { parent = p; }
    void move(const Rect& rect) override {
        placement = rect;
        ++moves;
    }
    void resizeClient(int width, int height) override { clientSize_ = {width, height}; }
    Size clientSize() const override { return clientSize_; }
    void placeControl(int id, int x, int y) override { placedControls[id] = {x, y}; }
    void sizeControl(int id, int width, int height) override { sizedControls[id] = {width, height}; }
    void sendControlToBack(int id) override { tabOrder.push_back(id); }
    void show(bool v) override { visible = v; }
    bool isVisible() const override { return visible; }
    void setTitle(const std::string& t) override { title = t; }
    WindowRef firstChild() const override { return firstChildRef; }
    void destroy() override { destroyed = true; }

private:
    Controls* controls_;
    NullControls none_;
};
