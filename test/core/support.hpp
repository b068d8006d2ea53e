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
// can be tried with numbers split across chunks. Its end may be a read error.
class StringSource final : public ByteSource {
 public:
  enum class End { end_of_input, read_error };
  explicit StringSource(std::string_view text, std::size_t chunk = SIZE_MAX,
                        End end = End::end_of_input)
      : text_(text), chunk_(chunk), fails_at_end_(end == End::read_error) {}
  std::size_t read(char* into, std::size_t capacity) override {
    const std::size_t count = std::min({capacity, chunk_, text_.size() - next_});
    text_.copy(into, count, next_);
    next_ += count;
    return count;
  }
  bool failed() const override { return fails_at_end_ && next_ == text_.size(); }
  // The bytes not yet asked for.
  std::string_view unread() const { return text_.substr(next_); }

 private:
  std::string_view text_;
  std::size_t chunk_;
  bool fails_at_end_;
  std::size_t next_ = 0;
};

// Keeps what is written; the write after the first `good_writes` fails, as
// on a full disk, and so does every one after it.
class StringSink final : public TextSink {
 public:
  explicit StringSink(std::size_t good_writes = SIZE_MAX) : good_writes_(good_writes) {}
  void write(std::string_view text) override {
    if (writes_++ < good_writes_) text_ += text;
  }
  bool failed() const override { return writes_ > good_writes_; }
  const std::string& text() const { return text_; }
  std::size_t writes() const { return writes_; }

 private:
  std::string text_;
  std::size_t good_writes_;
  std::size_t writes_ = 0;
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
