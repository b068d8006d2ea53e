// Rounding of exact binary values to the two precisions the calculation uses:
// a 64-bit significand (the x87 extended format) and single precision.
#pragma once

#include <cstdint>

namespace delartal {

// significand * 2^(exponent - 63); the significand's top bit is set unless the
// value is zero. The exponent is that of the top bit.
struct Extended {
  bool negative = false;
  std::uint64_t significand = 0;
  int exponent = 0;
};

// The first 64 significant bits of a longer value and what came after them.
struct Truncated {
  Extended head;
  bool round = false;   // the bit right after the head
  bool sticky = false;  // whether any later bit was set
};

// Nearest 64-bit significand, ties to even. The exponent range is unbounded:
// every value this program rounds lies well inside the extended format's.
Extended round_to_extended(const Truncated& value);

// Nearest single-precision value, ties to even, with subnormals; values past
// the largest float become infinity.
float round_to_float(const Extended& value);

// Gathers a value one bit at a time, most significant first, keeping what
// round_to_extended needs. Exponents are relative to the first bit pushed,
// which counts as 2^0; the caller adds its own scale in result().
class BitCollector {
 public:
  // Inline: a read pushes some 130 bits.
  void push(bool bit) {
    if (count_ == 0 && !bit) {
      ++leading_zeros_;
    } else if (count_ < 64) {
      head_ = (head_ << 1) | (bit ? 1U : 0U);
      ++count_;
    } else if (count_ == 64) {
      round_ = bit;
      ++count_;
    } else {
      sticky_ = sticky_ || bit;
    }
  }
  // True once the head and the round bit are in: later bits only feed sticky.
  bool full() const { return count_ > 64; }
  void add_sticky(bool bit) { sticky_ = sticky_ || bit; }
  Truncated result(bool negative, int first_bit_exponent) const;

 private:
  std::uint64_t head_ = 0;
  int count_ = 0;          // significant bits pushed, the leading 1 first
  int leading_zeros_ = 0;  // zero bits pushed before the leading 1
  bool round_ = false;
  bool sticky_ = false;
};

}  // namespace delartal
