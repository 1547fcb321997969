#include "adapter/device_information.h"

#include <cstring>

#include "platform/win32_numbers.h"

namespace {

std::string upperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

}  // namespace

std::string ReadDriverValue(MachineRegistry& registry, MachineRegistry::Key key, const std::string& name) {
    uint8_t buffer[kDriverValueBufferSize] = {};
    uint32_t type = 0;
    uint32_t size = sizeof buffer;
    if (registry.queryValue(key, name, type, buffer, size) != kErrorSuccess) return std::string();
    if (type != kRegSz && type != kRegExpandSz) return std::string();
    // A value that fills the whole buffer has left no room for its terminator, and a
    // size the system claims beyond the buffer is not ours to read.
    if (size >= sizeof buffer) return std::string();
    const void* end = std::memchr(buffer, '\0', size);
    if (end == nullptr) return std::string();
    return std::string(reinterpret_cast<const char*>(buffer), static_cast<const uint8_t*>(end) - buffer);
}

DriverKeyInformation ReadDriverKey(MachineRegistry& registry, const std::string& classKeyPath,
                                   const std::string& deviceName) {
    DriverKeyInformation info;
    MachineRegistry::Key classKey = 0;
    if (classKeyPath.empty() ||
        registry.openKey(MachineRegistry::kLocalMachine, classKeyPath, classKey) != kErrorSuccess)
        return info;

    uint32_t count = 0;
    if (registry.subkeyCount(classKey, count) != kErrorSuccess) count = 0;
    const std::string target = upperCase(deviceName);
    for (uint32_t index = 0; index < count; ++index) {
        char name[kSubkeyNameBufferSize] = {};
        const long rc = registry.enumKey(classKey, index, name, sizeof name);
        if (rc == kErrorNoMoreItems) break;
        // A name too long for the buffer (or any other failure) is not the adapter's
        // numbered key: pass over it and look at the next one.
        if (rc != kErrorSuccess) continue;
        name[sizeof name - 1] = '\0';

        MachineRegistry::Key subkey = 0;
        if (registry.openKey(classKey, name, subkey) != kErrorSuccess) continue;
        const std::string id = upperCase(ReadDriverValue(registry, subkey, "NetCfgInstanceId"));
        if ("\\DEVICE\\" + id == target) {
            info.found = true;
            info.driverVersion = ReadDriverValue(registry, subkey, "DriverVersion");
            registry.closeKey(subkey);
            break;
        }
        registry.closeKey(subkey);
    }
    registry.closeKey(classKey);
    return info;
}

std::string MacTextWithColons(const std::string& macText) {
    std::string text = macText;
    for (char& c : text)
        if (c == '.') c = ':';
    return text;
}
