#include "read_float.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
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

void expect_reads(const FloatCase& c) {
  StringSource source(c.text);
  Input in(source);
  const std::optional<float> value = read_float(in);
  const std::string shown = c.text.size() > 80 ? c.text.substr(0, 80) + "..." : c.text;
  ASSERT_EQ(value.has_value(), c.value.has_value()) << shown;
  if (value) {
    EXPECT_EQ(*value, *c.value) << shown << " read as " << std::hexfloat << *value;
    EXPECT_EQ(std::signbit(*value), std::signbit(*c.value)) << shown;
  }
  EXPECT_EQ(rest_of(in), c.rest) << shown;
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

// Texts near float midpoints and 64-bit halfway points, long and short, with
// exponents small and huge, decimal and hexadecimal.
std::string random_text(std::mt19937_64& random) {
  std::uniform_real_distribution<double> band(-30.0, 30.0);
  char buffer[256];
  switch (random() % 4) {
    case 0: {  // the exact midpoint above a float, nudged by a few digits
      const auto f = static_cast<float>(std::exp2(band(random)) *
                                        (1.0 + static_cast<double>(random() % 1000) / 1e3));
      const double midpoint = (static_cast<double>(f) + std::nextafter(f, infinity)) / 2;
      std::snprintf(buffer, sizeof buffer, "%.70f", midpoint);
      std::string text = buffer;
      text.erase(text.find_last_not_of('0') + 1);
      const int nudge = static_cast<int>(random() % 3);
      if (nudge == 1) text += std::string(random() % 40, '0') + "1";
      if (nudge == 2 && text.back() != '.') text.back() = static_cast<char>(text.back() - 1);
      return text;
    }
    case 1: {  // random digits and point, maybe an exponent
      std::string text;
      const std::size_t length = 1 + random() % 60;
      for (std::size_t i = 0; i < length; ++i) text += static_cast<char>('0' + random() % 10);
      text.insert(random() % (length + 1), ".");
      if (random() % 2) text += "e" + std::to_string(static_cast<int>(random() % 100) - 60);
      return text;
    }
    case 2: {  // hexadecimal
      const double value =
          std::exp2(band(random) * 5) * (1.0 + static_cast<double>(random() % 100000) / 1e5);
      std::snprintf(buffer, sizeof buffer, "%a", value);
      std::string text = buffer;
      if (random() % 2) text.insert(text.find('p'), std::string(random() % 20, '0') + "1");
      return text;
    }
    default: {  // a float's exact value with its last digit moved either way
      const float f = std::ldexp(static_cast<float>(random() % (1U << 24)),
                                 static_cast<int>(random() % 60) - 170);
      std::snprintf(buffer, sizeof buffer, "%.60e", static_cast<double>(f));
      return buffer;
    }
  }
}

TEST(ReadFloat, AgreesWithStrtoldRoundedToFloat) {
  if (std::numeric_limits<long double>::digits != 64) {
    GTEST_SKIP() << "long double has no 64-bit significand here";
  }
  std::mt19937_64 random(20261208);
  for (int round = 0; round < 300000; ++round) {
    const std::string text = random_text(random);
    std::size_t consumed = 0;
    const std::optional<float> expected = by_strtold(text, consumed);
    ASSERT_TRUE(expected.has_value()) << text;
    expect_reads({text, expected, text.substr(consumed)});
  }
}

}  // namespace
}  // namespace delartal::test
