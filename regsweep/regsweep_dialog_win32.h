#pragma once
// Runs Regsweep's log window (dialog 102) modally and hands its messages to the
// portable RegsweepDialog.
#include <windows.h>

#include "regsweep/dialog_window.h"

namespace regsweep {

class RegsweepDialog;

class DialogHostWin32 : public DialogWindow {
public:
    explicit DialogHostWin32(HINSTANCE instance) : instance_(instance) {}
    ~DialogHostWin32() override;
    DialogHostWin32(const DialogHostWin32&) = delete;
    DialogHostWin32& operator=(const DialogHostWin32&) = delete;

    // Returns the result the window ended with, or -1 if it could not be created.
    int run(RegsweepDialog& dialog);

    void setIcons() override;
    void hideAway() override;
    void setLogText(const std::string& text) override;
    void startTimer(unsigned id, unsigned milliseconds) override;
    void stopTimer(unsigned id) override;
    void end(int result) override;
    void showMessage(const std::string& text, const std::string& caption) override;

private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    HWND window_ = nullptr;
    RegsweepDialog* dialog_ = nullptr;
    HICON largeIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    bool hidden_ = false;
    bool ended_ = false;
    int result_ = -1;
};

}  // namespace regsweep
