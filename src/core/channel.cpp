#include "channel.hpp"

#include <cmath>

#include "exact_arith.hpp"
#include "format_fixed.hpp"

namespace delartal {
namespace {

TextBuffer<32> decimals_of(std::uint64_t units, int decimals) {
  TextBuffer<32> text;
  text.append_decimal(units / 10000);
  if (decimals == 0) return text;
  text.append(".");
  std::uint64_t unit = 1;
  for (int i = decimals; i < 4; ++i) unit *= 10;
  text.append_decimal(units % 10000 / unit, decimals);
  return text;
}

}  // namespace

// Channel 0 lies at twice the variant's offset, and each divider adds 125
// ten-thousandths of a MHz.
std::uint64_t channel_units(std::int32_t n, std::int32_t ver) {
  const std::uint64_t base = ver == 1 ? 1'404'000 : 1'402'000;
  return base + 125 * static_cast<std::uint64_t>(n);
}

TextBuffer<32> channel_frequency(std::int32_t n, std::int32_t ver) {
  return decimals_of(channel_units(n, ver), 4);
}

TextBuffer<32> channel_frequency_short(std::int32_t n, std::int32_t ver) {
  const std::uint64_t units = channel_units(n, ver);
  int decimals = 4;
  for (std::uint64_t unit = 10; decimals > 0 && units % unit == 0; unit *= 10) --decimals;
  return decimals_of(units, decimals);
}

bool shows_channel(float f, std::int32_t n, std::int32_t ver) {
  return !std::signbit(f) && ten_thousandths(f) == channel_units(n, ver);
}

TextBuffer<96> channel_notice(float f, std::int32_t n, std::int32_t ver) {
  TextBuffer<96> text;
  text.append("delartalet ");
  text.append_decimal(static_cast<std::uint64_t>(n));
  text.append(" ger kanalen ");
  text.append(channel_frequency(n, ver).view());
  text.append(" MHz, inte ");
  text.append(four_decimals(f).view());
  return text;
}

}  // namespace delartal
