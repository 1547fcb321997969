#pragma once
// ServiceControlWin32: the service control manager and HKEY_LOCAL_MACHINE, for the
// wireless configuration hand-off.
#include "app/service_control.h"

class ServiceControlWin32 : public ServiceControl {
public:
    Handle openManager() override;
    Handle openService(Handle manager, const std::string& name) override;
    bool queryState(Handle service, uint32_t& state) override;
    bool stopService(Handle service) override;
    bool startService(Handle service) override;
    void closeServiceHandle(Handle handle) override;
    void pause(uint32_t milliseconds) override;
    Handle openMachineKey(const std::string& path) override;
    bool queryValue(Handle key, const std::string& name, uint32_t capacity, uint32_t& type,
                    std::vector<uint8_t>& data) override;
    bool setValue(Handle key, const std::string& name, uint32_t type,
                  const std::vector<uint8_t>& data) override;
    void closeKey(Handle key) override;
};
