#pragma once
// What Regsweep needs of the system besides the registry.
#include <string>

namespace regsweep {

class RegsweepDialog;

constexpr unsigned long kPlatformNt = 2;  // VER_PLATFORM_WIN32_NT

class SystemAccess {
public:
    virtual ~SystemAccess() = default;

    // Platform identifier of the version record; 2 is NT, anything else counts as 9x.
    virtual unsigned long platformId() = 0;
    // Name of the user running the program; empty if it cannot be had.
    virtual std::string userName() = 0;
    // Message box with no owner, the information icon and an OK button.
    virtual void showMessage(const std::string& text, const std::string& caption) = 0;
    // Creates the log window for the dialog and runs it until it ends.
    virtual int runDialog(RegsweepDialog& dialog) = 0;
};

}  // namespace regsweep
