// Where the answers come from, and the few bytes of lookahead their reading
// needs: a number ends at the first byte that cannot continue it, and telling
// that can take up to four more ("1e+" not followed by a digit leaves "e+"
// unread, "-0x." not followed by a hex digit leaves "x.").
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>

namespace delartal {

constexpr int end_of_input = -1;

// A stream of bytes: each call gives the next, as 0..255, or end_of_input.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual int get() = 0;
};

// A C stream, standard input in the program. A read error ends the input.
class FileSource final : public ByteSource {
 public:
  explicit FileSource(std::FILE* file) : file_(file) {}
  int get() override;

 private:
  std::FILE* file_;
};

// The bytes of a source, read on demand, with lookahead. Once the source has
// ended it is not asked again.
class Input {
 public:
  static constexpr std::size_t max_lookahead = 8;

  explicit Input(ByteSource& source) : source_(source) {}

  // The byte `ahead` places past the current one (below max_lookahead), or
  // end_of_input. Asks the source only for bytes not yet held.
  int peek(std::size_t ahead = 0) {
    while (held_ <= ahead) hold_one_more();
    return bytes_[(first_ + ahead) % max_lookahead];
  }

  // Moves past the current byte; at the end of input it stays there.
  void advance() {
    if (held_ == 0) hold_one_more();
    first_ = (first_ + 1) % max_lookahead;
    --held_;
  }

 private:
  void hold_one_more() {
    const int byte = ended_ ? end_of_input : source_.get();
    ended_ = byte == end_of_input;
    bytes_[(first_ + held_) % max_lookahead] = byte;
    ++held_;
  }

  ByteSource& source_;
  std::array<int, max_lookahead> bytes_{};
  std::size_t first_ = 0;
  std::size_t held_ = 0;
  bool ended_ = false;
};

// True for the bytes "%i" and "%f" skip before a number: space, \t, \n, \v, \f, \r.
constexpr bool is_space(int byte) {
  return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

// The value of a digit in bases up to 16 (either case), or 16 for any other byte.
constexpr int digit_value(int byte) {
  if (byte >= '0' && byte <= '9') return byte - '0';
  if (byte >= 'a' && byte <= 'f') return byte - 'a' + 10;
  if (byte >= 'A' && byte <= 'F') return byte - 'A' + 10;
  return 16;
}

// Skips white space, line ends included. False when the input ends first.
bool skip_space(Input& in);

// Discards the rest of the current line, its line end included.
void discard_line(Input& in);

}  // namespace delartal
