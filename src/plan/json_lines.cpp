#include "json_lines.hpp"

#include "row_fields.hpp"
#include "utf8.hpp"

namespace delartal::plan {
namespace {}  // namespace

std::string json_string(std::string_view text) {
  static constexpr char hex[] = "0123456789abcdef";
  std::string out = "\"";
  while (!text.empty()) {
    const auto c = static_cast<unsigned char>(text[0]);
    const std::size_t length = utf8_length(text);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n' || c == '\r' || c == '\t') {
      out += c == '\n' ? "\\n" : c == '\r' ? "\\r" : "\\t";
    } else if (c < 0x20) {
      out += "\\u00";
      out += hex[c >> 4];
      out += hex[c & 0xFU];
    } else if (length == 0) {
      out += "\xEF\xBF\xBD";
    } else {
      out += text.substr(0, length);
    }
    text.remove_prefix(length == 0 ? 1 : length);
  }
  return out + "\"";
}

namespace {

std::string object(const std::array<std::string_view, field_count>& names,
                   const std::array<Field, field_count>& fields) {
  std::string line = "{";
  for (std::size_t i = 0; i < field_count; ++i) {
    if (i > 0) line += ",";
    line += json_string(names[i]) + ":";
    switch (fields[i].kind) {
      case FieldKind::number:
        line += fields[i].value;
        break;
      case FieldKind::flag:
        line += fields[i].value == "ja" ? "true" : "false";
        break;
      case FieldKind::text:
      case FieldKind::decimal:
        line += json_string(fields[i].value);
        break;
    }
  }
  return line + "}\n";
}

}  // namespace

std::string json_row(const ForwardRow& row) {
  return object(forward_names, fields_of(row));
}

std::string json_row(const ReverseRow& row) {
  return object(reverse_names, fields_of(row));
}

}  // namespace delartal::plan
