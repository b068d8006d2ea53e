#include "text/printable.hpp"

#include "text/utf8.hpp"

namespace delartal::plan {

std::string printable(std::string_view text) {
  std::string shown;
  for (const char c : as_utf8(text)) {
    const auto byte = static_cast<unsigned char>(c);
    shown += byte < 0x20 || byte == 0x7F ? '?' : c;
  }
  return shown;
}

std::string quoted(std::string_view text) {
  return "”" + printable(text) + "”";
}

std::string_view line_start(std::string_view text) {
  std::size_t end = 0;
  for (int characters = 0; end < text.size() && characters < 12; ++characters) {
    ++end;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0U) == 0x80U) ++end;
  }
  return text.substr(0, end);
}

std::string shortened(std::string_view text) {
  const std::string_view start = line_start(text);
  return printable(start) + (start.size() < text.size() ? "…" : "");
}

}  // namespace delartal::plan
