#pragma once
// A small deterministic random generator (xorshift) for the local searches, so that a
// run repeats exactly on every platform.
#include <cstdint>

namespace korvelan {

class Shuffler {
 public:
  explicit Shuffler(uint64_t seed = 0x9E3779B97F4A7C15ULL) : state_(seed) {}

  // A number in 0..n-1 (n > 0).
  int Below(int n) {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return static_cast<int>(state_ % static_cast<uint64_t>(n));
  }

 private:
  uint64_t state_;
};

}  // namespace korvelan
