#pragma once
// DesktopWin32: the Desktop seam over MessageBoxA, MessageBeep, GetTickCount, Sleep and
// GetVersionExA.
#include "platform/desktop.h"

class DesktopWin32 : public Desktop {
public:
    void messageBox(const std::string& text, const std::string& title, MessageIcon icon) override;
    void beep() override;
    uint32_t tickCount() override;
    void sleep(uint32_t milliseconds) override;
    void setBusyCursor(bool busy) override;
    bool osVersion(bool extended, OsVersionInfo& out) override;
    bool copyToClipboard(const std::string& text) override;

private:
    int busyDepth_ = 0;         // nested busy spells; the outermost restores the cursor
    uintptr_t previous_ = 0;    // the cursor the hourglass replaced
};
