#pragma once
// The cleanup itself: hardware keys listed by an uninstall entry, their device
// instances, each instance's driver software key and, on NT, its network connection;
// or one named key.
#include <string>

#include "regsweep/registry_access.h"

namespace regsweep {

class SystemAccess;

// Where the cleaner's steps and its one error message go (the log window).
class SweepReporter {
public:
    virtual ~SweepReporter() = default;
    virtual void log(const std::string& line) = 0;
    virtual void alert(const std::string& text, const std::string& caption) = 0;
};

class Cleaner {
public:
    Cleaner(RegistryAccess& registry, SystemAccess& system, SweepReporter& reporter, bool nt);

    // Mode 1: every hardware key the entry's DEL_HKR_nnnn values name, up to the first gap.
    void cleanHardware(KeyHandle uninstallEntry);
    // Mode 2: the key at path (below the local machine), which heldKey holds open.
    // heldKey is closed and set to kNoKey before the deletion.
    void deleteKey(KeyHandle* heldKey, const std::string& path);

    // Each subkey present now is visited once, however the deletions renumber the rest.
    void cleanInstances(KeyHandle hardwareKey);
    bool cleanSoftware(KeyHandle instanceKey);
    long grant(KeyHandle key, const std::string& userName);

private:
    void cleanHardwarePath(const std::string& path);
    // On NT the key is opened so that its access list can change; a key we may read
    // but not re-secure is still opened for reading, so the cleanup goes on.
    bool openForGrant(const std::string& path, KeyHandle* key);
    void grantCurrentUser(KeyHandle key, const char* heading);
    void removeNetworkConnection(KeyHandle softwareKey);

    RegistryAccess& registry_;
    SystemAccess& system_;
    SweepReporter& reporter_;
    bool nt_;
};

}  // namespace regsweep
