#include "app/service_control_win32.h"

#include <windows.h>

namespace {

constexpr DWORD kManagerAllAccess = 0xF003F;   // SC_MANAGER_ALL_ACCESS
constexpr DWORD kServiceAllAccess = 0xF01FF;   // SERVICE_ALL_ACCESS
constexpr REGSAM kKeyAllAccess = 0xF003F;      // KEY_ALL_ACCESS

SC_HANDLE sc(ServiceControl::Handle h) { return reinterpret_cast<SC_HANDLE>(h); }
HKEY key(ServiceControl::Handle h) { return reinterpret_cast<HKEY>(h); }

}  // namespace

ServiceControl::Handle ServiceControlWin32::openManager() {
    return reinterpret_cast<Handle>(OpenSCManagerA(nullptr, nullptr, kManagerAllAccess));
}

ServiceControl::Handle ServiceControlWin32::openService(Handle manager, const std::string& name) {
    return reinterpret_cast<Handle>(OpenServiceA(sc(manager), name.c_str(), kServiceAllAccess));
}

bool ServiceControlWin32::queryState(Handle service, uint32_t& state) {
    SERVICE_STATUS status{};
    if (!QueryServiceStatus(sc(service), &status)) return false;
    state = status.dwCurrentState;
    return true;
}

bool ServiceControlWin32::stopService(Handle service) {
    SERVICE_STATUS status{};
    return ControlService(sc(service), SERVICE_CONTROL_STOP, &status) != FALSE;
}

bool ServiceControlWin32::startService(Handle service) {
    return StartServiceA(sc(service), 0, nullptr) != FALSE;
}

void ServiceControlWin32::closeServiceHandle(Handle handle) {
    if (handle) CloseServiceHandle(sc(handle));
}

void ServiceControlWin32::pause(uint32_t milliseconds) { Sleep(milliseconds); }

ServiceControl::Handle ServiceControlWin32::openMachineKey(const std::string& path) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, kKeyAllAccess, &opened) != ERROR_SUCCESS)
        return 0;
    return reinterpret_cast<Handle>(opened);
}

bool ServiceControlWin32::queryValue(Handle k, const std::string& name, uint32_t capacity,
                                     uint32_t& type, std::vector<uint8_t>& data) {
    std::vector<uint8_t> buffer(capacity ? capacity : 1, 0);
    DWORD length = capacity;
    DWORD valueType = 0;
    if (RegQueryValueExA(key(k), name.c_str(), nullptr, &valueType, buffer.data(), &length) != ERROR_SUCCESS)
        return false;
    if (length > capacity) return false;   // never trust a length beyond our buffer
    buffer.resize(length);
    data = buffer;
    type = valueType;
    return true;
}

bool ServiceControlWin32::setValue(Handle k, const std::string& name, uint32_t type,
                                   const std::vector<uint8_t>& data) {
    return RegSetValueExA(key(k), name.c_str(), 0, type, data.data(), DWORD(data.size())) == ERROR_SUCCESS;
}

void ServiceControlWin32::closeKey(Handle k) {
    if (k) RegCloseKey(key(k));
}
