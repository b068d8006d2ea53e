// Every single-precision frequency that can give a divider in 0..9999, and
// every halfway point between two of them, against the exact reference. With
// DELARTAL_SAMPLE_EVERY=N in the environment, every Nth of them: a quick run
// that still reaches every part of the band.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>

#include "exact_arith.hpp"
#include "float_bits.hpp"
#include "read_float.hpp"
#include "reference_divider.hpp"
#include "reference_read.hpp"
#include "support.hpp"

namespace delartal::test {
namespace {

// Beyond both ends with room: the dividers 0..9999 lie between 140.2 and
// 265.3875 MHz.
constexpr float lowest = 140.0F;
constexpr float highest = 266.0F;

// 1 for every float; N, from the environment, for every Nth.
std::uint32_t sample_every() {
  const char* text = std::getenv("DELARTAL_SAMPLE_EVERY");
  const long every = text == nullptr ? 1 : std::strtol(text, nullptr, 10);
  return every >= 1 && every <= 1'000'000 ? static_cast<std::uint32_t>(every) : 1;
}

// The float `count` floats above positive f: their bit patterns count up.
float floats_above(float f, std::uint32_t count) {
  return float_of(bits_of(f) + count);
}

void compare_band(int variant, std::uint64_t offset) {
  const std::uint32_t every = sample_every();
  std::int64_t in_band = 0;
  std::int64_t mismatches = 0;
  for (float f = lowest; f <= highest; f = floats_above(f, every)) {
    const reference::DividerSteps expected = reference::divider_steps(f, variant);
    const std::optional<float> a = halved_less_offset(f, offset);
    ASSERT_TRUE(a.has_value()) << f;
    const float q = per_step(*a);
    const std::int64_t divider = nearest_half_up(q);
    const std::uint64_t shown = ten_thousandths(f);
    const std::uint64_t expected_shown = reference::ten_thousandths(f);
    if (*a != expected.a || q != expected.q || divider != expected.divider ||
        shown != expected_shown) {
      if (++mismatches <= 10) {
        ADD_FAILURE() << std::hexfloat << f << ": a " << *a << ", q " << q << ", divider "
                      << divider << ", shown " << shown << "; the reference gives " << expected.a
                      << ", " << expected.q << ", " << expected.divider << ", " << expected_shown;
      }
    }
    if (expected.divider >= 0 && expected.divider <= 9999) ++in_band;
  }
  EXPECT_EQ(mismatches, 0);
  // Dividers 0..9999 span 125 MHz: some 7.9 million floats.
  EXPECT_GT(in_band, 7'800'000 / every);
}

TEST(Exhaustive, Variant1MatchesReference) {
  compare_band(1, offset_70_2);
}

TEST(Exhaustive, Variant2MatchesReference) {
  compare_band(2, offset_70_1);
}

float program_reads(const char* text) {
  StringSource source(text);
  Input in(source);
  const std::optional<float> value = read_float(in);
  return value ? *value : std::nanf("");
}

// The halfway point between f and the next float up, and points around it,
// as decimal text with 19 decimals. A 64-bit significand steps by 2^-56 from
// 128 to 256 and by 2^-55 from 256 to 512 (1.4e-17 and 2.8e-17): 1e-19 lies
// within half a step of the halfway point, 3e-17 beyond a whole step.
void compare_halfway_points(float from, float to) {
  constexpr std::int64_t nudges[] = {-300, -1, 1, 300};
  const std::uint32_t every = sample_every();
  std::int64_t mismatches = 0;
  for (float f = from; f < to; f = floats_above(f, every)) {
    const float next = std::nextafter(f, to);
    // f + (next - f) / 2 = (whole + numerator / 2^k); the fraction is a
    // multiple of 2^-k with k <= 17, so numerator * 5^k / 10^k is exact in
    // 19 decimals.
    int exponent = 0;
    std::frexp(next - f, &exponent);
    const int k = 1 - exponent;  // the halfway point's last bit is 2^-k
    const double halfway = (static_cast<double>(f) + static_cast<double>(next)) / 2;
    const auto whole = static_cast<std::uint64_t>(halfway);
    const auto numerator =
        static_cast<std::uint64_t>(std::ldexp(halfway - static_cast<double>(whole), k));
    std::uint64_t fraction = numerator;
    for (int i = 0; i < k; ++i) fraction *= 5;
    for (int i = k; i < 19; ++i) fraction *= 10;
    for (const std::int64_t nudge : nudges) {
      char text[64];
      std::snprintf(text, sizeof text, "%" PRIu64 ".%019" PRIu64, whole,
                    fraction + static_cast<std::uint64_t>(nudge));
      const float expected = reference::read_float(text).value;
      const float read = program_reads(text);
      if (read != expected && ++mismatches <= 10) {
        ADD_FAILURE() << text << " reads as " << std::hexfloat << read << ", the reference gives "
                      << expected;
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

// In slices, so that the test runner can spread them over processors.
struct Slice {
  float from;
  float to;
};

void PrintTo(const Slice& slice, std::ostream* out) {
  *out << slice.from << " to " << slice.to << " MHz";
}

class HalfwayPoints : public testing::TestWithParam<Slice> {};

TEST_P(HalfwayPoints, ReadAsReference) {
  compare_halfway_points(GetParam().from, GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(Exhaustive, HalfwayPoints,
                         testing::Values(Slice{lowest, 156.0F}, Slice{156.0F, 172.0F},
                                         Slice{172.0F, 188.0F}, Slice{188.0F, 204.0F},
                                         Slice{204.0F, 220.0F}, Slice{220.0F, 236.0F},
                                         Slice{236.0F, 256.0F}, Slice{256.0F, highest}),
                         [](const testing::TestParamInfo<Slice>& slice) {
                           return "From" + std::to_string(static_cast<int>(slice.param.from)) +
                                  "MHz";
                         });

}  // namespace
}  // namespace delartal::test
