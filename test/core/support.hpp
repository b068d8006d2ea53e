// In-memory ends for the dialogue and the readers.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "input.hpp"
#include "output.hpp"

namespace delartal::test {

class StringSource final : public ByteSource {
 public:
  explicit StringSource(std::string_view text) : text_(text) {}
  int get() override {
    if (next_ == text_.size()) return end_of_input;
    return static_cast<unsigned char>(text_[next_++]);
  }
  // The bytes not yet asked for.
  std::string_view unread() const { return text_.substr(next_); }

 private:
  std::string_view text_;
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
