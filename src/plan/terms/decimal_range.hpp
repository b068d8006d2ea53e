// START:STOP[:STEP] in MHz, stepped through in exact decimal arithmetic on the
// typed digits, so that 145:145.05:0.0125 gives 145.0375 and never
// 145.03749999.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "text_buffer.hpp"

namespace delartal::plan {

// Each value is a whole number of units of 10^-scale MHz.
struct DecimalRange {
  std::uint64_t start = 0;
  std::uint64_t stop = 0;
  std::uint64_t step = 0;
  int scale = 0;
};

// The most frequencies one range may stand for.
constexpr std::uint64_t max_range_size = 1'000'000;

// Whether the text is meant as a range rather than a single frequency.
constexpr bool looks_like_range(std::string_view text) {
  return text.find(':') != std::string_view::npos;
}

// Whether the text gives frequencies: it reads as one, or is meant as a range.
bool gives_frequencies(std::string_view text);

// Reads START:STOP[:STEP], each a plain decimal with a full stop or a comma
// ("145", "145.5", "0,0125"); STEP is 0.0125 when left out. Empty, with
// `fault` saying why, for anything else, a STEP that is not positive, a STOP
// below START, or more than max_range_size frequencies.
std::optional<DecimalRange> read_range(std::string_view text, std::string& fault);

// How many frequencies the range stands for: START, START + STEP, ... up to
// and including STOP.
std::uint64_t range_size(const DecimalRange& range);

// The index-th of them as decimal text without trailing zeros ("145.0375").
TextBuffer<32> range_value(const DecimalRange& range, std::uint64_t index);

}  // namespace delartal::plan
