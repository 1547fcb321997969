#pragma once
// The hand-off with the system's wireless configuration service: we stop it while we
// run, and on Exit give the adapter's interface back to it and start it again.

#include <cstdint>
#include <string>

class ServiceControl;

class ZeroConfig {
public:
    explicit ZeroConfig(ServiceControl& scm) : scm_(scm) {}

    // Stops the service unless it is stopped already; does not wait for it.
    void StopZeroConfigService();

    // Marks the interface named by the end of `deviceName` (its braced GUID) as managed
    // by the service again, then starts the service if it is not running.
    void HandBackToZeroConfig(const std::string& deviceName);

    // The registry path of the interface key for an adapter device name.
    static std::string InterfaceKeyPath(const std::string& deviceName);

private:
    void markInterfaceManaged(const std::string& deviceName, uint32_t serviceState);

    ServiceControl& scm_;
};
