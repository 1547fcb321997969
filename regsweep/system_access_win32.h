#pragma once
// Regsweep's system services on Win32: version, user name, message boxes, its window.
#include <windows.h>

#include "regsweep/system_access.h"

namespace regsweep {

class SystemWin32 : public SystemAccess {
public:
    explicit SystemWin32(HINSTANCE instance) : instance_(instance) {}

    unsigned long platformId() override;
    std::string userName() override;
    void showMessage(const std::string& text, const std::string& caption) override;
    int runDialog(RegsweepDialog& dialog) override;

private:
    HINSTANCE instance_;
};

}  // namespace regsweep
