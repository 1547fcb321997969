#include "regsweep/registry_paths.h"

#include <cctype>
#include <cstdio>
#include <vector>

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

// The components between backslashes, empty ones included ("a\\b" has three).
std::vector<std::string> Components(const std::string& path) {
    std::vector<std::string> parts(1);
    for (char c : path) {
        if (c == '\\')
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

bool NoneEmpty(const std::vector<std::string>& parts) {
    for (const std::string& part : parts)
        if (part.empty()) return false;
    return true;
}

bool EqualsIgnoringCase(const std::string& text, const char* word) {
    std::size_t i = 0;
    for (; word[i] != '\0'; ++i)
        if (i >= text.size() || std::tolower(static_cast<unsigned char>(text[i])) !=
                                    std::tolower(static_cast<unsigned char>(word[i])))
            return false;
    return i == text.size();
}

bool AllOf(const std::string& text, int (*accepts)(int)) {
    for (char c : text)
        if (!accepts(static_cast<unsigned char>(c))) return false;
    return true;
}

constexpr char kEnumKey[] = "enum";
constexpr int kHardwareComponents = 3;      // Enum, enumerator, device
constexpr std::size_t kInstanceDigits = 4;  // "0003"
// "{8-4-4-4-12}": the hexadecimal digit groups of a GUID between braces.
constexpr std::size_t kGuidGroups[] = {8, 4, 4, 4, 12};

}  // namespace

bool NamesSubkey(const std::string& text) { return CountComponents(text) >= 1; }

bool IsBelowTopLevel(const std::string& path) { return CountComponents(path) >= 2; }

bool IsHardwareKeyValue(const std::string& value) {
    const std::vector<std::string> parts = Components(value);
    return parts.size() >= kHardwareComponents && NoneEmpty(parts) && EqualsIgnoringCase(parts[0], kEnumKey);
}

bool IsDriverKeyValue(const std::string& value) {
    const std::vector<std::string> parts = Components(value);
    return parts.size() == 2 && NoneEmpty(parts) && parts[1].size() == kInstanceDigits &&
           AllOf(parts[1], std::isdigit);
}

bool IsNetCfgInstanceIdValue(const std::string& value) {
    if (value.size() < 2 || value.front() != '{' || value.back() != '}') return false;
    std::size_t at = 1;
    for (std::size_t g = 0; g < sizeof kGuidGroups / sizeof kGuidGroups[0]; ++g) {
        if (g > 0 && (at >= value.size() || value[at++] != '-')) return false;
        if (at + kGuidGroups[g] > value.size() - 1) return false;
        if (!AllOf(value.substr(at, kGuidGroups[g]), std::isxdigit)) return false;
        at += kGuidGroups[g];
    }
    return at == value.size() - 1;
}

}  // namespace regsweep
