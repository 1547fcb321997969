#include "adapter/adapter_context.h"

#include "platform/win32_numbers.h"

bool IsWin9xVersion(const OsVersionInfo& v) {
    // Every NT system is NT, whatever its version: Vista and later (and Wine, which reports
    // a recent Windows) must not take the 9x enumeration and its start-up delay.
    if (v.platformId == kVerPlatformWin32Nt) return false;
    if (v.platformId == kVerPlatformWin32Windows && v.majorVersion == 4) {
        if (v.minorVersion == 0 || v.minorVersion == 10) return true;   // 95, 98
        if (v.minorVersion == 90) return false;                         // Me
    }
    // Anything else (Win32s, unknown 9x releases) keeps to the old enumeration.
    return true;
}

bool AdapterContext::IsWin9xFamily() {
    if (win9xFamily_ < 0) {
        OsVersionInfo version;
        // The plain 148-byte record: the extended one is refused by 95 and NT 4 before SP6.
        // A system that cannot answer at all is a modern one.
        const bool answered = desktop_.osVersion(false, version);
        win9xFamily_ = (answered && IsWin9xVersion(version)) ? 1 : 0;
    }
    return win9xFamily_ == 1;
}
