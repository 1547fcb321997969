#pragma once
// A driver installation as the system lays it out, for the cleaner to remove, with
// neighbours that must survive.
#include <cstdio>
#include <string>

#include "fake_registry.h"

namespace regsweep_test {

constexpr char kEntry[] = "NimbeoDriver";
constexpr char kEntryPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\NimbeoDriver";
constexpr char kCcs[] = "SYSTEM\\CurrentControlSet\\";
constexpr char kClassNet[] = "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\";
constexpr char kNetwork[] = "SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\";
constexpr char kDescriptions[] =
    "SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\Descriptions";

// Class subkey, connection and description of driver number n.
inline std::string ClassKeyName(int n) {
    char name[8] = {};
    std::snprintf(name, sizeof name, "%04d", n);
    return name;
}
inline std::string ClassKey(int n) { return kClassNet + ClassKeyName(n); }
// Connections are named by braced GUIDs; the driver number makes the last group.
inline std::string GuidOf(int n) {
    char id[40] = {};
    std::snprintf(id, sizeof id, "{0C0E0000-0000-0000-0000-%012d}", n);
    return id;
}
inline std::string Connection(int n) { return GuidOf(n); }
inline std::string ConnectionKey(int n) { return kNetwork + Connection(n); }
inline std::string Description(int n) { return "Nimbeo USB #" + std::to_string(n); }

// One hardware key below CurrentControlSet with instances "inst<i>", each driven by
// driver number base + i.
inline void AddNtDevice(FakeRegistry& reg, const std::string& hardware, int instances, int base) {
    for (int i = 0; i < instances; ++i) {
        const std::string instance = std::string(kCcs) + hardware + "\\inst" + std::to_string(i);
        const std::string classKey = ClassKeyName(base + i);
        const std::string connection = Connection(base + i);
        const std::string description = Description(base + i);
        reg.setString(instance, "Driver", "{4D36E972-E325-11CE-BFC1-08002BE10318}\\" + classKey);
        reg.setString(instance + "\\Device Parameters", "Flags", "1");
        reg.setString(kClassNet + classKey, "NetCfgInstanceId", connection);
        reg.setString(kClassNet + classKey, "DriverDesc", description);
        reg.setString(kClassNet + classKey + "\\Ndi", "Service", "nimbeo");
        reg.setString(kNetwork + connection + "\\Connection", "Name", "Wireless " + std::to_string(i));
        reg.setString(kDescriptions, description, "1");
    }
}

// Keys of other devices that share the same parents.
inline bool SameKey(const std::string& a, const std::string& b) {
    return !CaseLess()(a, b) && !CaseLess()(b, a);
}

constexpr char kWiredLan[] = "{0C0E0000-0000-0000-0000-00000000FFFF}";

inline void AddNtNeighbours(FakeRegistry& reg) {
    reg.setString(std::string(kCcs) + "Enum\\USB\\VID_0BDA&PID_8150\\5&1", "Driver",
                  "{4D36E972-E325-11CE-BFC1-08002BE10318}\\0001");
    reg.setString(std::string(kClassNet) + "0001", "NetCfgInstanceId", kWiredLan);
    reg.setString(std::string(kClassNet) + "0001", "DriverDesc", "Wired LAN");
    reg.setString(std::string(kNetwork) + kWiredLan + std::string("\\Connection"), "Name", "Local Area Connection");
    reg.setString(kDescriptions, "Wired LAN", "1");
    reg.setString(kDescriptions, "", "default");
}

}  // namespace regsweep_test
