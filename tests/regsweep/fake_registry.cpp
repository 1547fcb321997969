#include "fake_registry.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>

namespace regsweep_test {

using regsweep::KeyHandle;
using regsweep::ReadStatus;

namespace {

std::vector<std::string> Split(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    return parts;
}

std::string Join(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& p : parts) {
        if (!out.empty()) out += '\\';
        out += p;
    }
    return out;
}

}  // namespace

bool CaseLess::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

FakeKey& FakeRegistry::key(const std::string& path) {
    FakeKey* node = &root_;
    for (const std::string& part : Split(path)) {
        auto& child = node->subkeys[part];
        if (!child) child = std::make_unique<FakeKey>();
        node = child.get();
    }
    return *node;
}

void FakeRegistry::setString(const std::string& path, const std::string& name, const std::string& data) {
    key(path).values[name] = FakeValue{data + std::string(1, '\0'), true};
}

void FakeRegistry::setDword(const std::string& path, const std::string& name) {
    key(path).values[name] = FakeValue{std::string("\x01\x02\x03\x04", 4), false};
}

bool FakeRegistry::exists(const std::string& path) const { return find(Split(path)) != nullptr; }

bool FakeRegistry::hasValue(const std::string& path, const std::string& name) const {
    const FakeKey* node = find(Split(path));
    return node != nullptr && node->values.count(name) != 0;
}

std::vector<std::string> FakeRegistry::allKeys() const {
    std::vector<std::string> out;
    std::function<void(const FakeKey&, const std::string&)> walk = [&](const FakeKey& node, const std::string& at) {
        for (const auto& [name, child] : node.subkeys) {
            const std::string path = at.empty() ? name : at + "\\" + name;
            out.push_back(path);
            walk(*child, path);
        }
    };
    walk(root_, "");
    return out;
}

const FakeRegistry::Handle* FakeRegistry::handle(KeyHandle key) const {
    auto it = handles_.find(key);
    return it == handles_.end() ? nullptr : &it->second;
}

bool FakeRegistry::resolve(KeyHandle parent, const std::string& path, std::vector<std::string>* out) const {
    if (parent == regsweep::kLocalMachine) {
        out->clear();
    } else {
        const Handle* h = handle(parent);
        if (h == nullptr || find(h->path) == nullptr) return false;
        *out = h->path;
    }
    for (const std::string& part : Split(path)) out->push_back(part);
    return true;
}

FakeKey* FakeRegistry::find(const std::vector<std::string>& path) const {
    const FakeKey* node = &root_;
    for (const std::string& part : path) {
        auto it = node->subkeys.find(part);
        if (it == node->subkeys.end()) return nullptr;
        node = it->second.get();
    }
    return const_cast<FakeKey*>(node);
}

bool FakeRegistry::open(KeyHandle parent, const std::string& path, unsigned long access, KeyHandle* key) {
    std::vector<std::string> full;
    if (!resolve(parent, path, &full)) return false;
    FakeKey* node = find(full);
    if (node == nullptr || node->denyOpen) return false;
    if ((access & regsweep::kWriteDac) != 0 && node->denyWriteDac) return false;
    *key = next_++;
    handles_[*key] = Handle{full, access};
    char mask[16] = {};
    std::snprintf(mask, sizeof mask, "0x%lx", access);
    journal_.push_back("open " + Join(full) + " " + mask);
    return true;
}

void FakeRegistry::close(KeyHandle key) {
    const Handle* h = handle(key);
    if (h != nullptr) journal_.push_back("close " + Join(h->path));
    handles_.erase(key);
}

ReadStatus FakeRegistry::readString(KeyHandle key, const std::string& valueName, std::size_t bufferSize,
                                    std::string* value) {
    const Handle* h = handle(key);
    FakeKey* node = h == nullptr ? nullptr : find(h->path);
    if (node == nullptr) return ReadStatus::Missing;
    auto it = node->values.find(valueName);
    if (it == node->values.end() || !it->second.isString) return ReadStatus::Missing;
    const std::string& data = it->second.data;
    const std::string text = data.substr(0, data.find('\0'));
    if (text.size() + 1 > bufferSize) return ReadStatus::TooLong;
    *value = text;
    return ReadStatus::Ok;
}

bool FakeRegistry::subkeyCount(KeyHandle key, unsigned long* count) {
    const Handle* h = handle(key);
    FakeKey* node = h == nullptr ? nullptr : find(h->path);
    if (node == nullptr) return false;
    *count = static_cast<unsigned long>(node->subkeys.size());
    return true;
}

bool FakeRegistry::subkeyName(KeyHandle key, unsigned long index, std::string* name) {
    const Handle* h = handle(key);
    FakeKey* node = h == nullptr ? nullptr : find(h->path);
    if (node == nullptr || index >= node->subkeys.size()) return false;
    auto it = node->subkeys.begin();
    std::advance(it, index);
    *name = it->first;
    return true;
}

bool FakeRegistry::deleteTree(KeyHandle parent, const std::string& path) {
    std::vector<std::string> full;
    if (!resolve(parent, path, &full) || full.empty()) return false;
    journal_.push_back("delete " + Join(full));
    FakeKey* target = find(full);
    if (target == nullptr || target->denyOpen) return false;
    deletions_.push_back(Join(full));
    // Like a recursive delete on the system: what cannot be opened stays, and so do
    // the keys above it.
    std::function<bool(FakeKey&)> empty = [&](FakeKey& node) {
        bool all = true;
        for (auto it = node.subkeys.begin(); it != node.subkeys.end();) {
            if (!it->second->denyOpen && empty(*it->second)) {
                it = node.subkeys.erase(it);
            } else {
                all = false;
                ++it;
            }
        }
        return all;
    };
    if (!empty(*target)) return false;
    find(std::vector<std::string>(full.begin(), full.end() - 1))->subkeys.erase(full.back());
    return true;
}

bool FakeRegistry::deleteValue(KeyHandle parent, const std::string& keyPath, const std::string& valueName) {
    std::vector<std::string> full;
    if (!resolve(parent, keyPath, &full)) return false;
    journal_.push_back("delete value " + Join(full) + " : " + valueName);
    FakeKey* node = find(full);
    if (node == nullptr) return false;
    deletions_.push_back(Join(full) + " : " + valueName);
    return node->values.erase(valueName) != 0;
}

regsweep::GrantResult FakeRegistry::grantFullAccess(KeyHandle key, const std::string& userName) {
    ++grantCalls_;
    regsweep::GrantResult result;
    const Handle* h = handle(key);
    if (h != nullptr) journal_.push_back("grant " + Join(h->path));
    FakeKey* node = h == nullptr ? nullptr : find(h->path);
    if (node == nullptr || node->securityUnreadable) {
        result.status = 6;  // invalid handle / access denied, as the system would say
        return result;
    }
    result.securityRead = true;
    // Like the system: the list changes only through a handle that may write it.
    if ((h->access & regsweep::kWriteDac) == 0) {
        result.status = 5;
        return result;
    }
    grants_.push_back(GrantRecord{Join(h->path), userName});
    return result;
}

}  // namespace regsweep_test
