#include "terms/band.hpp"

#include <cmath>
#include <string_view>

#include "decimal_text.hpp"
#include "float_bits.hpp"
#include "input.hpp"
#include "matrix_report.hpp"
#include "read_float.hpp"

namespace delartal::plan {
namespace {

// Positive floats are ordered as their bits are; the calculation has
// dividers from 64 MHz (0x1p6) up to 1024 MHz (0x1p10).
constexpr std::uint32_t lowest_bits = 0x42800000;
constexpr std::uint32_t beyond_bits = 0x44800000;

std::int32_t divider_at(std::uint32_t bits, std::int32_t ver) {
  return *calculated_divider(float_of(bits), ver);
}

// The bits of the lowest frequency whose divider is n (0 or more) or more. The
// channel formula only says where to start looking: from there the
// calculation's own answers bracket the place, galloping, and then halve it.
std::uint32_t first_reaching(std::int32_t n, std::int32_t ver) {
  // At 64 MHz the divider is below -6000; past 1024 MHz there is none.
  std::uint32_t below = lowest_bits;     // its divider is below n
  std::uint32_t reaching = beyond_bits;  // its divider is n or more, or it lies past the end
  const double offset = ver == 1 ? 70.2 : 70.1;
  const std::uint32_t start = bits_of(static_cast<float>(2 * offset + (n - 0.5) * 0.0125));
  if (divider_at(start, ver) >= n) {
    reaching = start;
    for (std::uint32_t step = 1; reaching - below > step; step *= 2) {
      if (divider_at(reaching - step, ver) < n) {
        below = reaching - step;
        break;
      }
      reaching -= step;
    }
  } else {
    below = start;
    for (std::uint32_t step = 1; reaching - below > step; step *= 2) {
      if (divider_at(below + step, ver) >= n) {
        reaching = below + step;
        break;
      }
      below += step;
    }
  }
  while (reaching - below > 1) {
    const std::uint32_t middle = below + (reaching - below) / 2;
    if (divider_at(middle, ver) >= n) {
      reaching = middle;
    } else {
      below = middle;
    }
  }
  return reaching;
}

bool reads_back_as(std::string_view text, float f) {
  TextSource source(text);
  Input in(source);
  const std::optional<float> value = read_float(in);
  return value && *value == f && in.peek() == end_of_input;
}

}  // namespace

std::optional<Band> band_of(std::int32_t n, std::int32_t ver) {
  if (n < 0) return std::nullopt;
  // The divider never falls as the frequency grows, so all from the first
  // reaching n up to the first reaching n + 1 give n, and none else does.
  const std::uint32_t lowest = first_reaching(n, ver);
  const std::uint32_t beyond = first_reaching(n + 1, ver);
  if (lowest >= beyond) return std::nullopt;
  return Band{float_of(lowest), float_of(beyond - 1)};
}

TextBuffer<32> shortest_text(float f) {
  // f = magnitude / 2^shift exactly, with magnitude below 2^24 and shift from
  // 14 to 17 here. A text with `decimals` decimals is units / 10^decimals;
  // only one within a unit in the last place of f can read back as f, and
  // only the nearest or its neighbours can be that close.
  if (!(f >= 64.0F && f < 1024.0F)) return {};
  const SplitFloat parts = split(f);
  const int shift = -parts.exponent;
  const std::uint64_t magnitude = parts.magnitude;
  constexpr int most_decimals = 9;
  for (int decimals = 0; decimals < most_decimals; ++decimals) {
    const std::uint64_t scale = power_of_ten(decimals);
    const std::uint64_t scaled = magnitude * scale;  // f * 10^decimals * 2^shift, below 2^54
    const std::uint64_t nearest = (scaled + (std::uint64_t{1} << (shift - 1))) >> shift;
    std::optional<std::uint64_t> best;
    std::uint64_t best_distance = 0;
    for (const std::uint64_t units : {nearest, nearest - 1, nearest + 1}) {
      const std::uint64_t at = units << shift;  // below 2^58
      const std::uint64_t distance = at > scaled ? at - scaled : scaled - at;
      if (distance > scale || (best && distance >= best_distance)) continue;
      if (!reads_back_as(decimal_text(units, decimals).view(), f)) continue;
      best = units;
      best_distance = distance;
    }
    if (best) return decimal_text(*best, decimals);
  }
  // Nine decimals put the nearest text within 10^-9 MHz of f, deep inside
  // what reads back as f: a unit in its last place is 2^-17 MHz at least.
  const std::uint64_t scaled = magnitude * power_of_ten(most_decimals);
  return decimal_text((scaled + (std::uint64_t{1} << (shift - 1))) >> shift, most_decimals);
}

}  // namespace delartal::plan
