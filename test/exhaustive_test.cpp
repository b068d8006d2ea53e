// Compares the integer arithmetic with the same steps done in long double,
// for every single-precision frequency that can give a divider in 0..9999.
// Where long double has a 64-bit significand, its division rounds exactly as
// the quotient must, and its sums of a float and a double are exact here.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "exact_arith.hpp"

namespace delartal::test {
namespace {

struct Reference {
  std::int64_t divider;
  std::int64_t ten_thousandths;
};

// The volatile stores round to single precision even where the compiler
// would keep excess precision in registers.
Reference by_long_double(float f, double offset) {
  const volatile float a = static_cast<float>(static_cast<long double>(f) / 2 - offset);
  const volatile float q =
      static_cast<float>(static_cast<long double>(a) / static_cast<long double>(0.00625));
  const long double divider = std::floor(static_cast<long double>(q) + 0.5L);
  const long double shown = std::floor(static_cast<long double>(f) * 10000 + 0.5L);
  return {static_cast<std::int64_t>(divider), static_cast<std::int64_t>(shown)};
}

void compare_band(std::uint64_t offset, double offset_value) {
  // Beyond both ends with room: the band is 140.39375 to 265.39375 MHz at most.
  const float lowest = 140.0F;
  const float highest = 266.0F;
  std::int64_t in_band = 0;
  std::int64_t mismatches = 0;
  for (float f = lowest; f <= highest; f = std::nextafter(f, highest + 1)) {
    const Reference expected = by_long_double(f, offset_value);
    const std::optional<float> a = halved_less_offset(f, offset);
    ASSERT_TRUE(a.has_value()) << f;
    const std::int64_t divider = nearest_half_up(per_step(*a));
    const auto shown = static_cast<std::int64_t>(ten_thousandths(f));
    if (divider != expected.divider || shown != expected.ten_thousandths) {
      if (++mismatches <= 10) {
        ADD_FAILURE() << std::hexfloat << f << ": divider " << divider << ", shown " << shown
                      << "; long double gives " << expected.divider << ", "
                      << expected.ten_thousandths;
      }
    }
    if (expected.divider >= 0 && expected.divider <= 9999) ++in_band;
  }
  EXPECT_EQ(mismatches, 0);
  // Dividers 0..9999 span 125 MHz: some 7.9 million floats.
  EXPECT_GT(in_band, 7'800'000);
}

TEST(Exhaustive, Variant1MatchesLongDouble) {
  if (std::numeric_limits<long double>::digits != 64) GTEST_SKIP() << "no 64-bit long double";
  compare_band(offset_70_2, 70.2);
}

TEST(Exhaustive, Variant2MatchesLongDouble) {
  if (std::numeric_limits<long double>::digits != 64) GTEST_SKIP() << "no 64-bit long double";
  compare_band(offset_70_1, 70.1);
}

}  // namespace
}  // namespace delartal::test
