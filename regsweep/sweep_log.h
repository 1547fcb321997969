#pragma once
// The log Regsweep shows in debug mode: the last 20 lines, newest first.
#include <array>
#include <cstddef>
#include <string>

namespace regsweep {

class SweepLog {
public:
    static constexpr std::size_t kSlots = 20;

    void clear();
    // Stores the line, pushing out the oldest once 20 are held, and returns the new
    // display text.
    const std::string& add(const std::string& line);
    // Newest line first, then older ones by age; each ends with '\n'. Empty slots give
    // empty lines.
    const std::string& text() const { return text_; }
    std::size_t count() const { return count_; }

private:
    std::array<std::string, kSlots> slots_;
    std::size_t count_ = 0;
    std::string text_;
};

}  // namespace regsweep
