#pragma once
// A small deterministic generator for RSSI jitter and traffic, so that runs repeat.
#include <cstdint>

class SimPrng {
public:
    explicit SimPrng(uint32_t seed = 0x2545F491u) : state_(seed ? seed : 1u) {}
    uint32_t Next() {
        // xorshift32
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // Uniform in [-range, range].
    int32_t Spread(int32_t range) {
        if (range <= 0) return 0;
        return static_cast<int32_t>(Next() % static_cast<uint32_t>(2 * range + 1)) - range;
    }

private:
    uint32_t state_;
};
