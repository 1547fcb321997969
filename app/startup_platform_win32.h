#pragma once
// StartupPlatformWin32: module path, the named mutex, Windows Sockets, dialog colours,
// the invisible owner window; the main window's run is handed in by the program entry.
#include <windows.h>

#include <functional>

#include "app/startup_platform.h"

class StartupPlatformWin32 : public StartupPlatform {
public:
    using MainWindowRun = std::function<void(HWND owner, uint32_t osVersionCode)>;

    explicit StartupPlatformWin32(MainWindowRun run) : run_(std::move(run)) {}
    ~StartupPlatformWin32() override;
    StartupPlatformWin32(const StartupPlatformWin32&) = delete;
    StartupPlatformWin32& operator=(const StartupPlatformWin32&) = delete;

    std::string modulePath() override;
    bool createInstanceMutex(const std::string& name, bool& alreadyExisted) override;
    bool startSockets() override;
    void prepareDialogs(uint32_t background, uint32_t text) override;
    bool createOwnerWindow() override;
    void runMainWindow(uint32_t osVersionCode) override;
    void destroyOwnerWindow() override;

private:
    MainWindowRun run_;
    HANDLE mutex_ = nullptr;
    bool sockets_ = false;
    HWND owner_ = nullptr;
};
