#include "sheets/sheet.hpp"

#include "sheets/csv_sheet.hpp"
#include "sheets/html_cards.hpp"
#include "sheets/json_lines.hpp"
#include "sheets/text_table.hpp"

namespace delartal::plan {

std::string sheet_start(const SheetStyle& style) {
  const bool forward = style.direction == Direction::forward;
  switch (style.format) {
    case Format::text:
      return forward ? text_forward_header() : text_reverse_header();
    case Format::csv:
      return forward ? csv_forward_header(style) : csv_reverse_header(style);
    case Format::json:
      return {};
    case Format::html:
      return html_start();
  }
  return {};
}

namespace {

// Each format has a function for either direction's row, by the same name.
template <typename Row>
std::string row_in(const SheetStyle& style, const Row& row) {
  switch (style.format) {
    case Format::text:
      return text_row(row);
    case Format::csv:
      return csv_row(row, style);
    case Format::json:
      return json_row(row);
    case Format::html:
      return html_card(row);
  }
  return {};
}

}  // namespace

std::string sheet_row(const SheetStyle& style, const ForwardRow& row) {
  return row_in(style, row);
}

std::string sheet_row(const SheetStyle& style, const ReverseRow& row) {
  return row_in(style, row);
}

std::string sheet_end(const SheetStyle& style) {
  return style.format == Format::html ? html_end() : std::string();
}

}  // namespace delartal::plan
