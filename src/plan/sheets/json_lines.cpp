#include "sheets/json_lines.hpp"

#include "sheets/row_fields.hpp"
#include "text/utf8.hpp"

namespace delartal::plan {
namespace {

// Bytes that stand in a JSON string as they are: printable ASCII but for the
// quote and the backslash, most of any text, taken a run at a time.
bool plain(unsigned char c) {
  return c >= 0x20 && c < 0x7F && c != '"' && c != '\\';
}

// A control character as JSON escapes it: "\u001b".
void append_escaped(std::string& out, unsigned code) {
  static constexpr char hex[] = "0123456789abcdef";
  out += "\\u00";
  out += hex[code >> 4];
  out += hex[code & 0xFU];
}

}  // namespace

void append_json_string(std::string& out, std::string_view text) {
  out += '"';
  while (!text.empty()) {
    std::size_t run = 0;
    while (run < text.size() && plain(static_cast<unsigned char>(text[run]))) ++run;
    out.append(text.substr(0, run));
    text.remove_prefix(run);
    if (text.empty()) break;
    const auto c = static_cast<unsigned char>(text[0]);
    const std::size_t length = utf8_length(text);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == '\n' || c == '\r' || c == '\t') {
      out += c == '\n' ? "\\n" : c == '\r' ? "\\r" : "\\t";
    } else if (c < 0x20 || c == 0x7F) {
      append_escaped(out, c);
    } else if (c == 0xC2 && length == 2 && static_cast<unsigned char>(text[1]) < 0xA0) {
      append_escaped(out, static_cast<unsigned char>(text[1]));  // C1, U+0080 to U+009F
    } else if (length == 0) {
      out += "\xEF\xBF\xBD";
    } else {
      out += text.substr(0, length);
    }
    text.remove_prefix(length == 0 ? 1 : length);
  }
  out += '"';
}

std::string json_string(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  append_json_string(out, text);
  return out;
}

namespace {

std::string object(const std::array<std::string_view, field_count>& names,
                   const std::array<Field, field_count>& fields) {
  std::string line = "{";
  line.reserve(320);
  for (std::size_t i = 0; i < field_count; ++i) {
    if (i > 0) line += ',';
    append_json_string(line, names[i]);
    line += ':';
    switch (fields[i].kind) {
      case FieldKind::number:
        line += fields[i].value;
        break;
      case FieldKind::flag:
        line += fields[i].value == "ja" ? "true" : "false";
        break;
      case FieldKind::text:
      case FieldKind::decimal:
        append_json_string(line, fields[i].value);
        break;
    }
  }
  line += "}\n";
  return line;
}

}  // namespace

std::string json_row(const ForwardRow& row) {
  return object(forward_names, fields_of(row));
}

std::string json_row(const ReverseRow& row) {
  return object(reverse_names, fields_of(row));
}

}  // namespace delartal::plan
