#include "matrix_report.hpp"

#include <cstring>

#include "exact_arith.hpp"
#include "format_fixed.hpp"
#include "matrix_lines.hpp"

namespace delartal {
namespace {

std::optional<std::uint64_t> offset_of(std::int32_t ver) {
  if (ver == 1) return offset_70_2;
  if (ver == 2) return offset_70_1;
  return std::nullopt;
}

}  // namespace

void i2bcd(std::int32_t num, Pattern& str) {
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

std::optional<std::int32_t> calculated_divider(float f, std::int32_t ver) {
  const std::optional<std::uint64_t> offset = offset_of(ver);
  if (!offset) return std::nullopt;
  const std::optional<float> a = halved_less_offset(f, *offset);
  if (!a) return std::nullopt;
  return round_off(per_step(*a));
}

std::optional<std::int32_t> divider_for(float f, std::int32_t ver) {
  const std::optional<std::int32_t> n = calculated_divider(f, ver);
  if (!n || *n < 0 || *n > 9999) return std::nullopt;
  return n;
}

std::array<Pattern, 4> digit_patterns(std::int32_t n) {
  const std::int32_t thousend = n / 1000;
  const std::int32_t hundred = (n - 1000 * thousend) / 100;
  const std::int32_t ten = (n - 1000 * thousend - 100 * hundred) / 10;
  const std::int32_t one = n - 1000 * thousend - 100 * hundred - 10 * ten;
  std::array<Pattern, 4> bcd{};
  i2bcd(thousend, bcd[0]);
  i2bcd(hundred, bcd[1]);
  i2bcd(ten, bcd[2]);
  i2bcd(one, bcd[3]);
  return bcd;
}

bool printN(TextSink& out, float f, std::int32_t ver) {
  const std::optional<std::int32_t> n = divider_for(f, ver);
  if (!n) return false;
  print_report(out, f, *n);
  return true;
}

TextBuffer<96> pattern_rows(std::int32_t n, std::string_view indent) {
  const std::array<Pattern, 4> bcd = digit_patterns(n);
  TextBuffer<96> rows;
  rows.append(indent);
  rows.append(bcd[0].data());
  rows.append("  ");
  rows.append(bcd[1].data());
  rows.append("  ");
  rows.append(bcd[2].data());
  rows.append("  ");
  rows.append(bcd[3].data());
  rows.append("\n");
  rows.append(indent);
  rows.append(label_row);
  return rows;
}

TextBuffer<256> report_body(float f, std::int32_t n) {
  TextBuffer<256> body;
  body.append(" Frekvensen ");
  body.append(four_decimals(f).view());
  body.append(" ger delartalet ");
  body.append_decimal(static_cast<std::uint64_t>(n));
  body.append("\n\n  Dioder i matrisen\n\n");
  body.append(pattern_rows(n, "  ").view());
  body.append("\n");
  return body;
}

// The body framed as the dialogue has it: three line ends after the answer,
// and an empty line before the closing prompt.
void print_report(TextSink& out, float f, std::int32_t n) {
  TextBuffer<264> report;
  report.append("\n\n\n");
  report.append(report_body(f, n).view());
  report.append("\n");
  out.write(report.view());
}

}  // namespace delartal
