#include "regsweep/system_access_win32.h"

#include "regsweep/registry_paths.h"
#include "regsweep/regsweep_dialog_win32.h"

namespace regsweep {

unsigned long SystemWin32::platformId() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version)) return 0;
    return version.dwPlatformId;
}

std::string SystemWin32::userName() {
    char name[kUserNameBufferSize] = {};
    DWORD length = sizeof name;
    if (!GetUserNameA(name, &length)) return std::string();
    name[sizeof name - 1] = '\0';
    return name;
}

void SystemWin32::showMessage(const std::string& text, const std::string& caption) {
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
}

int SystemWin32::runDialog(RegsweepDialog& dialog) {
    DialogHostWin32 host(instance_);
    return host.run(dialog);
}

}  // namespace regsweep
