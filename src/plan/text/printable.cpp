#include "text/printable.hpp"

#include <algorithm>
#include <cstdint>

#include "text/utf8.hpp"

namespace delartal::plan {
namespace {

// The code of the UTF-8 character at the start of `text`, which is valid.
std::uint32_t code_of(std::string_view text, std::size_t length) {
  const auto byte = [&text](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  if (length == 1) return byte(0);
  std::uint32_t code = byte(0) & (0x7FU >> length);
  for (std::size_t i = 1; i < length; ++i) code = code << 6U | (byte(i) & 0x3FU);
  return code;
}

bool is_control(std::uint32_t code, bool keep_layout) {
  if (keep_layout && (code == '\t' || code == '\r' || code == '\n')) return false;
  return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0xFEFF;
}

std::string visible_form(std::uint32_t code) {
  static constexpr char hex[] = "0123456789ABCDEF";
  std::string form = "<";
  for (int shift = code > 0xFF ? 12 : 4; shift >= 0; shift -= 4)
    form += hex[(code >> shift) & 0xFU];
  return form + ">";
}

// The text in UTF-8 with its controls in the visible form, up to `columns`
// columns of it (a character one column, the visible form as wide as it is);
// `cut` tells whether any was left out.
std::string shown(std::string_view raw, bool keep_layout, std::size_t columns, bool* cut) {
  // Most texts are printable ASCII, and stand as they are.
  const bool plain =
      std::all_of(raw.begin(), raw.end(), [](char c) { return c >= ' ' && c < 0x7F; });
  if (plain && raw.size() <= columns) return std::string(raw);
  const std::string text = as_utf8(raw);
  std::string out;
  std::size_t used = 0;
  for (std::size_t at = 0; at < text.size();) {
    // as_utf8 gave UTF-8, so each character has its length; 1 at the least.
    const std::size_t length =
        std::max<std::size_t>(1, utf8_length(std::string_view(text).substr(at)));
    const std::uint32_t code = code_of(std::string_view(text).substr(at), length);
    const std::string form =
        is_control(code, keep_layout) ? visible_form(code) : text.substr(at, length);
    const std::size_t width = is_control(code, keep_layout) ? form.size() : 1;
    if (used + width > columns) {
      if (cut) *cut = true;
      break;
    }
    out += form;
    used += width;
    at += length;
  }
  return out;
}

}  // namespace

std::string visible(std::string_view text) {
  return shown(text, true, std::string::npos, nullptr);
}

std::string printable(std::string_view text) {
  return shown(text, false, std::string::npos, nullptr);
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
  bool cut = false;
  std::string start = shown(text, false, 12, &cut);
  return cut ? start + "…" : start;
}

}  // namespace delartal::plan
