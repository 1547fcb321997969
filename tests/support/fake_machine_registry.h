#pragma once
// MachineRegistry double: keys of HKEY_LOCAL_MACHINE held in memory, with the buffer
// rules of the real calls. RegEnumKeyA answers ERROR_MORE_DATA when a name and its
// terminator do not fit; RegQueryValueExA copies nothing and answers ERROR_MORE_DATA
// (with the size needed) when the value does not fit, and copies the stored bytes as
// they are otherwise, a terminator or none. Subkeys are listed in name order. Tracks
// the keys left open.
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "adapter/machine_registry.h"
#include "platform/win32_numbers.h"

class FakeMachineRegistry : public MachineRegistry {
public:
    struct Value {
        uint32_t type = kRegSz;
        std::vector<uint8_t> bytes;
    };

    // A string value with its terminator, as RegSetValueExA stores a REG_SZ.
    void setString(const std::string& path, const std::string& name, const std::string& text) {
        Value v;
        v.bytes.assign(text.begin(), text.end());
        v.bytes.push_back(0);
        keys_[path][name] = v;
        addParents(path);
    }
    void setRaw(const std::string& path, const std::string& name, uint32_t type, const std::vector<uint8_t>& bytes) {
        keys_[path][name] = Value{type, bytes};
        addParents(path);
    }
    void addKey(const std::string& path) {
        keys_[path];
        addParents(path);
    }

    int openKeys() const { return static_cast<int>(open_.size()); }
    std::vector<std::string> opened;   // every path opened, in order

    long openKey(Key parent, const std::string& path, Key& key) override {
        const std::string full = parent == kLocalMachine ? path : pathOf(parent) + "\\" + path;
        if (!keys_.count(full)) return kErrorFileNotFound;
        key = nextKey_++;
        open_[key] = full;
        opened.push_back(full);
        return kErrorSuccess;
    }
    long subkeyCount(Key key, uint32_t& count) override {
        count = static_cast<uint32_t>(children(pathOf(key)).size());
        return kErrorSuccess;
    }
    long enumKey(Key key, uint32_t index, char* buffer, uint32_t size) override {
        const std::vector<std::string> names = children(pathOf(key));
        if (index >= names.size()) return kErrorNoMoreItems;
        const std::string& name = names[index];
        if (name.size() + 1 > size) return kErrorMoreData;
        std::memcpy(buffer, name.c_str(), name.size() + 1);
        return kErrorSuccess;
    }
    long queryValue(Key key, const std::string& name, uint32_t& type, uint8_t* buffer, uint32_t& size) override {
        const auto k = keys_.find(pathOf(key));
        if (k == keys_.end()) return kErrorFileNotFound;
        const auto v = k->second.find(name);
        if (v == k->second.end()) return kErrorFileNotFound;
        type = v->second.type;
        const uint32_t needed = static_cast<uint32_t>(v->second.bytes.size());
        if (needed > size) {
            size = needed;
            return kErrorMoreData;
        }
        if (needed) std::memcpy(buffer, v->second.bytes.data(), needed);
        size = needed;
        return kErrorSuccess;
    }
    void closeKey(Key key) override { open_.erase(key); }

private:
    std::string pathOf(Key key) const {
        const auto it = open_.find(key);
        return it == open_.end() ? std::string("<closed>") : it->second;
    }
    void addParents(const std::string& path) {
        for (size_t slash = path.find('\\'); slash != std::string::npos; slash = path.find('\\', slash + 1))
            keys_[path.substr(0, slash)];
    }
    std::vector<std::string> children(const std::string& path) const {
        std::set<std::string> names;
        const std::string prefix = path + "\\";
        for (const auto& k : keys_)
            if (k.first.compare(0, prefix.size(), prefix) == 0) {
                const std::string rest = k.first.substr(prefix.size());
                names.insert(rest.substr(0, rest.find('\\')));
            }
        return std::vector<std::string>(names.begin(), names.end());
    }

    std::map<std::string, std::map<std::string, Value>> keys_;
    std::map<Key, std::string> open_;
    Key nextKey_ = 0x100;
};
