#pragma once
// Regsweep's view of the registry and of key security. The Win32 binding maps it onto
// the Reg*/SH* and security functions; tests use an in-memory tree.
#include <cstddef>
#include <cstdint>
#include <string>

namespace regsweep {

using KeyHandle = std::uintptr_t;
constexpr KeyHandle kNoKey = 0;
constexpr KeyHandle kLocalMachine = 1;  // the root every path of Regsweep starts from

// Access masks as the registry understands them.
constexpr unsigned long kKeyRead = 0x20019;       // KEY_READ
constexpr unsigned long kKeyAllAccess = 0xF003F;  // KEY_ALL_ACCESS
constexpr unsigned long kWriteDac = 0x40000;      // WRITE_DAC: lets the access list change

enum class ReadStatus {
    Ok,
    Missing,   // absent, unreadable or not a string
    TooLong,   // present, but it and its terminator do not fit the buffer
};

struct GrantResult {
    bool securityRead = false;  // false when the key's access list could not be read
    long status = 0;            // last status of the chain; 0 is success
};

class RegistryAccess {
public:
    virtual ~RegistryAccess() = default;

    virtual bool open(KeyHandle parent, const std::string& path, unsigned long access, KeyHandle* key) = 0;
    virtual void close(KeyHandle key) = 0;
    // Reads a string value as it would land in a buffer of bufferSize bytes; the text
    // ends at the first NUL of the data.
    virtual ReadStatus readString(KeyHandle key, const std::string& valueName, std::size_t bufferSize,
                                  std::string* value) = 0;
    virtual bool subkeyCount(KeyHandle key, unsigned long* count) = 0;
    virtual bool subkeyName(KeyHandle key, unsigned long index, std::string* name) = 0;
    // Deletes path below parent with all its subkeys.
    virtual bool deleteTree(KeyHandle parent, const std::string& path) = 0;
    virtual bool deleteValue(KeyHandle parent, const std::string& keyPath, const std::string& valueName) = 0;
    // Merges "every right, inherited by subkeys" for the named user into the key's
    // access list. The key must have been opened with kWriteDac for it to take effect.
    virtual GrantResult grantFullAccess(KeyHandle key, const std::string& userName) = 0;
};

}  // namespace regsweep
