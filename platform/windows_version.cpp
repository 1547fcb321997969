#include "platform/windows_version.h"

#include "platform/desktop.h"
#include "platform/win32_numbers.h"

namespace {

uint32_t codeFor9x(const OsVersionInfo& v) {
    if (v.majorVersion != 4) return kWindowsUnknown;
    switch (v.minorVersion) {
    case 0:
        return kWindows95;
    case 10:
        // Second Edition marks itself with an "A" as the second character of the
        // service-pack text (" A "). A shorter text simply is not Second Edition.
        return (v.csdVersion.size() >= 2 && v.csdVersion[1] == 'A') ? kWindows98SE : kWindows98;
    case 90:
        return kWindowsMe;
    default:
        return kWindowsUnknown;
    }
}

uint32_t codeForNT(const OsVersionInfo& v) {
    if (v.majorVersion <= 4) return kWindowsNT4;
    if (v.majorVersion == 5) {
        switch (v.minorVersion) {
        case 0:
            return kWindows2000;
        case 1:
            return kWindowsXP;
        case 2:
            return kWindowsServer2003;
        default:
            return kWindowsLater;
        }
    }
    return kWindowsLater;
}

}  // namespace

uint32_t ClassifyWindowsVersion(const OsVersionInfo& v) {
    if (v.platformId == kVerPlatformWin32Windows) return codeFor9x(v);
    if (v.platformId == kVerPlatformWin32Nt) return codeForNT(v);
    return kWindowsUnknown;
}

uint32_t DetectWindowsVersion(Desktop& desktop) {
    OsVersionInfo v;
    if (!desktop.osVersion(true, v) && !desktop.osVersion(false, v)) return kWindowsUnknown;
    return ClassifyWindowsVersion(v);
}

bool HasZeroConfigService(uint32_t versionCode) {
    return versionCode == kWindowsXP || versionCode == kWindowsServer2003;
}

bool IsWin9xFamily(uint32_t versionCode) {
    // Every NT system has a code of its own, so an unknown code is never NT.
    return versionCode == kWindows95 || versionCode == kWindows98 || versionCode == kWindows98SE ||
           versionCode == kWindowsUnknown;
}
