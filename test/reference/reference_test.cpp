// The reference checked on values worked out by hand, so that agreeing with
// it means something.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "big_uint.hpp"
#include "dialogue_text.hpp"
#include "reference_dialogue.hpp"
#include "reference_divider.hpp"
#include "reference_read.hpp"
#include "report_text.hpp"

namespace delartal::test {
namespace {

TEST(Reference, DividesBigIntegers) {
  reference::BigUint dividend = reference::BigUint::power(10, 30);
  dividend.multiply_add(1, 1);
  const reference::Division d = reference::divide(dividend, reference::BigUint::power(10, 12));
  EXPECT_EQ(d.quotient.to_u64(), 1'000'000'000'000'000'000U);
  EXPECT_FALSE(d.exact);
  const reference::Division whole =
      reference::divide(reference::BigUint::power(6, 40), reference::BigUint::power(3, 40));
  EXPECT_EQ(whole.quotient.to_u64(), std::uint64_t{1} << 40);
  EXPECT_TRUE(whole.exact);
}

// dividend = divisor * (high * 2^32 + low) + remainder, with remainder < divisor.
TEST(Reference, DividesBackWhatWasMultiplied) {
  std::mt19937_64 random(7);
  for (int round = 0; round < 20000; ++round) {
    reference::BigUint divisor(random() | 1U);
    for (std::uint64_t limbs = random() % 4; limbs > 0; --limbs) {
      divisor.multiply_add(static_cast<std::uint32_t>(random()),
                           static_cast<std::uint32_t>(random()));
    }
    const auto high = static_cast<std::uint32_t>(random() >> (random() % 33));
    const auto low = static_cast<std::uint32_t>(random());
    reference::BigUint dividend = divisor;
    dividend.multiply_add(high, 0).shift_left(32);
    reference::BigUint low_part = divisor;
    dividend.add(low_part.multiply_add(low, 0));
    // A remainder below the divisor: the divisor shifted down, or nothing.
    reference::BigUint remainder = divisor;
    remainder.shift_right(1 + static_cast<std::size_t>(random() % 70));
    if (round % 3 == 0) remainder = reference::BigUint();
    dividend.add(remainder);

    const reference::Division d = reference::divide(dividend, divisor);
    ASSERT_EQ(d.quotient.to_u64(), (std::uint64_t{high} << 32) | low) << round;
    ASSERT_EQ(d.exact, remainder.is_zero()) << round;
  }
}

struct ReadCase {
  const char* text;
  std::size_t length;
  float value;
};

TEST(Reference, ReadsFloats) {
  const ReadCase cases[] = {
      {"146", 3, 146.0F},
      {"146.00625", 9, 0x1.240334p+7F},
      {"1.46e2x", 6, 146.0F},
      {"146e+", 3, 146.0F},
      {"146,5", 3, 146.0F},
      {"-.5e1", 5, -5.0F},
      {"0x1.8p1", 7, 3.0F},
      {"0x", 1, 0.0F},
      {"0x.p1", 1, 0.0F},
      {"0x1p", 3, 1.0F},
      {"1e39", 4, INFINITY},
      {"-1e-50", 6, -0.0F},
      {"0x1p-149", 8, 0x1p-149F},
      {"0x1p-150", 8, 0.0F},
      {"0x1.000001p-150", 15, 0x1p-149F},
      // Between two floats: the 64-bit rounding decides. The first rounds down
      // to the halfway point and then to even; the second lies above it.
      {"146.0312423706054687499999999", 29, 0x1.241p+7F},
      {"146.03124237060546775", 21, 0x1.240ffep+7F},
      {"1e999999999999999999999", 23, INFINITY},
      {"1e-999999999999999999999", 24, 0.0F},
  };
  for (const ReadCase& c : cases) {
    const reference::FloatRead read = reference::read_float(c.text);
    EXPECT_EQ(read.length, c.length) << c.text;
    EXPECT_EQ(read.value, c.value) << c.text;
    EXPECT_EQ(std::signbit(read.value), std::signbit(c.value)) << c.text;
  }
  for (const char* text : {"", "-", "+.", ".e1", "e1", "inf", "nan", " 1"}) {
    EXPECT_EQ(reference::read_float(text).length, 0U) << text;
  }
}

TEST(Reference, ReadsIntegers) {
  const struct {
    const char* text;
    std::size_t length;
    std::optional<std::int32_t> value;
  } cases[] = {
      {"2", 1, 2},
      {"02", 2, 2},
      {"0x2", 3, 2},
      {"0b10", 4, 2},
      {"08", 1, 0},
      {"0x", 1, 0},
      {"0b2", 1, 0},
      {"-0x80000000", 11, INT32_MIN},
      {"2147483648", 10, std::nullopt},
      {"+17 ", 3, 17},
  };
  for (const auto& c : cases) {
    const reference::IntegerRead read = reference::read_integer(c.text);
    EXPECT_EQ(read.length, c.length) << c.text;
    EXPECT_EQ(read.value, c.value) << c.text;
  }
  for (const char* text : {"", "-", "x1", " 1"}) {
    EXPECT_EQ(reference::read_integer(text).length, 0U) << text;
  }
}

struct DividerCase {
  float f;
  int variant;
  float a;
  float q;
  std::int64_t divider;
  std::uint64_t ten_thousandths;
};

TEST(Reference, ComputesTheDivider) {
  const DividerCase cases[] = {
      {146.0F, 1, 0x1.666666p+1F, 448.0F, 448, 1460000},
      {0x1.18ccccp+7F, 1, -0x1.99999ap-19F, -0x1p-11F, 0, 1404000},      // 140.4
      {0x1.233666p+7F, 1, 0x1.4d3326p+1F, 0x1.a07ffp+8F, 416, 1456062},  // 145.60625
      {0x1.240334p+7F, 1, 0x1.66cce6p+1F, 0x1.c0802p+8F, 449, 1460063},  // 146.00625
      {146.03125F, 1, 0x1.686666p+1F, 450.5F, 451, 1460313},
      {0x1.4ac666p+7F, 1, 0x1.8fcccap+3F, 0x1.f3bffcp+10F, 1999, 1653875},  // 165.3875
      {265.1875F, 2, 0x1.f3f334p+5F, 9999.0F, 9999, 2651875},
      {141.40625F, 2, 0x1.34ccccp-1F, 0x1.81fffep+6F, 96, 1414063},
  };
  for (const DividerCase& c : cases) {
    const reference::DividerSteps steps = reference::divider_steps(c.f, c.variant);
    EXPECT_EQ(steps.a, c.a) << c.f;
    EXPECT_EQ(steps.q, c.q) << c.f;
    EXPECT_EQ(steps.divider, c.divider) << c.f;
    EXPECT_EQ(reference::ten_thousandths(c.f), c.ten_thousandths) << c.f;
  }
}

TEST(Reference, RunsTheDialogue) {
  const ReportRow row = {"146", 1, "146.0000", 448, {"x x x x", "x V x x", "x V x x", "V x x x"}};
  const reference::Transcript t = reference::dialogue("3\n1 146\n");
  EXPECT_EQ(t.out, menu + not_a_variant + menu + prompt + report_text(row) + closing);
  EXPECT_EQ(t.status, 0);

  const reference::Transcript ended = reference::dialogue("1\n");
  EXPECT_EQ(ended.out, menu + prompt);
  EXPECT_EQ(ended.status, 1);
  EXPECT_EQ(ended.err, "\n" + test::ended);
}

}  // namespace
}  // namespace delartal::test
