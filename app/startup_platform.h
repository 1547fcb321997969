#pragma once
// The process-level services start-up needs from the system: the module path, the
// single-instance mutex, sockets, dialog set-up, the invisible owner window and the
// main window's modal run. One Win32 binding; tests use a recording double.

#include <cstdint>
#include <string>

class StartupPlatform {
public:
    virtual ~StartupPlatform() = default;

    // Full path of the executable, at most 256 characters.
    virtual std::string modulePath() = 0;
    // Creates the named mutex, not initially owned, held for the life of the process.
    // `alreadyExisted` reports that another process had made it first.
    virtual bool createInstanceMutex(const std::string& name, bool& alreadyExisted) = 0;
    virtual bool startSockets() = 0;
    // Control containment, 3-D controls and every dialog's background and text colour.
    virtual void prepareDialogs(uint32_t background, uint32_t text) = 0;
    // The invisible pop-up that owns the main window (no taskbar button of its own).
    virtual bool createOwnerWindow() = 0;
    // Constructs the main window under the owner window, runs it modally, destroys it.
    virtual void runMainWindow(uint32_t osVersionCode) = 0;
    virtual void destroyOwnerWindow() = 0;
};
