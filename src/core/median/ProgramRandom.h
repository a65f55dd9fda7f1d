#pragma once
#include <cstdint>

namespace korvelan {

// The program's one linear congruential generator, written out in 32-bit
// arithmetic so that a seed gives the same draws on every machine:
//   state := state x 134775813 + 1 (mod 2^32)
//   Random(n)  = the upper 32 bits of (new state x n), in 0..n-1
//   RandExt()  = new state x 2^-32, in [0, 1)
class ProgramRandom {
 public:
  explicit ProgramRandom(int32_t seed = 0) : state_(static_cast<uint32_t>(seed)) {}

  void Seed(int32_t seed) { state_ = static_cast<uint32_t>(seed); }
  // The state read as a signed 32-bit number.
  int32_t State() const { return static_cast<int32_t>(state_); }

  // n >= 1; Random(0) is 0.
  uint32_t Random(uint32_t n) { return static_cast<uint32_t>((uint64_t{Step()} * n) >> 32); }
  double RandExt() { return static_cast<double>(Step()) * (1.0 / 4294967296.0); }

 private:
  uint32_t Step() {
    state_ = state_ * 134775813u + 1u;
    return state_;
  }
  uint32_t state_;
};

}  // namespace korvelan
