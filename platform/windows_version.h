#pragma once
// Which Windows we run on, as one small code. Codes 8 (XP) and 9 (Server 2003) carry
// the wireless configuration service we hand the adapter to and take it back from; the
// 9x family enumerates adapters its own way.

#include <cstdint>

class Desktop;
struct OsVersionInfo;

enum WindowsVersionCode : uint32_t {
    kWindowsUnknown = 0,
    kWindows95 = 2,
    kWindows98 = 3,
    kWindows98SE = 4,
    kWindowsMe = 5,
    kWindowsNT4 = 6,
    kWindows2000 = 7,
    kWindowsXP = 8,
    kWindowsServer2003 = 9,
    kWindowsLater = 10,
};

// The code of a version record the system gave.
uint32_t ClassifyWindowsVersion(const OsVersionInfo& version);

// Asks the system with the extended version record first and the plain one if that
// fails. Returns 0 when both fail or the system is one we do not know.
uint32_t DetectWindowsVersion(Desktop& desktop);

// True for the systems whose wireless configuration service must let go of the adapter.
bool HasZeroConfigService(uint32_t versionCode);

// True on 95, 98 and 98 SE, and on any system that is neither NT nor Me (Win32s, a 9x
// release we do not know): those keep to the old enumeration.
bool IsWin9xFamily(uint32_t versionCode);
