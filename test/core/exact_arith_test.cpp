#include "exact_arith.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace delartal::test {
namespace {

constexpr float infinity = std::numeric_limits<float>::infinity();
constexpr float nan = std::numeric_limits<float>::quiet_NaN();
constexpr std::int32_t int32_max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32_min = std::numeric_limits<std::int32_t>::min();

TEST(ExactArith, OffsetsAreTheDoublesNearestTheMenuFigures) {
  EXPECT_EQ(std::ldexp(static_cast<double>(offset_70_2), -46), 70.2);
  EXPECT_EQ(std::ldexp(static_cast<double>(offset_70_1), -46), 70.1);
}

struct StepCase {
  float f;
  std::uint64_t offset;
  float a;  // f / 2 less the offset
  float q;  // a / 0.00625
};

// Worked out in exact rational arithmetic, apart from the program.
TEST(ExactArith, ComputesDifferenceAndQuotient) {
  const StepCase cases[] = {
      {146.0F, offset_70_2, 0x1.666666p+1F, 448.0F},
      {0x1.18ccccp+7F, offset_70_2, -0x1.99999ap-19F, -0x1p-11F},    // 140.4
      {0x1.233666p+7F, offset_70_2, 0x1.4d3326p+1F, 0x1.a07ffp+8F},  // 145.60625
      {0x1.240334p+7F, offset_70_2, 0x1.66cce6p+1F, 0x1.c0802p+8F},  // 146.00625
      {146.03125F, offset_70_2, 0x1.686666p+1F, 450.5F},
      {0x1.4ac666p+7F, offset_70_2, 0x1.8fcccap+3F, 0x1.f3bffcp+10F},  // 165.3875
      {265.1875F, offset_70_1, 0x1.f3f334p+5F, 9999.0F},
      // Half a step between 96 and 97: a double intermediate would make the
      // quotient 96.5 and the divider 97.
      {141.40625F, offset_70_1, 0x1.34ccccp-1F, 0x1.81fffep+6F},
  };
  for (const StepCase& c : cases) {
    const std::optional<float> a = halved_less_offset(c.f, c.offset);
    ASSERT_TRUE(a.has_value()) << c.f;
    EXPECT_EQ(*a, c.a) << std::hexfloat << c.f << " gave " << *a;
    EXPECT_EQ(per_step(c.a), c.q) << std::hexfloat << c.a << " gave " << per_step(c.a);
    EXPECT_EQ(per_step(-c.a), -c.q) << std::hexfloat << c.a;
  }
  EXPECT_EQ(per_step(0.0F), 0.0F);
  EXPECT_EQ(per_step(infinity), infinity);
  EXPECT_TRUE(std::isnan(per_step(nan)));
}

TEST(ExactArith, RefusesFrequenciesFarOutsideTheBand) {
  for (const float f : {63.99F, -146.0F, 0.0F, 1024.0F, 1e30F, infinity, -infinity, nan}) {
    EXPECT_FALSE(halved_less_offset(f, offset_70_2).has_value()) << f;
  }
  // At the edges of what is computed the dividers lie far outside 0..9999, so
  // no frequency refused above could have had one inside.
  const float lowest = 64.0F;
  const float highest = std::nextafter(1024.0F, 0.0F);
  EXPECT_LT(nearest_half_up(per_step(*halved_less_offset(lowest, offset_70_1))), -6000);
  EXPECT_GT(nearest_half_up(per_step(*halved_less_offset(highest, offset_70_2))), 70000);
}

TEST(ExactArith, RoundsHalvesUpward) {
  const struct {
    float q;
    std::int32_t n;
  } cases[] = {
      {417.000244140625F, 417},
      {448.5F, 449},
      {416.499755859375F, 416},
      {1998.999755859375F, 1999},
      {0.5F, 1},
      {0.49999997F, 0},
      {0.0F, 0},
      {1e-30F, 0},
      {-1e-30F, 0},
      {-0x1p-11F, 0},
      {-0.49999997F, 0},
      {-0.5F, 0},
      {-0.50000006F, -1},
      {-1.5F, -1},
      {-2.5F, -2},
      {-2.6F, -3},
      {3.0F, 3},
      {-3.0F, -3},
      {8388607.5F, 8388608},
      {2147483520.0F, 2147483520},  // the largest float below 2^31
      {-2147483648.0F, int32_min},
      {2147483648.0F, int32_max},
      {1e30F, int32_max},
      {-1e30F, int32_min},
      {infinity, int32_max},
      {-infinity, int32_min},
      {nan, int32_max},
  };
  for (const auto& c : cases) EXPECT_EQ(nearest_half_up(c.q), c.n) << std::hexfloat << c.q;
}

TEST(ExactArith, ScalesToTenThousandthsHalvesAwayFromZero) {
  const struct {
    float f;
    std::uint64_t scaled;
  } cases[] = {
      {146.0F, 1460000},
      {146.03125F, 1460313},
      {-146.03125F, 1460313},
      {141.40625F, 1414063},
      {0x1.240334p+7F, 1460063},  // 146.0062561...
      {0x1.233666p+7F, 1456062},  // 145.6062469...
      {0.0F, 0},
      {0.00005F, 0},  // the float lies a little below 0.00005
      {0.00015F, 2},
      {1e-30F, 0},
      {1048576.5F, 10485765000},
      {0x1.fffffep39F, 10995115622400000},
      {0x1p40F, std::numeric_limits<std::uint64_t>::max()},
  };
  for (const auto& c : cases) EXPECT_EQ(ten_thousandths(c.f), c.scaled) << std::hexfloat << c.f;
}

}  // namespace
}  // namespace delartal::test
