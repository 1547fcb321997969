#pragma once
// The hand-off with the system's wireless configuration service: we stop it while we
// run, and on Exit give the adapter's interface back to it and start it again.

#include <cstdint>
#include <string>

#include "app/service_control.h"

class ZeroConfig {
public:
    explicit ZeroConfig(ServiceControl& scm) : scm_(scm) {}

    // Stops the service unless it is stopped already; does not wait for it. True when
    // the stop was asked for and accepted.
    bool StopZeroConfigService();

    // Marks the interface named by the end of `deviceName` (its braced GUID) as managed
    // by the service again, then starts the service if it is not running. A service it
    // had to stop for that is waited for (at most kStopWaitMs), so the start finds it
    // stopped rather than still stopping.
    void HandBackToZeroConfig(const std::string& deviceName);

    static constexpr uint32_t kStopWaitMs = 5000;
    static constexpr uint32_t kStopPollMs = 100;

    // The registry path of the interface key for an adapter device name.
    static std::string InterfaceKeyPath(const std::string& deviceName);

private:
    void markInterfaceManaged(const std::string& deviceName, ServiceControl::Handle service,
                              uint32_t serviceState);
    void waitUntilStopped(ServiceControl::Handle service);

    ServiceControl& scm_;
};
