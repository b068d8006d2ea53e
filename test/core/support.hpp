// In-memory ends for the dialogue and the readers.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "input.hpp"
#include "output.hpp"

namespace delartal::test {

// Hands out its text at most `chunk` bytes at a time, so that the readers
// can be tried with numbers split across chunks.
class StringSource final : public ByteSource {
 public:
  explicit StringSource(std::string_view text, std::size_t chunk = SIZE_MAX)
      : text_(text), chunk_(chunk) {}
  std::size_t read(char* into, std::size_t capacity) override {
    const std::size_t count = std::min({capacity, chunk_, text_.size() - next_});
    text_.copy(into, count, next_);
    next_ += count;
    return count;
  }
  // The bytes not yet asked for.
  std::string_view unread() const { return text_.substr(next_); }

 private:
  std::string_view text_;
  std::size_t chunk_;
  std::size_t next_ = 0;
};

class StringSink final : public TextSink {
 public:
  void write(std::string_view text) override { text_ += text; }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// What an Input still holds: the bytes a reader left unread.
inline std::string rest_of(Input& in) {
  std::string rest;
  for (int byte = in.peek(); byte != end_of_input; byte = in.peek()) {
    rest += static_cast<char>(byte);
    in.advance();
  }
  return rest;
}

}  // namespace delartal::test
