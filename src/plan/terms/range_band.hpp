// The part of a range whose frequencies give a divider 0..9999 with one
// variant, found without stepping through the range: a range of a million
// frequencies far outside the band costs a few dozen reads.
#pragma once

#include <cstdint>

#include "terms/decimal_range.hpp"

namespace delartal::plan {

// Indices `first` up to, not including, `end` of a range.
struct IndexSpan {
  std::uint64_t first = 0;
  std::uint64_t end = 0;

  std::uint64_t size() const { return end > first ? end - first : 0; }
  bool holds(std::uint64_t index) const { return index >= first && index < end; }
};

// The indices of the range's frequencies that variant ver (1 or 2) gives a
// divider 0..9999. They lie together, since a range's frequencies grow with
// their index and the divider never falls as the frequency grows.
IndexSpan band_span(const DecimalRange& range, std::int32_t ver);

}  // namespace delartal::plan
