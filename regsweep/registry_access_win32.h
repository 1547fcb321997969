#pragma once
// Regsweep's registry and key security on the Win32 registry functions.
#include "regsweep/registry_access.h"

namespace regsweep {

class RegistryWin32 : public RegistryAccess {
public:
    bool open(KeyHandle parent, const std::string& path, unsigned long access, KeyHandle* key) override;
    void close(KeyHandle key) override;
    ReadStatus readString(KeyHandle key, const std::string& valueName, std::size_t bufferSize,
                          std::string* value) override;
    bool subkeyCount(KeyHandle key, unsigned long* count) override;
    bool subkeyName(KeyHandle key, unsigned long index, std::string* name) override;
    bool deleteTree(KeyHandle parent, const std::string& path) override;
    bool deleteValue(KeyHandle parent, const std::string& keyPath, const std::string& valueName) override;
    GrantResult grantFullAccess(KeyHandle key, const std::string& userName) override;
};

}  // namespace regsweep
