// Text put together in a fixed buffer, without the heap: the longest the
// program builds is the report, a few hundred bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace delartal {

template <std::size_t capacity>
class TextBuffer {
 public:
  // Appends as much of text as there is room for.
  void append(std::string_view text) {
    const std::size_t room = capacity - size_;
    const std::size_t count = text.size() < room ? text.size() : room;
    for (std::size_t i = 0; i < count; ++i) chars_[size_ + i] = text[i];
    size_ += count;
  }

  // Appends value in decimal, with at least min_digits digits (zeros in front).
  void append_decimal(std::uint64_t value, int min_digits = 1) {
    std::array<char, 20> digits{};  // 2^64 has 20 decimal digits
    std::size_t count = 0;
    while (value != 0 || count < static_cast<std::size_t>(min_digits)) {
      digits[count++] = static_cast<char>('0' + value % 10);
      value /= 10;
      if (count == digits.size()) break;
    }
    while (count > 0) append(std::string_view(&digits[--count], 1));
  }

  std::string_view view() const { return {chars_.data(), size_}; }

 private:
  std::array<char, capacity> chars_{};
  std::size_t size_ = 0;
};

}  // namespace delartal
