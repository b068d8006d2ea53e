#include "sheet.hpp"

#include "csv_sheet.hpp"
#include "html_cards.hpp"
#include "text_table.hpp"

namespace delartal::plan {

std::string sheet_start(const SheetStyle& style) {
  const bool forward = style.direction == Direction::forward;
  switch (style.format) {
    case Format::text:
      return forward ? text_forward_header() : text_reverse_header();
    case Format::csv:
      return forward ? csv_forward_header(style.delimiter) : csv_reverse_header(style.delimiter);
    case Format::html:
      return html_start();
  }
  return {};
}

std::string sheet_row(const SheetStyle& style, const ForwardRow& row) {
  switch (style.format) {
    case Format::text:
      return text_row(row);
    case Format::csv:
      return csv_row(row, style.delimiter);
    case Format::html:
      return html_card(row);
  }
  return {};
}

std::string sheet_row(const SheetStyle& style, const ReverseRow& row) {
  switch (style.format) {
    case Format::text:
      return text_row(row);
    case Format::csv:
      return csv_row(row, style.delimiter);
    case Format::html:
      return html_card(row);
  }
  return {};
}

std::string sheet_end(const SheetStyle& style) {
  return style.format == Format::html ? html_end() : std::string();
}

}  // namespace delartal::plan
