#pragma once
// The log window as Regsweep's logic sees it; the Win32 binding drives a real dialog.
#include <string>

namespace regsweep {

class DialogWindow {
public:
    virtual ~DialogWindow() = default;
    virtual void setIcons() = 0;
    // Hidden, at 0, 0 and 0 x 0: nothing shows even if the window manager brings it up.
    virtual void hideAway() = 0;
    virtual void setLogText(const std::string& text) = 0;
    virtual void startTimer(unsigned id, unsigned milliseconds) = 0;
    virtual void stopTimer(unsigned id) = 0;
    virtual void end(int result) = 0;
    // Message box owned by the window, information icon, OK button.
    virtual void showMessage(const std::string& text, const std::string& caption) = 0;
};

}  // namespace regsweep
