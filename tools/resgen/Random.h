#pragma once

#include <cstdint>

// A small seeded generator, so every run of the generator draws the same
// "random" stars, squeaks and hi-hat noise and its output stays byte-identical.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed ? seed : 1) {}

    // Uniform in [0, 1).
    float unit()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<float>(state_ >> 8) / static_cast<float>(1u << 24);
    }

    float between(float low, float high) { return low + (high - low) * unit(); }

private:
    std::uint32_t state_;
};
