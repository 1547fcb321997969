#pragma once
// Read-only access to the local machine's registry (HKEY_LOCAL_MACHINE), as the device
// information reads the adapter's driver key. Each operation is one registry call with
// the buffers and results the system gives; what they mean is decided by the caller
// (device_information.h). Win32 binding: MachineRegistryWin32 (machine_registry_win32.h);
// host tests use a double.

#include <cstdint>
#include <string>

class MachineRegistry {
public:
    // An open key; 0 stands for HKEY_LOCAL_MACHINE itself when given as a parent.
    using Key = uintptr_t;
    static constexpr Key kLocalMachine = 0;

    virtual ~MachineRegistry() = default;

    // RegOpenKeyExA(parent, path, 0, KEY_READ): the system's result, the key on success.
    virtual long openKey(Key parent, const std::string& path, Key& key) = 0;
    // RegQueryInfoKeyA: the number of subkeys.
    virtual long subkeyCount(Key key, uint32_t& count) = 0;
    // RegEnumKeyA(key, index, buffer, size): the subkey's name into a buffer of `size`
    // bytes. ERROR_NO_MORE_ITEMS past the last one; ERROR_MORE_DATA when the name and
    // its terminator do not fit.
    virtual long enumKey(Key key, uint32_t index, char* buffer, uint32_t size) = 0;
    // RegQueryValueExA(key, name, 0, &type, buffer, &size): `size` holds the buffer's
    // size on entry and the value's size on return, as the system reports them.
    virtual long queryValue(Key key, const std::string& name, uint32_t& type, uint8_t* buffer, uint32_t& size) = 0;
    // RegCloseKey.
    virtual void closeKey(Key key) = 0;
};
