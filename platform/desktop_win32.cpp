#include "platform/desktop_win32.h"

#include <windows.h>

#include <cstring>

namespace {
UINT IconStyle(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information: return MB_ICONINFORMATION;
    case MessageIcon::Stop: return MB_ICONSTOP;
    case MessageIcon::Warning: return MB_ICONWARNING;
    case MessageIcon::Question: return MB_ICONQUESTION;
    case MessageIcon::None: return 0;
    }
    return 0;
}
}  // namespace

void DesktopWin32::messageBox(const std::string& text, const std::string& title, MessageIcon icon) {
    // Owned by the active window, so the box stays in front of the dialog that asked.
    MessageBoxA(GetActiveWindow(), text.c_str(), title.c_str(), MB_OK | IconStyle(icon));
}

void DesktopWin32::beep() { MessageBeep(0xFFFFFFFF); }

uint32_t DesktopWin32::tickCount() { return GetTickCount(); }

void DesktopWin32::sleep(uint32_t milliseconds) { Sleep(milliseconds); }

void DesktopWin32::setBusyCursor(bool busy) {
    // The thread answers no WM_SETCURSOR while it is busy, so the hourglass stays put
    // until it is taken back here.
    if (busy) {
        HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        if (busyDepth_++ == 0) previous_ = reinterpret_cast<uintptr_t>(previous);
    } else if (busyDepth_ > 0 && --busyDepth_ == 0) {
        SetCursor(reinterpret_cast<HCURSOR>(previous_));
    }
}

bool DesktopWin32::osVersion(bool extended, OsVersionInfo& out) {
    OSVERSIONINFOEXA info{};
    static_assert(sizeof(OSVERSIONINFOEXA) == 156 && sizeof(OSVERSIONINFOA) == 148, "version record sizes");
    // The size field tells the system which of the two records it is given.
    info.dwOSVersionInfoSize = extended ? sizeof(OSVERSIONINFOEXA) : sizeof(OSVERSIONINFOA);
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) return false;
    out.majorVersion = info.dwMajorVersion;
    out.minorVersion = info.dwMinorVersion;
    out.buildNumber = info.dwBuildNumber;
    out.platformId = info.dwPlatformId;
    out.csdVersion.assign(info.szCSDVersion, strnlen(info.szCSDVersion, sizeof info.szCSDVersion));
    return true;
}

bool DesktopWin32::copyToClipboard(const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!memory) return false;
    char* bytes = static_cast<char*>(GlobalLock(memory));
    if (!bytes) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    // Emptied without an owner, the clipboard refuses new data: a window of our own, one
    // that is never shown, owns it for the moment. The text stays when that window goes.
    HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr),
                                 nullptr);
    if (!owner || !OpenClipboard(owner)) {
        if (owner) DestroyWindow(owner);
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    DestroyWindow(owner);
    // Once placed, the memory is the clipboard's; otherwise it is still ours to free.
    if (!placed) GlobalFree(memory);
    return placed;
}
