// Where the answers come from, and the few bytes of lookahead their reading
// needs: a number ends at the first byte that cannot continue it, and telling
// that can take up to four more ("1e+" not followed by a digit leaves "e+"
// unread, "-0x." not followed by a hex digit leaves "x.").
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <string_view>

namespace delartal {

constexpr int end_of_input = -1;

// A stream of bytes, taken in chunks.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Puts up to `capacity` bytes (at least 1) into `into` and returns how many;
  // 0 only at the end of the input. Waits for no more than the first byte.
  virtual std::size_t read(char* into, std::size_t capacity) = 0;
  // True once the input has ended through a read error rather than its end.
  virtual bool failed() const { return false; }
};

// A C stream, standard input in the programs, read a line at a time: a line
// is what a console hands over at once, so an answer is taken as soon as its
// line ends, and a long one costs a few calls per kilobyte instead of one per
// byte. A read error ends the input; failed() tells it from the end.
class FileSource final : public ByteSource {
 public:
  explicit FileSource(std::FILE* file);
  std::size_t read(char* into, std::size_t capacity) override;
  bool failed() const override { return std::ferror(file_) != 0; }

 private:
  std::FILE* file_;
  bool ended_ = false;
  // '\n' in every byte the last line did not fill: how read() finds where
  // fgets stopped, since a line may hold NUL bytes of its own.
  std::array<char, 1024> line_;
};

// A text in memory: a command-line argument, or a line already read.
class TextSource final : public ByteSource {
 public:
  explicit TextSource(std::string_view text) : text_(text) {}
  std::size_t read(char* into, std::size_t capacity) override;

 private:
  std::string_view text_;
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
    if (ahead < end_ - next_) return static_cast<unsigned char>(bytes_[next_ + ahead]);
    return peek_beyond(ahead);
  }

  // Moves past the current byte; at the end of input it stays there.
  void advance() {
    if (next_ < end_ || fill()) ++next_;
  }

  // The bytes held from the current one on: at least one unless the input has
  // ended. For readers that take a run of bytes at a time; a NUL that is not
  // part of the input follows them, so that a scan for digits or spaces stops
  // there by itself.
  std::string_view held() {
    if (next_ == end_) fill();
    return {bytes_.data() + next_, end_ - next_};
  }

  // Moves past `count` bytes of held().
  void advance(std::size_t count) { next_ += count; }

 private:
  int peek_beyond(std::size_t ahead);
  // Moves the held bytes to the front and reads more after them. False when
  // the input has ended.
  bool fill();

  static constexpr std::size_t chunk = 4096;
  ByteSource& source_;
  std::array<char, chunk + max_lookahead + 1> bytes_;  // read only where written
  std::size_t next_ = 0;
  std::size_t end_ = 0;
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

// Discards the rest of the current line, its line end included. False when
// the input ended before a line end.
bool discard_line(Input& in);

}  // namespace delartal
