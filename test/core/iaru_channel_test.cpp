#include "iaru_channel.hpp"

#include <gtest/gtest.h>

namespace delartal {
namespace {

// The frequencies are written out from the band plan: V00 at 145.000 MHz,
// 12.5 kHz a channel.
TEST(IaruChannel, NamesReadAsTheirFrequencies) {
  const struct {
    const char* name;
    const char* frequency;
  } cases[] = {
      {"V00", "145.0000"},
      {"V40", "145.5000"},
      {"v63", "145.7875"},
      {"RV48", "145.6000"},
      {"rv00", "145.0000"},
      {"Rv63", "145.7875"},
      {"R0", "145.6000"},
      {"R6", "145.7500"},
      {"R7", "145.7750"},
      {"R2x", "145.6625"},
      {"r2X", "145.6625"},
      {"R7x", "145.7875"},
      {"S8", "145.2000"},
      {"S20", "145.5000"},
      {"s23", "145.5750"},
      // Not channel names: out of the plan, cut short, or the wrong form.
      {"V64", ""},
      {"RV4", ""},
      {"V4", ""},
      {"V040", ""},
      {"R8", ""},
      {"R8x", ""},
      {"R2y", ""},
      {"R10", ""},
      {"S7", ""},
      {"S24", ""},
      {"S08", ""},
      {"RV", ""},
      {"V", ""},
      {"", ""},
      {"V4O", ""},
      {"X40", ""},
      {"V-1", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(iaru_frequency(c.name).view(), c.frequency) << c.name;
}

// Variant 1's divider 368 and variant 2's 384 are 145.000 MHz.
TEST(IaruChannel, NamesTheChannelsOfTheTwoMetreSubband) {
  const struct {
    std::int32_t divider;
    std::int32_t variant;
    const char* name;
  } cases[] = {
      {367, 1, ""},     {368, 1, "V00"}, {377, 1, "V09"}, {415, 1, "V47"}, {416, 1, "RV48"},
      {431, 1, "RV63"}, {432, 1, ""},    {383, 2, ""},    {384, 2, "V00"}, {432, 2, "RV48"},
      {447, 2, "RV63"}, {448, 2, ""},    {0, 1, ""},      {9999, 2, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(iaru_name(c.divider, c.variant).view(), c.name) << c.divider << " " << c.variant;
  }
}

}  // namespace
}  // namespace delartal
