#include "lists/list_text.hpp"

#include <string_view>

#include "text/utf8.hpp"

namespace delartal::plan {

std::optional<std::string> ListText::make_utf8_noting_change(std::string& text, std::uint64_t line,
                                                             bool cut) {
  if (windows_1252_) {
    text = windows_1252_as_utf8(text);
    return std::nullopt;
  }
  const std::size_t invalid = first_invalid_utf8(text);
  if (invalid == std::string_view::npos) return std::nullopt;
  const std::string_view rest = std::string_view(text).substr(invalid);
  if (cut && is_cut_short(rest)) {
    text.resize(invalid);
    return std::nullopt;
  }
  windows_1252_ = true;
  for (std::size_t at = 0; at < invalid; ++at) line += text[at] == '\n' ? 1 : 0;
  text = text.substr(0, invalid) + windows_1252_as_utf8(rest);
  return "rad " + std::to_string(line) + ": läst som Windows-1252";
}

}  // namespace delartal::plan
