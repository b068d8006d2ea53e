#include "csv_sheet.hpp"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "channel.hpp"
#include "format_fixed.hpp"
#include "matrix_lines.hpp"
#include "matrix_report.hpp"

namespace delartal::plan {
namespace {

// The C runtime on Windows writes each line end of a text stream as CR LF
// by itself.
#ifdef _WIN32
constexpr std::string_view record_end = "\n";
#else
constexpr std::string_view record_end = "\r\n";
#endif

// A field as it must stand: in quotes, with its own quotes doubled, when it
// holds the delimiter, a quote or a line break.
std::string field(std::string_view text, char delimiter) {
  const char special[] = {delimiter, '"', '\r', '\n'};
  if (text.find_first_of(std::string_view(special, 4)) == std::string_view::npos) {
    return std::string(text);
  }
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string record(std::initializer_list<std::string_view> fields, char delimiter) {
  std::string line;
  bool first = true;
  for (const std::string_view text : fields) {
    if (!first) line += delimiter;
    first = false;
    line += field(text, delimiter);
  }
  return line + std::string(record_end);
}

// A decimal number as the style writes it: with a comma for a spreadsheet
// in a Swedish locale.
std::string decimal(std::string_view number, const SheetStyle& style) {
  std::string text(number);
  if (style.decimal_comma) std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

}  // namespace

std::string csv_forward_header(const SheetStyle& style) {
  return record({"frekvens", "variant", "visad", "delartal", "i_matrisen", "dioder", "tusental",
                 "hundratal", "tiotal", "ental", "kanal", "namn"},
                style.delimiter);
}

std::string csv_reverse_header(const SheetStyle& style) {
  return record({"delartal", "variant", "kanal", "fran", "till", "i_matrisen", "dioder", "tusental",
                 "hundratal", "tiotal", "ental", "namn"},
                style.delimiter);
}

std::string csv_row(const ForwardRow& row, const SheetStyle& style) {
  const std::array<Pattern, 4> bcd = digit_patterns(row.divider);
  return record({decimal(row.frequency, style), std::to_string(row.variant),
                 decimal(four_decimals(row.value).view(), style), std::to_string(row.divider),
                 fits_matrix_answer(row.divider), diode_lines(row.divider).view(), bcd[0].data(),
                 bcd[1].data(), bcd[2].data(), bcd[3].data(),
                 decimal(channel_frequency(row.divider, row.variant).view(), style), row.name},
                style.delimiter);
}

std::string csv_row(const ReverseRow& row, const SheetStyle& style) {
  const std::array<Pattern, 4> bcd = digit_patterns(row.divider);
  return record({std::to_string(row.divider), std::to_string(row.variant),
                 decimal(channel_frequency(row.divider, row.variant).view(), style),
                 decimal(shortest_text(row.band.lowest).view(), style),
                 decimal(shortest_text(row.band.highest).view(), style),
                 fits_matrix_answer(row.divider), diode_lines(row.divider).view(), bcd[0].data(),
                 bcd[1].data(), bcd[2].data(), bcd[3].data(), row.name},
                style.delimiter);
}

}  // namespace delartal::plan
