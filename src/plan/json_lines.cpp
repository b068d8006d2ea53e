#include "json_lines.hpp"

#include "row_fields.hpp"

namespace delartal::plan {
namespace {

// The length of the well-formed UTF-8 character that starts `text`, or 0.
std::size_t utf8_length(std::string_view text) {
  const auto byte = [&text](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  const unsigned lead = byte(0);
  std::size_t length = 0;
  unsigned low = 0x80;   // the bounds of the second byte, which rule out
  unsigned high = 0xBF;  // overlong forms, surrogates and values past U+10FFFF
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  if (length == 0 || length > text.size() || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

// A JSON string. A byte that is no part of a UTF-8 character, as in a name
// typed in another encoding, becomes U+FFFD, so that every line stays JSON.
std::string json_string(std::string_view text) {
  static constexpr char hex[] = "0123456789abcdef";
  std::string out = "\"";
  while (!text.empty()) {
    const auto c = static_cast<unsigned char>(text[0]);
    const std::size_t length = utf8_length(text);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
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
