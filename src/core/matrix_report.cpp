#include "matrix_report.hpp"

#include <cstring>
#include <optional>

#include "exact_arith.hpp"
#include "format_fixed.hpp"
#include "text_buffer.hpp"

namespace delartal {
namespace {

std::optional<std::uint64_t> offset_of(std::int32_t ver) {
  if (ver == 1) return offset_70_2;
  if (ver == 2) return offset_70_1;
  return std::nullopt;
}

}  // namespace

void i2bcd(std::int32_t num, std::array<char, 10>& str) {
  static constexpr const char* patterns[10] = {
      "x x x x", "x x x V", "x x V x", "x x V V", "x V x x",
      "x V x V", "x V V x", "x V V V", "V x x x", "V x x V",
  };
  if (num < 0 || num > 9) return;
  std::memcpy(str.data(), patterns[num], 8);
}

std::int32_t round_off(float a) {
  return nearest_half_up(a);
}

bool printN(TextSink& out, float f, std::int32_t ver) {
  const std::optional<std::uint64_t> offset = offset_of(ver);
  if (!offset) return false;
  const std::optional<float> a = halved_less_offset(f, *offset);
  if (!a) return false;
  const std::int32_t n = round_off(per_step(*a));
  if (n < 0 || n > 9999) return false;

  const std::int32_t thousend = n / 1000;
  const std::int32_t hundred = (n - 1000 * thousend) / 100;
  const std::int32_t ten = (n - 1000 * thousend - 100 * hundred) / 10;
  const std::int32_t one = n - 1000 * thousend - 100 * hundred - 10 * ten;
  std::array<char, 10> bcd3{};
  std::array<char, 10> bcd2{};
  std::array<char, 10> bcd1{};
  std::array<char, 10> bcd0{};
  i2bcd(thousend, bcd3);
  i2bcd(hundred, bcd2);
  i2bcd(ten, bcd1);
  i2bcd(one, bcd0);

  TextBuffer<256> report;
  report.append("\n\n\n Frekvensen ");
  report.append(four_decimals(f).view());
  report.append(" ger delartalet ");
  report.append_decimal(static_cast<std::uint64_t>(n));
  report.append("\n\n  Dioder i matrisen\n\n  ");
  report.append(bcd3.data());
  report.append("  ");
  report.append(bcd2.data());
  report.append("  ");
  report.append(bcd1.data());
  report.append("  ");
  report.append(bcd0.data());
  report.append("\n  - - - L  K J I H  G F E D  C B A M\n\n");
  out.write(report.view());
  return true;
}

}  // namespace delartal
