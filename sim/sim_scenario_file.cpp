#include "sim/sim_scenario_file.h"

#include <sys/stat.h>

#include <ctime>
#include <fstream>
#include <sstream>

namespace {
bool ReadAll(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::stringstream text;
    text << in.rdbuf();
    out = text.str();
    return true;
}
}  // namespace

void SimScenarioFile::SetPath(const std::string& path) {
    path_ = path;
    loaded_ = false;
    missing_ = false;
    mtime_ = 0;
    size_ = -1;
    readAt_ = 0;
    text_.clear();
}

bool SimScenarioFile::Poll(SimScenario& out) {
    if (path_.empty()) return false;
    struct stat info {};
    if (stat(path_.c_str(), &info) != 0) {
        // The file went away (or never was): the machine falls back to the built-in one.
        if (loaded_ && missing_) return false;
        loaded_ = true;
        missing_ = true;
        mtime_ = 0;
        size_ = -1;
        text_.clear();
        out = DefaultScenario();
        return true;
    }
    const long long mtime = static_cast<long long>(info.st_mtime);
    const long long size = static_cast<long long>(info.st_size);
    const bool stampChanged = !loaded_ || missing_ || mtime != mtime_ || size != size_;
    // Modification times have whole seconds here; a write in the second of our last
    // read cannot be told apart by the stamp, so compare the text until it has passed.
    const bool sameSecond = readAt_ <= mtime_;
    if (!stampChanged && !sameSecond) return false;

    std::string text;
    if (!ReadAll(path_, text)) return false;
    const long long now = static_cast<long long>(std::time(nullptr));
    const bool textChanged = !loaded_ || missing_ || text != text_;
    loaded_ = true;
    missing_ = false;
    mtime_ = mtime;
    size_ = size;
    readAt_ = now;
    if (!textChanged) return false;
    text_ = text;
    out = ParseScenario(text);
    return true;
}
