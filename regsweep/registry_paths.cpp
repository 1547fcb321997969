#include "regsweep/registry_paths.h"

#include <cstdio>

namespace regsweep {

const char kUninstallRoot[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const char kNtHardwarePrefix[] = "SYSTEM\\CurrentControlSet\\";
const char kNtClassRoot[] = "System\\CurrentControlSet\\Control\\Class\\";
const char k9xClassRoot[] = "System\\CurrentControlSet\\Services\\Class\\";
const char kNetworkRoot[] =
    "System\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\";
const char kNetworkDescriptions[] =
    "System\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\Descriptions\\";

std::string HardwareValueName(int index) {
    char name[16] = {};
    std::snprintf(name, sizeof name, "DEL_HKR_%04d", index);
    return name;
}

bool FitsBuffer(const std::string& path, std::size_t bufferSize) {
    return path.size() < bufferSize;
}

namespace {

int CountComponents(const std::string& path) {
    int components = 0;
    bool inName = false;
    for (char c : path) {
        if (c == '\\') {
            inName = false;
        } else if (!inName) {
            inName = true;
            ++components;
        }
    }
    return components;
}

}  // namespace

bool NamesSubkey(const std::string& text) { return CountComponents(text) >= 1; }

bool IsBelowTopLevel(const std::string& path) { return CountComponents(path) >= 2; }

bool IsHardwareKeyValue(const std::string& value) { return CountComponents(value) >= 2; }

bool IsDriverKeyValue(const std::string& value) { return CountComponents(value) >= 2; }

}  // namespace regsweep
