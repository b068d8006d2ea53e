#include "read_float.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <ostream>
#include <random>
#include <string>

#include "support.hpp"

namespace delartal::test {
namespace {

constexpr float infinity = std::numeric_limits<float>::infinity();

struct FloatCase {
  std::string text;
  std::optional<float> value;
  std::string rest;  // what stays unread
};

// Read with the source handing out `chunk` bytes at a time.
void expect_reads_in_chunks(const FloatCase& c, std::size_t chunk) {
  StringSource source(c.text, chunk);
  Input in(source);
  const std::optional<float> value = read_float(in);
  const std::string shown = (c.text.size() > 80 ? c.text.substr(0, 80) + "..." : c.text) +
                            " in chunks of " + std::to_string(chunk);
  ASSERT_EQ(value.has_value(), c.value.has_value()) << shown;
  if (value) {
    EXPECT_EQ(*value, *c.value) << shown << " read as " << std::hexfloat << *value;
    EXPECT_EQ(std::signbit(*value), std::signbit(*c.value)) << shown;
  }
  EXPECT_EQ(rest_of(in), c.rest) << shown;
}

// Whole, and split into chunks of one and of three bytes.
void expect_reads(const FloatCase& c) {
  for (const std::size_t chunk : {SIZE_MAX, std::size_t{1}, std::size_t{3}}) {
    expect_reads_in_chunks(c, chunk);
  }
}

TEST(ReadFloat, ReadsDecimalForms) {
  const FloatCase cases[] = {
      {"146", 146.0F, ""},
      {"146.5\n", 146.5F, "\n"},
      {".5", 0.5F, ""},
      {"5.", 5.0F, ""},
      {"1.46e2", 146.0F, ""},
      {"1.46E+2", 146.0F, ""},
      {"14600e-2", 146.0F, ""},
      {"-146", -146.0F, ""},
      {"+.5", 0.5F, ""},
      {"-0", -0.0F, ""},
      {"000146.0000", 146.0F, ""},
      {"146.00625", 0x1.240334p+7F, ""},
      // A number ends where strtod ends it.
      {"146e", 146.0F, "e"},
      {"146e+", 146.0F, "e+"},
      {"146e-x", 146.0F, "e-x"},
      {"146,5", 146.0F, ",5"},
      {"146.5.5", 146.5F, ".5"},
      {"1 2", 1.0F, " 2"},
  };
  for (const FloatCase& c : cases) expect_reads(c);
}

TEST(ReadFloat, ReadsHexadecimalForms) {
  const FloatCase cases[] = {
      {"0x1.8p1", 3.0F, ""},
      {"0X.8", 0.5F, ""},
      {"0x1P-2", 0.25F, ""},
      {"-0x10", -16.0F, ""},
      {"0x92.08", 146.03125F, ""},
      {"0x1p", 1.0F, "p"},
      {"0x1p+", 1.0F, "p+"},
      {"0x", 0.0F, "x"},
      {"0x.p1", 0.0F, "x.p1"},
      {"0xg", 0.0F, "xg"},
      {"0x0.0001p16", 1.0F, ""},
      // Rounding through a 64-bit significand: 2^-64 above the float midpoint
      // 1 + 2^-24 is half a 64-bit step, so it ties to the midpoint, which ties
      // to even: 1. Anything more goes up.
      {"0x1.ffffffp0", 2.0F, ""},
      {"0x1.000001000000000000001p0", 1.0F, ""},
      {"0x1.0000010000000001p0", 1.0F, ""},
      {"0x1.0000010000000001000001p0", 0x1.000002p0F, ""},
      {"0x1." + std::string(100000, '0') + "1p0", 1.0F, ""},
  };
  for (const FloatCase& c : cases) expect_reads(c);
}

TEST(ReadFloat, RefusesWhatIsNoNumber) {
  for (const char* text : {"inf", "nan", "-inf", "-", "+", ".", "-.e1", ".e1", "e5", "x", "", "+-1",
                           "- 1", ",5", "\xE4"}) {
    expect_reads({text, std::nullopt, text});
  }
}

// The two answers that tell the rounding rule apart from strtof and from
// (float)strtod: both lie below the float midpoint 146.03124237060546875, the
// first by less than half a 64-bit step, so it rounds to the midpoint and then
// to the even neighbour above it.
TEST(ReadFloat, RoundsThroughA64BitSignificand) {
  const FloatCase cases[] = {
      {"146.0312423706054687499999999", 146.03125F, ""},
      {"146.03124237060546775", 0x1.240ffep+7F, ""},
      {"146.03124237060546875", 146.03125F, ""},
  };
  for (const FloatCase& c : cases) expect_reads(c);
}

TEST(ReadFloat, ReadsLongAnswersExactly) {
  // The 64-bit halfway point just above the float midpoint between 146.03125
  // and the next float: it ties down to the midpoint, which ties down to
  // 146.03125; anything above it, however far out, rounds up.
  const std::string halfway = "146.031257629394531256938893903907228377647697925567626953125";
  const FloatCase cases[] = {
      {halfway, 146.03125F, ""},
      {halfway + std::string(300, '0'), 146.03125F, ""},
      {halfway + std::string(300, '0') + "1", 0x1.241002p+7F, ""},
      {halfway + std::string(1'000'000, '0') + "1e0x", 0x1.241002p+7F, "x"},
      {"146." + std::string(1'000'000, '0'), 146.0F, ""},
      {std::string(1'000'000, '0') + "146", 146.0F, ""},
      {"0." + std::string(1'000'000, '0') + "146e1000003", 146.0F, ""},
      {"146" + std::string(1'000'000, '0') + "e-1000000", 146.0F, ""},
      {"0." + std::string(1'000'000, '0') + "1", 0.0F, ""},
      {"1" + std::string(1'000'000, '0'), infinity, ""},
  };
  for (const FloatCase& c : cases) expect_reads(c);
}

TEST(ReadFloat, SaturatesAtTheEndsOfTheRange) {
  const FloatCase cases[] = {
      {"1e50", infinity, ""},
      {"-1e50", -infinity, ""},
      {"1e-50", 0.0F, ""},
      {"-1e-50", -0.0F, ""},
      {"146e99999999999999999999", infinity, ""},
      {"146e-99999999999999999999", 0.0F, ""},
      {"0e99999999999999999999", 0.0F, ""},
      {"0x1p200", infinity, ""},
      {"0x1p-200", 0.0F, ""},
      {"0x1p99999999999999999999", infinity, ""},
      {"3.4028235e38", std::numeric_limits<float>::max(), ""},
      {"3.40282357e38", infinity, ""},
      {"1e-45", 0x1p-149F, ""},
      {"7e-46", 0.0F, ""},
      {"0x1p-150", 0.0F, ""},  // half the smallest subnormal: ties to even
      {"0x1.0000000000000002p-150", 0x1p-149F, ""},
      {"0x1.7p-149", 0x1p-149F, ""},
      {"0x1.8p-149", 0x1p-148F, ""},
  };
  for (const FloatCase& c : cases) expect_reads(c);
}

// Where long double has a 64-bit significand, strtold rounds to it exactly,
// and casting that to float rounds once more: the rule itself.
std::optional<float> by_strtold(const std::string& text, std::size_t& consumed) {
  char* end = nullptr;
  const long double value = std::strtold(text.c_str(), &end);
  consumed = static_cast<std::size_t>(end - text.c_str());
  if (consumed == 0) return std::nullopt;
  return static_cast<float>(value);
}

// The exact decimal value of a long double from 2^-60 to 2^60, whose last bit
// lies at 2^-124 at the finest (glibc prints it exactly).
std::string exact_decimal(long double value) {
  char buffer[320];
  std::snprintf(buffer, sizeof buffer, "%.130Lf", value);
  return buffer;
}

// The sum of two texts from exact_decimal: same number of decimals.
std::string decimal_sum(std::string a, std::string b) {
  const std::size_t width = std::max(a.size(), b.size());
  a.insert(0, width - a.size(), '0');
  b.insert(0, width - b.size(), '0');
  int carry = 0;
  for (std::size_t i = width; i-- > 0;) {
    if (a[i] == '.') continue;
    const int digit = (a[i] - '0') + (b[i] - '0') + carry;
    carry = digit / 10;
    a[i] = static_cast<char>('0' + digit % 10);
  }
  return carry != 0 ? "1" + a : a;
}

std::string without_trailing_zeros(std::string text) {
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}

// A random count or position below `bound`.
std::size_t below(std::mt19937_64& random, std::size_t bound) {
  return static_cast<std::size_t>(random() % bound);
}

// A float, spread over a wide range of magnitudes.
float random_float(std::mt19937_64& random, double lowest_power, double highest_power) {
  std::uniform_real_distribution<double> power(lowest_power, highest_power);
  return static_cast<float>(std::exp2(power(random)) *
                            (1.0 + static_cast<double>(random() % 100000) / 1e5));
}

// Families of texts, each aimed at one way of going wrong.
enum class Family {
  float_midpoints,    // the exact midpoint above a float, nudged by a digit
  extended_halfways,  // 64-bit halfway points beside float midpoints, nudged
  random_digits,      // random lengths of digits, a point, maybe an exponent
  long_digits,        // thousands of digits that only the last one settles
  far_exponents,      // exponents near and far past the ends of the range
  hexadecimal,        // hexadecimal forms, long mantissas included
  float_values,       // a float's exact value with its last digit moved
};

std::string random_text(Family family, std::mt19937_64& random) {
  char buffer[400];
  switch (family) {
    case Family::float_midpoints: {
      const float f = random_float(random, -30, 30);
      const long double midpoint = (static_cast<long double>(f) + std::nextafter(f, infinity)) / 2;
      std::string text = without_trailing_zeros(exact_decimal(midpoint));
      const auto nudge = random() % 3;
      if (nudge == 1) text += std::string(below(random, 40), '0') + "1";
      if (nudge == 2) text.back() = static_cast<char>(text.back() - 1);
      return text;
    }
    case Family::extended_halfways: {
      // Half a 64-bit step from the midpoint either way: the first rounding
      // ties to even, which decides the second.
      const float f = random_float(random, -30, 30);
      long double midpoint = (static_cast<long double>(f) + std::nextafter(f, infinity)) / 2;
      if (random() % 2 != 0) midpoint = std::nextafter(midpoint, 0.0L);
      const long double half_step = (std::nextafter(midpoint, 4.0L * midpoint) - midpoint) / 2;
      std::string text =
          without_trailing_zeros(decimal_sum(exact_decimal(midpoint), exact_decimal(half_step)));
      const auto nudge = random() % 3;
      if (nudge == 1) text += std::string(below(random, 40), '0') + "1";
      if (nudge == 2) text.back() = static_cast<char>(text.back() - 1);
      return text;
    }
    case Family::random_digits: {
      std::string text;
      const std::size_t length = 1 + below(random, 60);
      for (std::size_t i = 0; i < length; ++i) text += static_cast<char>('0' + random() % 10);
      text.insert(below(random, length + 1), ".");
      if (random() % 2 != 0) text += "e" + std::to_string(static_cast<int>(random() % 100) - 60);
      return text;
    }
    case Family::long_digits: {
      const float f = random_float(random, -20, 20);
      const long double midpoint = (static_cast<long double>(f) + std::nextafter(f, infinity)) / 2;
      std::string text = without_trailing_zeros(exact_decimal(midpoint));
      text += std::string(below(random, 3000), '0');
      if (random() % 2 != 0) text += "1";
      // The same value with the point moved by an exponent.
      if (random() % 2 != 0) {
        const std::size_t point = text.find('.');
        if (point != std::string::npos && point > 1) {
          text.erase(point, 1);
          text.insert(1, ".");
          text += "e" + std::to_string(point - 1);
        }
      }
      return text;
    }
    case Family::far_exponents: {
      std::string text = std::to_string(random() % 1000000) + "." + std::to_string(random() % 1000);
      const std::int64_t exponents[] = {
          static_cast<std::int64_t>(random() % 100) - 50,
          static_cast<std::int64_t>(random() % 40) - 60,
          static_cast<std::int64_t>(random() % 40) + 25,
          static_cast<std::int64_t>(random() % 2000) - 1000,
          static_cast<std::int64_t>(random() % 2) != 0 ? 99999999999 : -99999999999,
      };
      const std::int64_t exponent = exponents[random() % 5];
      return text + (random() % 2 != 0 ? "e" : "E") +
             (exponent >= 0 && random() % 2 != 0 ? "+" : "") + std::to_string(exponent);
    }
    case Family::hexadecimal: {
      const double value = std::exp2(std::uniform_real_distribution<double>(-160, 140)(random)) *
                           (1.0 + static_cast<double>(random() % 100000) / 1e5);
      std::snprintf(buffer, sizeof buffer, random() % 2 != 0 ? "%a" : "%A", value);
      std::string text = buffer;
      const std::size_t exponent = text.find_first_of("pP");
      if (random() % 2 != 0) text.insert(exponent, std::string(below(random, 200), '0') + "1");
      return text;
    }
    case Family::float_values: {
      const float f = std::ldexp(static_cast<float>(random() % (1U << 24)),
                                 static_cast<int>(random() % 60) - 170);
      std::snprintf(buffer, sizeof buffer, "%.60e", static_cast<double>(f));
      return buffer;
    }
  }
  return {};
}

struct DifferentialCase {
  Family family;
  int texts;
  const char* name;
};

void PrintTo(const DifferentialCase& c, std::ostream* out) {
  *out << c.name;
}

class AgreesWithStrtold : public testing::TestWithParam<DifferentialCase> {};

TEST_P(AgreesWithStrtold, RoundedToFloat) {
  if (std::numeric_limits<long double>::digits != 64) {
    GTEST_SKIP() << "long double has no 64-bit significand here";
  }
  std::mt19937_64 random(20261208 + static_cast<unsigned>(GetParam().family));
  for (int round = 0; round < GetParam().texts; ++round) {
    std::string text = random_text(GetParam().family, random);
    const auto sign = random() % 3;
    if (sign != 0) text.insert(0, sign == 1 ? "-" : "+");
    std::size_t consumed = 0;
    const std::optional<float> expected = by_strtold(text, consumed);
    ASSERT_TRUE(expected.has_value()) << text;
    // Chunks of 1 to 4096 bytes, and whole.
    const std::size_t chunk = round % 8 == 0 ? SIZE_MAX : std::size_t{1} << (round % 13);
    expect_reads_in_chunks({text, expected, text.substr(consumed)}, chunk);
    if (testing::Test::HasFailure()) return;
  }
}

INSTANTIATE_TEST_SUITE_P(
    ReadFloat, AgreesWithStrtold,
    testing::Values(DifferentialCase{Family::float_midpoints, 500'000, "FloatMidpoints"},
                    DifferentialCase{Family::extended_halfways, 500'000, "ExtendedHalfways"},
                    DifferentialCase{Family::random_digits, 500'000, "RandomDigits"},
                    DifferentialCase{Family::long_digits, 20'000, "LongDigits"},
                    DifferentialCase{Family::far_exponents, 500'000, "FarExponents"},
                    DifferentialCase{Family::hexadecimal, 500'000, "Hexadecimal"},
                    DifferentialCase{Family::float_values, 150'000, "FloatValues"}),
    [](const testing::TestParamInfo<DifferentialCase>& c) { return std::string(c.param.name); });

}  // namespace
}  // namespace delartal::test
