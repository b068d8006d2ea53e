#include "terms/range_band.hpp"

#include <limits>
#include <optional>

#include "matrix_report.hpp"
#include "terms/typed_frequency.hpp"

namespace delartal::plan {
namespace {

// The divider of the index-th frequency, the calculation's own, or the
// lowest or highest of all where the calculation has none: below 64 MHz
// every divider lies under 0, from 1024 MHz on above 9999.
std::int64_t divider_at(const DecimalRange& range, std::uint64_t index, std::int32_t ver) {
  // A range's values are plain decimals, which always read.
  const float f = read_typed_frequency(range_value(range, index).view()).value().value;
  if (const std::optional<std::int32_t> n = calculated_divider(f, ver)) return *n;
  return f < 64.0F ? std::numeric_limits<std::int64_t>::min()
                   : std::numeric_limits<std::int64_t>::max();
}

// The first index whose divider is `divider` or more; the range's size when
// there is none.
std::uint64_t first_reaching(const DecimalRange& range, std::int64_t divider, std::int32_t ver) {
  std::uint64_t below = 0;
  std::uint64_t reaching = range_size(range);
  while (below < reaching) {
    const std::uint64_t middle = below + (reaching - below) / 2;
    if (divider_at(range, middle, ver) >= divider) {
      reaching = middle;
    } else {
      below = middle + 1;
    }
  }
  return reaching;
}

}  // namespace

IndexSpan band_span(const DecimalRange& range, std::int32_t ver) {
  return {first_reaching(range, 0, ver), first_reaching(range, 10000, ver)};
}

}  // namespace delartal::plan
