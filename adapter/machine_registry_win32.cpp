#include "adapter/machine_registry_win32.h"

#include <windows.h>

#include "platform/win32_numbers.h"

static_assert(kRegSz == REG_SZ && kRegExpandSz == REG_EXPAND_SZ && kRegDword == REG_DWORD, "value types");
static_assert(kErrorSuccess == ERROR_SUCCESS && kErrorFileNotFound == ERROR_FILE_NOT_FOUND &&
                  kErrorMoreData == ERROR_MORE_DATA && kErrorNoMoreItems == ERROR_NO_MORE_ITEMS,
              "registry results");
static_assert(kKeyRead == KEY_READ, "read access");

namespace {

HKEY toHkey(MachineRegistry::Key key) {
    return key == MachineRegistry::kLocalMachine ? HKEY_LOCAL_MACHINE : reinterpret_cast<HKEY>(key);
}

}  // namespace

long MachineRegistryWin32::openKey(Key parent, const std::string& path, Key& key) {
    HKEY opened = nullptr;
    const LONG rc = RegOpenKeyExA(toHkey(parent), path.c_str(), 0, KEY_READ, &opened);
    key = rc == ERROR_SUCCESS ? reinterpret_cast<Key>(opened) : 0;
    return rc;
}

long MachineRegistryWin32::subkeyCount(Key key, uint32_t& count) {
    DWORD subkeys = 0;
    const LONG rc = RegQueryInfoKeyA(toHkey(key), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr,
                                     nullptr, nullptr, nullptr, nullptr);
    count = subkeys;
    return rc;
}

long MachineRegistryWin32::enumKey(Key key, uint32_t index, char* buffer, uint32_t size) {
    return RegEnumKeyA(toHkey(key), index, buffer, size);
}

long MachineRegistryWin32::queryValue(Key key, const std::string& name, uint32_t& type, uint8_t* buffer,
                                      uint32_t& size) {
    DWORD t = 0;
    DWORD n = size;
    const LONG rc = RegQueryValueExA(toHkey(key), name.c_str(), nullptr, &t, buffer, &n);
    type = t;
    size = n;
    return rc;
}

void MachineRegistryWin32::closeKey(Key key) {
    if (key != kLocalMachine) RegCloseKey(toHkey(key));
}
