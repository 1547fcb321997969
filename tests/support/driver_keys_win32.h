#pragma once
// The network adapters' class key of a machine on which the product's driver is
// installed, for the Windows-side and end-to-end tests: numbered subkeys below
// HKEY_LOCAL_MACHINE\<class key>, the product's among neighbours that must not match.
//   0090              the wired card's key (its own identifier and version)
//   0091              a key without identifier
//   0091-long-subkey  names the product's identifier, but its name does not fit the
//                     16-byte name buffer: the search must pass over it
//   0092              the product's key: NetCfgInstanceId in lower case, DriverVersion
// scripts/run seeds the same keys with reg.exe.
#include <windows.h>
#include <shlwapi.h>

#include <string>

namespace driver_keys {

constexpr const char* kClassKey = "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}";
constexpr const char* kProductId = "{6b1d2e8a-3c47-4f20-9a51-0e7c5d3b8f14}";
constexpr const char* kWiredId = "{2F0A9C31-7B64-4E18-A0D2-59C3E81B7A46}";
constexpr const char* kProductSubkeys[] = {"0090", "0091", "0091-long-subkey", "0092"};

inline bool setString(const std::string& subkey, const char* name, const std::string& value) {
    const std::string path = std::string(kClassKey) + "\\" + subkey;
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG rc = value.empty() ? ERROR_SUCCESS
                                  : RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

// Seeds the four keys; the product's key gets `driverVersion`.
inline bool Seed(const std::string& driverVersion) {
    return setString("0090", "NetCfgInstanceId", kWiredId) && setString("0090", "DriverVersion", "5.1.2600.0") &&
           setString("0091", "", "") && setString("0091-long-subkey", "NetCfgInstanceId", kProductId) &&
           setString("0091-long-subkey", "DriverVersion", "9.9.9.9") &&
           setString("0092", "NetCfgInstanceId", kProductId) && setString("0092", "DriverVersion", driverVersion);
}

// Replaces the product key's DriverVersion with raw bytes of any type.
inline bool SetRawDriverVersion(DWORD type, const void* bytes, DWORD size) {
    const std::string path = std::string(kClassKey) + "\\0092";
    return SHSetValueA(HKEY_LOCAL_MACHINE, path.c_str(), "DriverVersion", type, bytes, size) == ERROR_SUCCESS;
}

inline void Remove() {
    for (const char* subkey : kProductSubkeys)
        SHDeleteKeyA(HKEY_LOCAL_MACHINE, (std::string(kClassKey) + "\\" + subkey).c_str());
}

}  // namespace driver_keys
