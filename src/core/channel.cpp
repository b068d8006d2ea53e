#include "channel.hpp"

#include <cmath>

#include "decimal_text.hpp"
#include "exact_arith.hpp"
#include "format_fixed.hpp"

namespace delartal {

// Channel 0 lies at twice the variant's offset, and each divider adds 125
// ten-thousandths of a MHz.
std::uint64_t channel_units(std::int32_t n, std::int32_t ver) {
  const std::uint64_t base = ver == 1 ? 1'404'000 : 1'402'000;
  return base + 125 * static_cast<std::uint64_t>(n);
}

TextBuffer<32> channel_frequency(std::int32_t n, std::int32_t ver) {
  return decimal_text(channel_units(n, ver), 4);
}

TextBuffer<32> channel_frequency_short(std::int32_t n, std::int32_t ver) {
  return short_decimal_text(channel_units(n, ver), 4);
}

bool shows_channel(float f, std::int32_t n, std::int32_t ver) {
  return !std::signbit(f) && ten_thousandths(f) == channel_units(n, ver);
}

TextBuffer<96> channel_notice(float f, std::int32_t n, std::int32_t ver) {
  TextBuffer<96> text;
  if (shows_channel(f, n, ver)) return text;
  text.append("Obs: delartalet ");
  text.append_decimal(static_cast<std::uint64_t>(n));
  text.append(" ger kanalen ");
  text.append(channel_frequency(n, ver).view());
  text.append(" MHz, inte ");
  text.append(four_decimals(f).view());
  text.append(".");
  return text;
}

}  // namespace delartal
