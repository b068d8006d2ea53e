// Unbounded unsigned integers, just the operations the reference needs. Plain
// schoolbook arithmetic on 32-bit limbs, kept simple enough to check by eye.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace delartal::reference {

class BigUint {
 public:
  BigUint() = default;
  explicit BigUint(std::uint64_t value);

  bool is_zero() const { return limbs_.empty(); }
  // Bits needed to write the value: 0 for zero.
  std::size_t bit_length() const;
  bool bit(std::size_t index) const;
  // True when any bit below `index` is set.
  bool any_bit_below(std::size_t index) const;
  // The value, which must lie below 2^64.
  std::uint64_t to_u64() const;

  // this * factor + addend.
  BigUint& multiply_add(std::uint32_t factor, std::uint32_t addend);
  BigUint& shift_left(std::size_t bits);
  BigUint& shift_right(std::size_t bits);
  BigUint& add(const BigUint& other);
  // Requires other <= this.
  BigUint& subtract(const BigUint& other);

  static BigUint power(std::uint32_t base, std::size_t exponent);

  friend int compare(const BigUint& a, const BigUint& b);
  friend bool operator==(const BigUint& a, const BigUint& b) { return a.limbs_ == b.limbs_; }
  friend struct Division divide(BigUint dividend, BigUint divisor);

 private:
  void trim();

  std::vector<std::uint32_t> limbs_;  // least significant first, no leading zero limbs
};

struct Division {
  BigUint quotient;
  bool exact;  // remainder zero
};

// floor(dividend / divisor); the divisor must not be zero.
Division divide(BigUint dividend, BigUint divisor);

}  // namespace delartal::reference
