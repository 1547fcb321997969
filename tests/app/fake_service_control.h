#pragma once
// Service manager and machine registry double: one service, keys by path, and a log of
// every call that changes something or opens/closes a handle.
#include <map>
#include <string>
#include <vector>

#include "app/service_control.h"

class FakeServiceControl : public ServiceControl {
public:
    struct Value {
        uint32_t type;
        std::vector<uint8_t> data;
    };

    bool managerOpens = true;
    bool serviceExists = true;
    bool queryWorks = true;
    uint32_t state = kRunning;
    // After a stop, the number of status queries that still see it stopping; -1: forever.
    int stopPendingQueries = 0;
    uint32_t pausedMs = 0;
    bool stopAccepted = true;
    std::map<std::string, std::map<std::string, Value>> keys;
    std::vector<std::string> log;
    int openHandles = 0;

    Handle openManager() override {
        log.push_back("open manager");
        if (!managerOpens) return 0;
        ++openHandles;
        return 1;
    }
    Handle openService(Handle, const std::string& name) override {
        log.push_back("open service " + name);
        if (!serviceExists) return 0;
        ++openHandles;
        return 2;
    }
    bool queryState(Handle, uint32_t& s) override {
        if (!queryWorks) return false;
        if (state == kStopPending && pendingLeft >= 0 && pendingLeft-- == 0) state = kStopped;
        s = state;
        return true;
    }
    bool stopService(Handle) override {
        log.push_back("stop");
        if (!stopAccepted) return false;
        // The stop is asked for, the manager takes it from there.
        pendingLeft = stopPendingQueries;
        state = stopPendingQueries != 0 ? kStopPending : kStopped;
        return true;
    }
    bool startService(Handle) override {
        // As the real manager: a service still stopping cannot be started.
        if (state == kStopPending) {
            log.push_back("start refused");
            return false;
        }
        log.push_back("start");
        state = kStartPending;
        return true;
    }
    void pause(uint32_t ms) override { pausedMs += ms; }
    void closeServiceHandle(Handle) override {
        log.push_back("close handle");
        --openHandles;
    }
    Handle openMachineKey(const std::string& path) override {
        log.push_back("open key " + path);
        if (!keys.count(path)) return 0;
        openKey = path;
        ++openHandles;
        return 3;
    }
    bool queryValue(Handle, const std::string& name, uint32_t capacity, uint32_t& type,
                    std::vector<uint8_t>& data) override {
        auto& values = keys[openKey];
        auto it = values.find(name);
        if (it == values.end() || it->second.data.size() > capacity) return false;
        type = it->second.type;
        data = it->second.data;
        return true;
    }
    bool setValue(Handle, const std::string& name, uint32_t type,
                  const std::vector<uint8_t>& data) override {
        log.push_back("write " + name);
        keys[openKey][name] = {type, data};
        return true;
    }
    void closeKey(Handle) override {
        log.push_back("close key");
        --openHandles;
    }

    std::string openKey;

private:
    int pendingLeft = 0;
};
