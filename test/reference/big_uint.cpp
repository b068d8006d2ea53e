#include "big_uint.hpp"

#include <algorithm>
#include <cassert>

namespace delartal::reference {

BigUint::BigUint(std::uint64_t value) {
  while (value != 0) {
    limbs_.push_back(static_cast<std::uint32_t>(value));
    value >>= 32;
  }
}

std::size_t BigUint::bit_length() const {
  if (limbs_.empty()) return 0;
  std::size_t bits = 32 * (limbs_.size() - 1);
  for (std::uint32_t top = limbs_.back(); top != 0; top >>= 1) ++bits;
  return bits;
}

bool BigUint::bit(std::size_t index) const {
  const std::size_t limb = index / 32;
  return limb < limbs_.size() && ((limbs_[limb] >> (index % 32)) & 1U) != 0;
}

bool BigUint::any_bit_below(std::size_t index) const {
  const std::size_t whole = std::min(index / 32, limbs_.size());
  for (std::size_t i = 0; i < whole; ++i) {
    if (limbs_[i] != 0) return true;
  }
  if (whole == limbs_.size() || index % 32 == 0) return false;
  return (limbs_[whole] & ((std::uint32_t{1} << (index % 32)) - 1)) != 0;
}

std::uint64_t BigUint::to_u64() const {
  assert(limbs_.size() <= 2);
  std::uint64_t value = 0;
  for (std::size_t i = limbs_.size(); i-- > 0;) value = (value << 32) | limbs_[i];
  return value;
}

BigUint& BigUint::multiply_add(std::uint32_t factor, std::uint32_t addend) {
  std::uint64_t carry = addend;
  for (std::uint32_t& limb : limbs_) {
    const std::uint64_t product = std::uint64_t{limb} * factor + carry;
    limb = static_cast<std::uint32_t>(product);
    carry = product >> 32;
  }
  if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
  trim();
  return *this;
}

BigUint& BigUint::shift_left(std::size_t bits) {
  if (limbs_.empty()) return *this;
  const std::size_t limb_shift = bits / 32;
  const unsigned bit_shift = bits % 32;
  if (bit_shift != 0) {
    std::uint32_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
      const std::uint32_t next_carry = limb >> (32 - bit_shift);
      limb = (limb << bit_shift) | carry;
      carry = next_carry;
    }
    if (carry != 0) limbs_.push_back(carry);
  }
  limbs_.insert(limbs_.begin(), limb_shift, 0);
  return *this;
}

BigUint& BigUint::shift_right(std::size_t bits) {
  const std::size_t limb_shift = std::min(bits / 32, limbs_.size());
  limbs_.erase(limbs_.begin(), limbs_.begin() + static_cast<std::ptrdiff_t>(limb_shift));
  const unsigned bit_shift = bits % 32;
  if (bit_shift != 0) {
    for (std::size_t i = 0; i < limbs_.size(); ++i) {
      const std::uint32_t high = i + 1 < limbs_.size() ? limbs_[i + 1] << (32 - bit_shift) : 0;
      limbs_[i] = (limbs_[i] >> bit_shift) | high;
    }
  }
  trim();
  return *this;
}

BigUint& BigUint::add(const BigUint& other) {
  if (limbs_.size() < other.limbs_.size()) limbs_.resize(other.limbs_.size(), 0);
  std::uint64_t carry = 0;
  for (std::size_t i = 0; i < limbs_.size(); ++i) {
    const std::uint64_t sum =
        std::uint64_t{limbs_[i]} + (i < other.limbs_.size() ? other.limbs_[i] : 0) + carry;
    limbs_[i] = static_cast<std::uint32_t>(sum);
    carry = sum >> 32;
  }
  if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
  return *this;
}

BigUint& BigUint::subtract(const BigUint& other) {
  assert(compare(other, *this) <= 0);
  std::uint32_t borrow = 0;
  for (std::size_t i = 0; i < limbs_.size(); ++i) {
    const std::uint64_t taken =
        std::uint64_t{i < other.limbs_.size() ? other.limbs_[i] : 0} + borrow;
    borrow = std::uint64_t{limbs_[i]} < taken ? 1 : 0;
    limbs_[i] = static_cast<std::uint32_t>(std::uint64_t{limbs_[i]} - taken);
  }
  trim();
  return *this;
}

BigUint BigUint::power(std::uint32_t base, std::size_t exponent) {
  BigUint result(1);
  for (std::size_t i = 0; i < exponent; ++i) result.multiply_add(base, 0);
  return result;
}

int compare(const BigUint& a, const BigUint& b) {
  if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
  for (std::size_t i = a.limbs_.size(); i-- > 0;) {
    if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
  }
  return 0;
}

void BigUint::trim() {
  while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}

// Long division a limb at a time (Knuth's algorithm D): each quotient limb is
// estimated from the top limbs, after shifting both operands so the divisor's
// top bit is set, and is off by at most two, which the correction loops fix.
Division divide(BigUint dividend, BigUint divisor) {
  assert(!divisor.is_zero());
  if (compare(dividend, divisor) < 0) return {BigUint(), dividend.is_zero()};
  const std::size_t shift = (32 - divisor.bit_length() % 32) % 32;
  dividend.shift_left(shift);
  divisor.shift_left(shift);
  std::vector<std::uint32_t>& u = dividend.limbs_;
  const std::vector<std::uint32_t>& v = divisor.limbs_;
  const std::size_t n = v.size();
  u.push_back(0);
  const std::size_t m = u.size() - n;  // quotient limbs
  BigUint quotient;
  quotient.limbs_.assign(m, 0);
  constexpr std::uint64_t base = std::uint64_t{1} << 32;
  for (std::size_t j = m; j-- > 0;) {
    const std::uint64_t top = (std::uint64_t{u[j + n]} << 32) | u[j + n - 1];
    std::uint64_t estimate = top / v[n - 1];
    std::uint64_t rest = top % v[n - 1];
    while (estimate >= base || (n > 1 && estimate * v[n - 2] > ((rest << 32) | u[j + n - 2]))) {
      --estimate;
      rest += v[n - 1];
      if (rest >= base) break;
    }
    // u[j .. j+n] -= estimate * v, then add v back once if that went below zero.
    std::int64_t borrow = 0;
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint64_t product = estimate * v[i] + carry;
      carry = product >> 32;
      const std::int64_t difference =
          std::int64_t{u[i + j]} - borrow - static_cast<std::int64_t>(product & 0xFFFFFFFFU);
      u[i + j] = static_cast<std::uint32_t>(difference);
      borrow = difference < 0 ? 1 : 0;
    }
    const std::int64_t difference =
        std::int64_t{u[j + n]} - borrow - static_cast<std::int64_t>(carry);
    u[j + n] = static_cast<std::uint32_t>(difference);
    if (difference < 0) {
      --estimate;
      std::uint64_t sum_carry = 0;
      for (std::size_t i = 0; i < n; ++i) {
        const std::uint64_t sum = std::uint64_t{u[i + j]} + v[i] + sum_carry;
        u[i + j] = static_cast<std::uint32_t>(sum);
        sum_carry = sum >> 32;
      }
      u[j + n] = static_cast<std::uint32_t>(u[j + n] + sum_carry);
    }
    quotient.limbs_[j] = static_cast<std::uint32_t>(estimate);
  }
  quotient.trim();
  dividend.trim();
  return {quotient, dividend.is_zero()};
}

}  // namespace delartal::reference
