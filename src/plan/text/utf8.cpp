#include "text/utf8.hpp"

#include <array>
#include <cstdint>

namespace delartal::plan {

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

std::size_t first_invalid_utf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    if (static_cast<unsigned char>(text[at]) < 0x80) {  // most of a list
      ++at;
      continue;
    }
    const std::size_t length = utf8_length(text.substr(at));
    if (length == 0) return at;
    at += length;
  }
  return std::string_view::npos;
}

bool is_cut_short(std::string_view text) {
  if (text.empty()) return false;
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  if (lead < 0xC2 || lead > 0xF4 || text.size() >= length) return false;
  std::string padded(text);
  // A continuation byte that every lead byte takes second.
  const char continuation = lead == 0xE0 ? '\xA0' : lead == 0xF0 ? '\x90' : '\x80';
  padded.append(length - text.size(), continuation);
  return utf8_length(padded) == length;
}

namespace {

// What Windows-1252 puts at 0x80 to 0x9F; 0 where it has nothing.
constexpr std::array<std::uint16_t, 32> windows_1252_high = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void append_utf8(std::uint32_t code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

std::string windows_1252_as_utf8(std::string_view text) {
  constexpr std::uint32_t replacement = 0xFFFD;
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    std::uint32_t code = byte;
    if (byte >= 0x80 && byte <= 0x9F) {
      code = windows_1252_high[byte - 0x80U];
      if (code == 0) code = replacement;
    }
    append_utf8(code, out);
  }
  return out;
}

std::string as_utf8(std::string_view text) {
  if (first_invalid_utf8(text) == std::string_view::npos) return std::string(text);
  return windows_1252_as_utf8(text);
}

}  // namespace delartal::plan
