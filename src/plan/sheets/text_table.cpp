#include "sheets/text_table.hpp"

#include <cstddef>

#include "channel.hpp"
#include "format_fixed.hpp"
#include "iaru_channel.hpp"
#include "matrix_lines.hpp"
#include "matrix_report.hpp"
#include "terms/band.hpp"
#include "text/printable.hpp"

namespace delartal::plan {
namespace {

// Characters, not bytes: "Från" is four wide.
std::size_t width_of(std::string_view text) {
  std::size_t width = 0;
  for (const char c : text) width += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
  return width;
}

// The text and spaces after it up to `width`, and at least one.
std::string cell(std::string_view text, std::size_t width) {
  const std::size_t used = width_of(text);
  return std::string(text) + std::string(used < width ? width - used : 1, ' ');
}

// Right-aligned in `width`, then two spaces.
std::string number_cell(std::int32_t value, std::size_t width) {
  const std::string text = std::to_string(value);
  return std::string(text.size() < width ? width - text.size() : 0, ' ') + text + "  ";
}

// A name as the table's one line shows it: the line breaks a quoted CSV
// field may hold stand as spaces.
std::string on_one_line(std::string_view name) {
  std::string line(name);
  for (char& c : line) c = c == '\n' || c == '\r' ? ' ' : c;
  return line;
}

// The row's fit and lines, and what stands under it: the channel's name, the
// channel notice, then the pattern row over the label row, as the report
// writes them, and a blank line.
std::string row_end(std::int32_t divider, std::string_view name, std::string_view notice) {
  std::string text =
      cell(fits_matrix_answer(divider), 8) + std::string(diode_lines(divider).view()) + "\n";
  if (!name.empty()) text += "  Namn: " + on_one_line(visible(name)) + "\n";
  if (!notice.empty()) text += "  " + std::string(notice) + "\n";
  return text + std::string(pattern_rows(divider, "  ").view()) + "\n\n";
}

}  // namespace

std::string text_forward_header() {
  return cell("Frekvens", 12) + cell("Variant", 9) + cell("Visad", 10) + cell("Kanal", 10) +
         cell("IARU", 6) + "Delartal  " + cell("Matris", 8) + "Dioder\n\n";
}

std::string text_reverse_header() {
  return "Delartal  " + cell("Variant", 9) + cell("Kanal", 10) + cell("IARU", 6) +
         cell("Från", 11) + cell("Till", 11) + cell("Matris", 8) + "Dioder\n\n";
}

std::string text_row(const ForwardRow& row) {
  return cell(row.frequency, 12) + cell(std::to_string(row.variant), 9) +
         cell(four_decimals(row.value).view(), 10) +
         cell(channel_frequency(row.divider, row.variant).view(), 10) +
         cell(iaru_name(row.divider, row.variant).view(), 6) + number_cell(row.divider, 8) +
         row_end(row.divider, row.name, channel_notice(row.value, row.divider, row.variant).view());
}

std::string text_row(const ReverseRow& row) {
  return number_cell(row.divider, 8) + cell(std::to_string(row.variant), 9) +
         cell(channel_frequency(row.divider, row.variant).view(), 10) +
         cell(iaru_name(row.divider, row.variant).view(), 6) +
         cell(shortest_text(row.band.lowest).view(), 11) +
         cell(shortest_text(row.band.highest).view(), 11) + row_end(row.divider, row.name, {});
}

}  // namespace delartal::plan
