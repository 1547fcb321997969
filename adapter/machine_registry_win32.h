#pragma once
// MachineRegistry over the real HKEY_LOCAL_MACHINE (advapi32).

#include "adapter/machine_registry.h"

class MachineRegistryWin32 : public MachineRegistry {
public:
    long openKey(Key parent, const std::string& path, Key& key) override;
    long subkeyCount(Key key, uint32_t& count) override;
    long enumKey(Key key, uint32_t index, char* buffer, uint32_t size) override;
    long queryValue(Key key, const std::string& name, uint32_t& type, uint8_t* buffer, uint32_t& size) override;
    void closeKey(Key key) override;
};
