#pragma once
// The service control manager and the machine-wide registry, as narrowly as the wireless
// configuration hand-off needs them. Handles are opaque; 0 means "not opened".

#include <cstdint>
#include <string>
#include <vector>

class ServiceControl {
public:
    using Handle = uintptr_t;

    enum ServiceState : uint32_t { kStopped = 1, kStartPending = 2, kStopPending = 3, kRunning = 4 };

    virtual ~ServiceControl() = default;

    // OpenSCManagerA on the local machine with all access.
    virtual Handle openManager() = 0;
    // OpenServiceA with all access.
    virtual Handle openService(Handle manager, const std::string& name) = 0;
    virtual bool queryState(Handle service, uint32_t& state) = 0;
    // ControlService with the stop control; does not wait.
    virtual bool stopService(Handle service) = 0;
    // StartServiceA with no arguments; does not wait.
    virtual bool startService(Handle service) = 0;
    virtual void closeServiceHandle(Handle handle) = 0;
    // Sleep: the pause between two looks at a service that is still stopping.
    virtual void pause(uint32_t milliseconds) = 0;

    // RegOpenKeyExA below HKEY_LOCAL_MACHINE with all access.
    virtual Handle openMachineKey(const std::string& path) = 0;
    // RegQueryValueExA into a buffer of `capacity` bytes. On success `data` holds the
    // bytes the system returned (never more than `capacity`) and `type` their type.
    virtual bool queryValue(Handle key, const std::string& name, uint32_t capacity, uint32_t& type,
                            std::vector<uint8_t>& data) = 0;
    virtual bool setValue(Handle key, const std::string& name, uint32_t type,
                          const std::vector<uint8_t>& data) = 0;
    virtual void closeKey(Handle key) = 0;
};
