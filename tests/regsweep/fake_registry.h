#pragma once
// In-memory registry for Regsweep's host tests: case-insensitive key names like the
// real one, handles that stay tied to a path, keys that refuse to open, and a record
// of the grants that took effect.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "regsweep/registry_access.h"

namespace regsweep_test {

struct CaseLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

struct FakeValue {
    std::string data;  // raw bytes as stored; a string ends at its first NUL
    bool isString = true;
};

struct FakeKey {
    std::map<std::string, FakeValue, CaseLess> values;
    std::map<std::string, std::unique_ptr<FakeKey>, CaseLess> subkeys;
    bool denyOpen = false;
    bool denyWriteDac = false;   // may be read but not re-secured
    bool securityUnreadable = false;
};

struct GrantRecord {
    std::string path;
    std::string user;
};

class FakeRegistry : public regsweep::RegistryAccess {
public:
    // Creates the key and its parents below the local machine.
    FakeKey& key(const std::string& path);
    void setString(const std::string& path, const std::string& name, const std::string& data);
    void setDword(const std::string& path, const std::string& name);
    bool exists(const std::string& path) const;
    bool hasValue(const std::string& path, const std::string& name) const;
    // Every key path below the local machine, in tree order, for before/after checks.
    std::vector<std::string> allKeys() const;

    std::size_t openHandles() const { return handles_.size(); }
    const std::vector<GrantRecord>& grants() const { return grants_; }
    int grantCalls() const { return grantCalls_; }
    const std::vector<std::string>& deletions() const { return deletions_; }
    // Every call that opens, closes, deletes or re-secures, in order, e.g.
    // "open SYSTEM\X 0x20019", "close SYSTEM\X", "delete SYSTEM\X",
    // "delete value SYSTEM\X : Name", "grant SYSTEM\X". Failed opens are not listed.
    const std::vector<std::string>& journal() const { return journal_; }

    bool open(regsweep::KeyHandle parent, const std::string& path, unsigned long access,
              regsweep::KeyHandle* key) override;
    void close(regsweep::KeyHandle key) override;
    regsweep::ReadStatus readString(regsweep::KeyHandle key, const std::string& valueName,
                                    std::size_t bufferSize, std::string* value) override;
    bool subkeyCount(regsweep::KeyHandle key, unsigned long* count) override;
    bool subkeyName(regsweep::KeyHandle key, unsigned long index, std::string* name) override;
    bool deleteTree(regsweep::KeyHandle parent, const std::string& path) override;
    bool deleteValue(regsweep::KeyHandle parent, const std::string& keyPath, const std::string& valueName) override;
    regsweep::GrantResult grantFullAccess(regsweep::KeyHandle key, const std::string& userName) override;

private:
    struct Handle {
        std::vector<std::string> path;  // components below the local machine
        unsigned long access = 0;
    };
    bool resolve(regsweep::KeyHandle parent, const std::string& path, std::vector<std::string>* out) const;
    FakeKey* find(const std::vector<std::string>& path) const;
    const Handle* handle(regsweep::KeyHandle key) const;

    FakeKey root_;
    std::map<regsweep::KeyHandle, Handle> handles_;
    regsweep::KeyHandle next_ = 100;
    std::vector<GrantRecord> grants_;
    int grantCalls_ = 0;
    std::vector<std::string> deletions_;
    std::vector<std::string> journal_;
};

}  // namespace regsweep_test
