#include "app/zero_config.h"

#include <cstring>

namespace {

const char kServiceName[] = "WZCSVC";
const char kInterfacesKey[] = "SOFTWARE\\Microsoft\\WZCSVC\\Parameters\\Interfaces\\";
const char kControlFlags[] = "ControlFlags";
constexpr uint32_t kServiceManagesInterface = 0x8000;
constexpr size_t kBracedGuidLength = 38;
constexpr uint32_t kFlagsSize = 4;

bool isActive(uint32_t state) {
    return state == ServiceControl::kRunning || state == ServiceControl::kStartPending;
}

}  // namespace

std::string ZeroConfig::InterfaceKeyPath(const std::string& deviceName) {
    // A device name shorter than a GUID gives what it has; the key will then simply not
    // be found, which the hand-back tolerates.
    size_t from = deviceName.size() > kBracedGuidLength ? deviceName.size() - kBracedGuidLength : 0;
    return kInterfacesKey + deviceName.substr(from);
}

bool ZeroConfig::StopZeroConfigService() {
    ServiceControl::Handle manager = scm_.openManager();
    if (!manager) return false;
    bool stopping = false;
    ServiceControl::Handle service = scm_.openService(manager, kServiceName);
    if (service) {
        uint32_t state = 0;
        if (scm_.queryState(service, state) && state != ServiceControl::kStopped)
            stopping = scm_.stopService(service);
        scm_.closeServiceHandle(service);
    }
    scm_.closeServiceHandle(manager);
    return stopping;
}

void ZeroConfig::waitUntilStopped(ServiceControl::Handle service) {
    // The stop is asynchronous: a start sent while the service is still stopping fails,
    // and the service would stay stopped after we end.
    for (uint32_t waited = 0;; waited += kStopPollMs) {
        uint32_t state = 0;
        if (!scm_.queryState(service, state) || state == ServiceControl::kStopped) return;
        if (waited >= kStopWaitMs) return;
        scm_.pause(kStopPollMs);
    }
}

void ZeroConfig::HandBackToZeroConfig(const std::string& deviceName) {
    ServiceControl::Handle manager = scm_.openManager();
    if (!manager) return;
    ServiceControl::Handle service = scm_.openService(manager, kServiceName);
    uint32_t state = 0;
    if (!service || !scm_.queryState(service, state)) {
        if (service) scm_.closeServiceHandle(service);
        scm_.closeServiceHandle(manager);
        return;
    }

    markInterfaceManaged(deviceName, service, state);

    // Whatever happened to the interface key, the service is started again.
    if (scm_.queryState(service, state) && !isActive(state)) scm_.startService(service);
    scm_.closeServiceHandle(service);
    scm_.closeServiceHandle(manager);
}

void ZeroConfig::markInterfaceManaged(const std::string& deviceName, ServiceControl::Handle service,
                                      uint32_t serviceState) {
    ServiceControl::Handle key = scm_.openMachineKey(InterfaceKeyPath(deviceName));
    if (!key) return;

    uint32_t type = 0;
    std::vector<uint8_t> data;
    if (scm_.queryValue(key, kControlFlags, kFlagsSize, type, data) && data.size() <= kFlagsSize) {
        uint8_t raw[kFlagsSize] = {0, 0, 0, 0};
        std::memcpy(raw, data.data(), data.size());
        uint32_t flags = uint32_t(raw[0]) | uint32_t(raw[1]) << 8 | uint32_t(raw[2]) << 16 |
                         uint32_t(raw[3]) << 24;
        if (!(flags & kServiceManagesInterface)) {
            if (isActive(serviceState) && StopZeroConfigService()) waitUntilStopped(service);
            // Keep the interface's other flags: they are the service's, not ours.
            flags |= kServiceManagesInterface;
            // A value shorter than 2 bytes cannot hold bit 15; it is written back as a
            // full 32-bit value so that the flag really lands.
            uint32_t length = data.size() < 2 ? kFlagsSize : uint32_t(data.size());
            std::vector<uint8_t> out(length);
            for (uint32_t i = 0; i < length; ++i) out[i] = uint8_t(flags >> (8 * i));
            scm_.setValue(key, kControlFlags, type, out);
        }
    }
    scm_.closeKey(key);
}
