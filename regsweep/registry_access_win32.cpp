#include "regsweep/registry_access_win32.h"

#include <windows.h>
#include <aclapi.h>
#include <shlwapi.h>

#include <vector>

#include "regsweep/registry_paths.h"

namespace regsweep {

namespace {

HKEY ToHkey(KeyHandle key) {
    return key == kLocalMachine ? HKEY_LOCAL_MACHINE : reinterpret_cast<HKEY>(key);
}

}  // namespace

bool RegistryWin32::open(KeyHandle parent, const std::string& path, unsigned long access, KeyHandle* key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(ToHkey(parent), path.c_str(), 0, access, &opened) != ERROR_SUCCESS) return false;
    *key = reinterpret_cast<KeyHandle>(opened);
    return true;
}

void RegistryWin32::close(KeyHandle key) {
    if (key != kNoKey && key != kLocalMachine) RegCloseKey(ToHkey(key));
}

ReadStatus RegistryWin32::readString(KeyHandle key, const std::string& valueName, std::size_t bufferSize,
                                     std::string* value) {
    // One spare zero byte after the buffer: the stored data need not end in a NUL.
    std::vector<char> buffer(bufferSize + 1, '\0');
    constexpr DWORD kTypeUnknown = 0xFFFFFFFFu;
    DWORD type = kTypeUnknown;
    DWORD size = static_cast<DWORD>(bufferSize);
    const LONG status = RegQueryValueExA(ToHkey(key), valueName.c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer.data()), &size);
    const bool isString = type == REG_SZ || type == REG_EXPAND_SZ;
    // Too big for the buffer: present, so not the end of a list, but not usable either.
    if (status == ERROR_MORE_DATA) return isString || type == kTypeUnknown ? ReadStatus::TooLong : ReadStatus::Missing;
    if (status != ERROR_SUCCESS || !isString) return ReadStatus::Missing;
    if (size > bufferSize) size = static_cast<DWORD>(bufferSize);
    std::string text(buffer.data(), size);
    const std::size_t end = text.find('\0');
    if (end != std::string::npos) text.resize(end);
    if (!FitsBuffer(text, bufferSize)) return ReadStatus::TooLong;
    *value = text;
    return ReadStatus::Ok;
}

bool RegistryWin32::subkeyCount(KeyHandle key, unsigned long* count) {
    DWORD subkeys = 0;
    if (RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    *count = subkeys;
    return true;
}

bool RegistryWin32::subkeyName(KeyHandle key, unsigned long index, std::string* name) {
    char buffer[kValueBufferSize] = {};
    DWORD length = sizeof buffer;
    if (RegEnumKeyExA(ToHkey(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    if (length >= sizeof buffer) return false;
    name->assign(buffer, length);
    return true;
}

bool RegistryWin32::deleteTree(KeyHandle parent, const std::string& path) {
    return SHDeleteKeyA(ToHkey(parent), path.c_str()) == ERROR_SUCCESS;
}

bool RegistryWin32::deleteValue(KeyHandle parent, const std::string& keyPath, const std::string& valueName) {
    return SHDeleteValueA(ToHkey(parent), keyPath.c_str(), valueName.c_str()) == ERROR_SUCCESS;
}

GrantResult RegistryWin32::grantFullAccess(KeyHandle key, const std::string& userName) {
    GrantResult result;
    PACL oldDacl = nullptr;
    PACL newDacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    DWORD status = GetSecurityInfo(ToHkey(key), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                   &oldDacl, nullptr, &descriptor);
    result.securityRead = status == ERROR_SUCCESS;
    if (result.securityRead) {
        std::vector<char> name(userName.begin(), userName.end());
        name.push_back('\0');
        EXPLICIT_ACCESS_A entry{};
        entry.grfAccessPermissions = 0xFFFFFFFF;
        entry.grfAccessMode = SET_ACCESS;
        entry.grfInheritance = CONTAINER_INHERIT_ACE;
        entry.Trustee.pMultipleTrustee = nullptr;
        entry.Trustee.MultipleTrusteeOperation = NO_MULTIPLE_TRUSTEE;
        entry.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
        entry.Trustee.TrusteeType = TRUSTEE_IS_UNKNOWN;
        entry.Trustee.ptstrName = name.data();
        status = SetEntriesInAclA(1, &entry, oldDacl, &newDacl);
        if (status == ERROR_SUCCESS) {
            status = SetSecurityInfo(ToHkey(key), SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                     newDacl, nullptr);
        }
    }
    if (descriptor != nullptr) LocalFree(descriptor);
    if (newDacl != nullptr) LocalFree(newDacl);
    result.status = static_cast<long>(status);
    return result;
}

}  // namespace regsweep
