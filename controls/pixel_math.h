#pragma once
// Double-to-pixel conversion that truncates toward zero like a C cast, but never
// leaves the int range (a cast of an out-of-range double is undefined).

#include <cmath>
#include <limits>

inline int truncToInt(double value) {
    if (std::isnan(value)) return 0;
    constexpr double lo = static_cast<double>(std::numeric_limits<int>::min());
    constexpr double hi = static_cast<double>(std::numeric_limits<int>::max());
    if (value <= lo) return std::numeric_limits<int>::min();
    if (value >= hi) return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}
