#include "regsweep/sweep_log.h"

namespace regsweep {

void SweepLog::clear() {
    for (std::string& slot : slots_) slot.clear();
    count_ = 0;
    text_.clear();
}

const std::string& SweepLog::add(const std::string& line) {
    const std::size_t newest = count_ % kSlots;
    slots_[newest] = line;
    text_.clear();
    // From the newest slot down to 0, then wrap round from the top down to the slot
    // just after the newest: that walks the ring from newest to oldest.
    for (std::size_t i = newest + 1; i-- > 0;) {
        text_ += slots_[i];
        text_ += '\n';
    }
    for (std::size_t i = kSlots - 1; i > newest; --i) {
        text_ += slots_[i];
        text_ += '\n';
    }
    ++count_;
    return text_;
}

}  // namespace regsweep
