// The band of every divider, for both variants, checked against the exact
// reference: its ends read back as themselves and give the divider, the
// floats just outside do not, and no shorter text would have done.
#include "terms/band.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "reference_divider.hpp"
#include "reference_read.hpp"

namespace delartal::plan {
namespace {

std::int64_t reference_divider(float f, int variant) {
  return reference::divider_steps(f, variant).divider;
}

// Whether the reference reads the whole text as exactly f.
bool reads_as(const std::string& text, float f) {
  const reference::FloatRead read = reference::read_float(text);
  return read.length == text.size() && read.value == f;
}

// The texts with one decimal fewer than `text` nearest its value: the
// nearest itself and one either side, none of which may read as f.
bool a_shorter_text_reads_as(const std::string& text, float f) {
  const std::size_t point = text.find('.');
  if (point == std::string::npos) return false;
  std::string digits = text.substr(0, point) + text.substr(point + 1);
  const std::size_t decimals = text.size() - point - 1;
  const long long units = std::stoll(digits);
  const long long rounded = (units + 5) / 10;
  for (const long long candidate : {rounded - 1, rounded, rounded + 1}) {
    std::string shorter = std::to_string(candidate);
    if (decimals > 1) shorter.insert(shorter.size() - (decimals - 1), ".");
    if (reads_as(shorter, f)) return true;
  }
  return false;
}

void check_variant(int variant) {
  int faults = 0;
  for (std::int32_t n = 0; n <= 9999 && faults < 10; ++n) {
    const std::optional<Band> band = band_of(n, variant);
    ASSERT_TRUE(band.has_value()) << n;
    const std::string lowest = std::string(shortest_text(band->lowest).view());
    const std::string highest = std::string(shortest_text(band->highest).view());
    const bool good = reads_as(lowest, band->lowest) && reads_as(highest, band->highest) &&
                      reference_divider(band->lowest, variant) == n &&
                      reference_divider(band->highest, variant) == n &&
                      reference_divider(std::nextafter(band->lowest, 0.0F), variant) == n - 1 &&
                      reference_divider(std::nextafter(band->highest, 1e9F), variant) == n + 1 &&
                      !a_shorter_text_reads_as(lowest, band->lowest) &&
                      !a_shorter_text_reads_as(highest, band->highest);
    if (!good) {
      ++faults;
      ADD_FAILURE() << "divider " << n << ", variant " << variant << ": " << lowest << " to "
                    << highest;
    }
  }
}

TEST(Band, EveryDividerOfVariant1MatchesTheReference) {
  check_variant(1);
}

TEST(Band, EveryDividerOfVariant2MatchesTheReference) {
  check_variant(2);
}

// Where the single-precision steps put the half-step ties: 145.60625 gives
// 416 but 146.00625 gives 449 with variant 1.
TEST(Band, HalfStepsFallWhereTheCalculationPutsThem) {
  const struct {
    const char* typed;
    std::int32_t divider;
  } cases[] = {{"145.60625", 416}, {"146.00625", 449}, {"146.03125", 451}};
  for (const auto& c : cases) {
    const float f = reference::read_float(c.typed).value;
    const std::optional<Band> band = band_of(c.divider, 1);
    ASSERT_TRUE(band.has_value());
    EXPECT_TRUE(band->lowest <= f && f <= band->highest) << c.typed;
  }
}

}  // namespace
}  // namespace delartal::plan
