#include "app/startup_platform_win32.h"

#include <winsock2.h>
#include <commctrl.h>

#include <cstdio>

#include "platform/dialog_host_win32.h"

namespace {

constexpr DWORD kModulePathMax = 256;

}  // namespace

StartupPlatformWin32::~StartupPlatformWin32() {
    if (sockets_) WSACleanup();
    if (mutex_) CloseHandle(mutex_);
}

std::string StartupPlatformWin32::modulePath() {
    char path[kModulePathMax + 1] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, kModulePathMax);
    if (n > kModulePathMax) n = kModulePathMax;
    return std::string(path, n);
}

bool StartupPlatformWin32::createInstanceMutex(const std::string& name, bool& alreadyExisted) {
    SetLastError(ERROR_SUCCESS);
    mutex_ = CreateMutexA(nullptr, FALSE, name.c_str());
    alreadyExisted = GetLastError() == ERROR_ALREADY_EXISTS;
    return mutex_ != nullptr;
}

bool StartupPlatformWin32::startSockets() {
    WSADATA data{};
    sockets_ = WSAStartup(MAKEWORD(1, 1), &data) == 0;
    return sockets_;
}

void StartupPlatformWin32::prepareDialogs(uint32_t background, uint32_t text) {
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&icc);
    DialogHost::setDialogColours(COLORREF(background), COLORREF(text));
}

bool StartupPlatformWin32::createOwnerWindow() {
    // A class of our own, fresh for this process: no icon, cursor or background.
    char name[64];
    std::snprintf(name, sizeof name, "LumoraOwner%lu", GetCurrentProcessId());
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = name;
    if (!RegisterClassA(&wc)) return false;
    owner_ = CreateWindowExA(0, name, "", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    return owner_ != nullptr;
}

void StartupPlatformWin32::runMainWindow(uint32_t osVersionCode) {
    if (run_) run_(owner_, osVersionCode);
}

void StartupPlatformWin32::destroyOwnerWindow() {
    if (owner_) DestroyWindow(owner_);
    owner_ = nullptr;
}
