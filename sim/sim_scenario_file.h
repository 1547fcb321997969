#pragma once
// Watches a scenario INI file and hands back its scenario when it changed. A change is
// seen through the file's modification time and size; an edit within the same second as
// the last read is caught by comparing the text until that second has passed.
#include <cstdint>
#include <string>

#include "sim/sim_scenario.h"

class SimScenarioFile {
public:
    void SetPath(const std::string& path);
    const std::string& Path() const { return path_; }
    // True (and `out` filled) when the file is new or changed since the last call. A file
    // that is named but missing gives the built-in default scenario, once.
    bool Poll(SimScenario& out);

private:
    std::string path_;
    bool loaded_ = false;
    bool missing_ = false;
    long long mtime_ = 0;
    long long size_ = -1;
    long long readAt_ = 0;  // wall-clock second of the last read
    std::string text_;
};
