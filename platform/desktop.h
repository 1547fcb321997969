#pragma once
// The few desktop services that program logic needs beyond its own windows: message
// boxes, the beep, the clock, sleeping, the OS version. One Win32 binding, and test
// doubles that record what was asked.

#include <cstdint>
#include <string>

struct OsVersionInfo {
    // What GetVersionExA reports. szCSDVersion is the service-pack text.
    uint32_t majorVersion = 0;
    uint32_t minorVersion = 0;
    uint32_t buildNumber = 0;
    uint32_t platformId = 0;   // 1 = 9x family, 2 = NT
    std::string csdVersion;
};

class Desktop;

// The hourglass for as long as this object lives: for work that keeps the window from
// answering (a blocking wait, a run of adapter requests).
class BusyCursor {
public:
    explicit BusyCursor(Desktop& desktop);
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Desktop& desktop_;
};

enum class MessageIcon { Information, Stop, Warning, Question, None };

class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal message box with an OK button; owner 0 means the active window or none.
    virtual void messageBox(const std::string& text, const std::string& title, MessageIcon icon) = 0;
    // MessageBeep(0xFFFFFFFF): the simple beep.
    virtual void beep() = 0;
    // GetTickCount(): milliseconds since system start, wrapping at 2^32.
    virtual uint32_t tickCount() = 0;
    virtual void sleep(uint32_t milliseconds) = 0;
    // The hourglass while the user-interface thread is busy (true), and back to the
    // cursor it replaced (false).
    virtual void setBusyCursor(bool busy) = 0;
    // GetVersionExA with the 156-byte extended record (extended = true) or the
    // 148-byte one; false when the call fails.
    virtual bool osVersion(bool extended, OsVersionInfo& out) = 0;
    // Puts `text` on the clipboard as plain text; false when the clipboard refused.
    virtual bool copyToClipboard(const std::string& /*text*/) { return false; }
};

inline BusyCursor::BusyCursor(Desktop& desktop) : desktop_(desktop) { desktop_.setBusyCursor(true); }
inline BusyCursor::~BusyCursor() { desktop_.setBusyCursor(false); }
