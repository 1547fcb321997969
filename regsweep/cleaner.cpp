#include "regsweep/cleaner.h"

#include <vector>

#include "regsweep/registry_paths.h"
#include "regsweep/system_access.h"

namespace regsweep {

Cleaner::Cleaner(RegistryAccess& registry, SystemAccess& system, SweepReporter& reporter, bool nt)
    : registry_(registry), system_(system), reporter_(reporter), nt_(nt) {}

void Cleaner::cleanHardware(KeyHandle uninstallEntry) {
    for (int index = 0; index < kHardwareValueCount; ++index) {
        const std::string valueName = HardwareValueName(index);
        std::string value;
        const ReadStatus status = registry_.readString(uninstallEntry, valueName, kValueBufferSize, &value);
        if (status == ReadStatus::Missing) break;  // the list ends at its first gap
        if (status == ReadStatus::TooLong) {
            reporter_.log("Skip " + valueName + ": path too long");
            continue;
        }
        // An empty value would make the path the CurrentControlSet (or, on 9x, the
        // machine root) itself; anything but a device's enumeration key a whole branch
        // of it (registry_paths.h lists the shapes).
        if (!NamesSubkey(value)) {
            reporter_.log("Skip " + valueName + ": no key named");
            continue;
        }
        if (!IsHardwareKeyValue(value)) {
            reporter_.log("Skip " + valueName + ": " + value + " is no hardware key");
            continue;
        }
        const std::string path = nt_ ? kNtHardwarePrefix + value : value;
        // Cut to fit, the path would name some other key; we would delete that one.
        if (!FitsBuffer(path, kValueBufferSize)) {
            reporter_.log("Skip " + valueName + ": path too long");
            continue;
        }
        cleanHardwarePath(path);
    }
}

void Cleaner::cleanHardwarePath(const std::string& path) {
    reporter_.log("Open Hardware Key " + path);
    KeyHandle hardwareKey = kNoKey;
    if (!openForGrant(path, &hardwareKey)) return;
    if (nt_) grantCurrentUser(hardwareKey, "Change permission1");
    cleanInstances(hardwareKey);
    registry_.close(hardwareKey);
    reporter_.log("Del Hardware Key " + path);
    registry_.deleteTree(kLocalMachine, path);
}

void Cleaner::cleanInstances(KeyHandle hardwareKey) {
    unsigned long count = 0;
    if (!registry_.subkeyCount(hardwareKey, &count)) return;
    // Take the names first: deleting while enumerating by index would shift the
    // remaining subkeys down and skip every other one.
    std::vector<std::string> names;
    for (unsigned long index = 0; index < count; ++index) {
        std::string name;
        if (registry_.subkeyName(hardwareKey, index, &name) && NamesSubkey(name)) names.push_back(name);
    }
    for (const std::string& name : names) {
        reporter_.log("Open Hardware instance " + name);
        KeyHandle instanceKey = kNoKey;
        if (!registry_.open(hardwareKey, name, kKeyAllAccess, &instanceKey)) continue;
        cleanSoftware(instanceKey);
        registry_.close(instanceKey);
        reporter_.log("Del Hardware instance " + name);
        registry_.deleteTree(hardwareKey, name);
    }
}

bool Cleaner::cleanSoftware(KeyHandle instanceKey) {
    std::string driver;
    if (registry_.readString(instanceKey, "Driver", kValueBufferSize, &driver) != ReadStatus::Ok) return false;
    // An empty "Driver" would name the whole device class root, and a class key with no
    // instance the driver keys of every device of the class (registry_paths.h).
    if (!IsDriverKeyValue(driver)) {
        reporter_.log("Skip Driver " + driver + ": no class key and instance");
        return false;
    }
    const std::string path = (nt_ ? kNtClassRoot : k9xClassRoot) + driver;

    reporter_.log("Open Software Key " + path);
    KeyHandle softwareKey = kNoKey;
    if (!openForGrant(path, &softwareKey)) return false;
    if (nt_) {
        grantCurrentUser(softwareKey, "Change permission2");
        removeNetworkConnection(softwareKey);
    }
    registry_.close(softwareKey);
    reporter_.log("Del Software key " + path);
    return registry_.deleteTree(kLocalMachine, path);
}

void Cleaner::removeNetworkConnection(KeyHandle softwareKey) {
    std::string instanceId;
    if (registry_.readString(softwareKey, "NetCfgInstanceId", kValueBufferSize, &instanceId) != ReadStatus::Ok)
        return;
    // Without an identifier the connection key would be the network class key itself,
    // which holds every connection of the machine; an identifier of another shape
    // ("Descriptions", "{x}\\..") some other key there.
    if (!IsNetCfgInstanceIdValue(instanceId)) {
        reporter_.log("Skip NetCfgInstanceId " + instanceId + ": no connection identifier");
        return;
    }
    std::string description;
    // Only a description actually read names a value to delete; without one the
    // Descriptions key's default value would go.
    if (registry_.readString(softwareKey, "DriverDesc", kValueBufferSize, &description) == ReadStatus::Ok &&
        !description.empty()) {
        registry_.deleteValue(kLocalMachine, kNetworkDescriptions, description);
    }
    registry_.deleteTree(kLocalMachine, kNetworkRoot + instanceId);
}

void Cleaner::deleteKey(KeyHandle* heldKey, const std::string& path) {
    if (nt_) grantCurrentUser(*heldKey, "Change permission3");
    registry_.close(*heldKey);
    *heldKey = kNoKey;
    reporter_.log("Del " + path);
    registry_.deleteTree(kLocalMachine, path);
}

long Cleaner::grant(KeyHandle key, const std::string& userName) {
    const GrantResult result = registry_.grantFullAccess(key, userName);
    if (!result.securityRead) reporter_.alert("GetSecurityInfo Error ", "Regsweep");
    return result.status;
}

bool Cleaner::openForGrant(const std::string& path, KeyHandle* key) {
    if (nt_ && registry_.open(kLocalMachine, path, kKeyRead | kWriteDac, key)) return true;
    return registry_.open(kLocalMachine, path, kKeyRead, key);
}

void Cleaner::grantCurrentUser(KeyHandle key, const char* heading) {
    reporter_.log(heading);
    const std::string user = system_.userName();
    reporter_.log(user);
    grant(key, user);
}

}  // namespace regsweep
