#include "lists/list_text.hpp"

#include <string_view>

#include "text/utf8.hpp"

namespace delartal::plan {

void ListText::make_utf8(std::string& text, std::uint64_t line, bool cut) {
  if (first_invalid_utf8(text) == std::string_view::npos) return;  // most lists
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  for (std::size_t start = 0;; ++line) {
    const std::size_t end = text.find_first_of("\r\n", start);
    std::string_view piece = std::string_view(text).substr(start, end - start);
    const std::size_t invalid = first_invalid_utf8(piece);
    if (invalid != std::string_view::npos) {
      if (end == std::string_view::npos && cut && is_cut_short(piece.substr(invalid))) {
        piece = piece.substr(0, invalid);
      } else {
        if (count_ < first_.size()) first_[static_cast<std::size_t>(count_)] = line;
        ++count_;
      }
    }
    out += invalid == std::string_view::npos || piece.size() == invalid
               ? std::string(piece)
               : windows_1252_as_utf8(piece);
    if (end == std::string_view::npos) break;
    // A CR LF is one line end.
    const std::size_t after = text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
    out.append(text, end, after - end);
    start = after;
  }
  text = std::move(out);
}

std::string ListText::notice() const {
  constexpr std::string_view read_as = "läst som Windows-1252";
  if (count_ == 0) return {};
  const std::string first = std::to_string(first_[0]);
  if (count_ == 1) return "rad " + first + ": " + std::string(read_as);
  const std::string second = std::to_string(first_[1]);
  if (count_ == 2) return std::string(read_as) + ": rad " + first + " och " + second;
  const std::string start =
      std::string(read_as) + ": " + std::to_string(count_) + " rader, först rad " + first;
  // "delartal-plan: " and the notice within 79 columns; "ä" is one of them.
  const std::string whole = start + " och " + second;
  return whole.size() - 1 <= 79 - 15 ? whole : start;
}

}  // namespace delartal::plan
