#pragma once
// Which Windows we run on, as one small code. Only codes 8 (XP) and 9 (Server 2003)
// change behaviour: they carry the wireless configuration service we hand the adapter
// to and take it back from.

#include <cstdint>

class Desktop;

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

// Asks the system with the extended version record first and the plain one if that
// fails. Returns 0 when both fail or the system is one we do not know.
uint32_t DetectWindowsVersion(Desktop& desktop);

// True for the systems whose wireless configuration service must let go of the adapter.
bool HasZeroConfigService(uint32_t versionCode);
