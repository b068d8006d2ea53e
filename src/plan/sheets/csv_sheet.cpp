#include "sheets/csv_sheet.hpp"

#include <algorithm>
#include <string_view>

#include "sheets/row_fields.hpp"

namespace delartal::plan {
namespace {

// On every platform, with a name's own line breaks as they are.
constexpr std::string_view record_end = "\r\n";

// A NUL, which no spreadsheet keeps, in the form every output shows it.
constexpr std::string_view shown_nul = "<00>";

// A field appended as it must stand: in quotes, with its own quotes doubled,
// when it holds the delimiter, a quote or a line break.
void append_field(std::string& line, std::string_view text, char delimiter) {
  const char special[] = {delimiter, '"', '\r', '\n', '\0'};
  if (text.find_first_of(std::string_view(special, 5)) == std::string_view::npos) {
    line += text;
    return;
  }
  const bool quote = text.find_first_of(std::string_view(special, 4)) != std::string_view::npos;
  if (quote) line += '"';
  for (const char c : text) {
    if (c == '"') line += '"';
    if (c == '\0') {
      line += shown_nul;
    } else {
      line += c;
    }
  }
  if (quote) line += '"';
}

// Fields joined by the delimiter, and the record's end; `text_of` gives a
// field's text, which the record may keep only while it is being made.
template <typename Fields, typename Text>
std::string record(const Fields& fields, char delimiter, Text text_of) {
  std::string line;
  line.reserve(128);
  bool first = true;
  for (const auto& field : fields) {
    if (!first) line += delimiter;
    first = false;
    append_field(line, text_of(field), delimiter);
  }
  line += record_end;
  return line;
}

std::string header(const std::array<std::string_view, field_count>& names, char delimiter) {
  return record(names, delimiter, [](std::string_view name) { return name; });
}

// A decimal number with a comma, for a spreadsheet in a Swedish locale, when
// the style asks for it.
std::string row(std::array<Field, field_count> fields, const SheetStyle& style) {
  if (style.decimal_comma) {
    for (Field& field : fields) {
      if (field.kind == FieldKind::decimal) {
        std::replace(field.value.begin(), field.value.end(), '.', ',');
      }
    }
  }
  return record(fields, style.delimiter,
                [](const Field& field) { return std::string_view(field.value); });
}

}  // namespace

std::string csv_forward_header(const SheetStyle& style) {
  return header(forward_names, style.delimiter);
}

std::string csv_reverse_header(const SheetStyle& style) {
  return header(reverse_names, style.delimiter);
}

std::string csv_row(const ForwardRow& row_of, const SheetStyle& style) {
  return row(fields_of(row_of), style);
}

std::string csv_row(const ReverseRow& row_of, const SheetStyle& style) {
  return row(fields_of(row_of), style);
}

}  // namespace delartal::plan
