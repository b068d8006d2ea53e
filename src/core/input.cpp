#include "input.hpp"

#include <algorithm>
#include <cstring>

namespace delartal {

FileSource::FileSource(std::FILE* file) : file_(file) {
  line_.fill('\n');
}

std::size_t FileSource::read(char* into, std::size_t capacity) {
  if (ended_ || capacity == 0) return 0;
  const std::size_t most = std::min(capacity, line_.size() - 1);
  if (std::fgets(line_.data(), static_cast<int>(most + 1), file_) == nullptr) {
    ended_ = true;
    return 0;
  }
  // fgets wrote the bytes and a NUL after them. The first '\n' is then either
  // the line's own end, with that NUL right after it, or the first byte fgets
  // did not reach, with the NUL right before it. None: the buffer is full.
  std::size_t length = most;
  const auto* newline = static_cast<const char*>(std::memchr(line_.data(), '\n', most + 1));
  if (newline != nullptr) {
    const auto at = static_cast<std::size_t>(newline - line_.data());
    length = at + 1 <= most && line_[at + 1] == '\0' ? at + 1 : at - 1;
  }
  std::memcpy(into, line_.data(), length);
  std::memset(line_.data(), '\n', length + 1);
  return length;
}

std::size_t TextSource::read(char* into, std::size_t capacity) {
  const std::size_t count = text_.copy(into, capacity);
  text_.remove_prefix(count);
  return count;
}

int Input::peek_beyond(std::size_t ahead) {
  while (ahead >= end_ - next_) {
    if (!fill()) return end_of_input;
  }
  return static_cast<unsigned char>(bytes_[next_ + ahead]);
}

bool Input::fill() {
  if (ended_) return false;
  const std::size_t kept = end_ - next_;  // below max_lookahead
  for (std::size_t i = 0; i < kept; ++i) bytes_[i] = bytes_[next_ + i];
  next_ = 0;
  end_ = kept;
  const std::size_t got = source_.read(bytes_.data() + end_, bytes_.size() - 1 - end_);
  end_ += got;
  bytes_[end_] = '\0';
  ended_ = got == 0;
  return !ended_;
}

bool skip_space(Input& in) {
  while (is_space(in.peek())) in.advance();
  return in.peek() != end_of_input;
}

bool discard_line(Input& in) {
  for (std::string_view held = in.held(); !held.empty(); held = in.held()) {
    const std::size_t end = held.find('\n');
    if (end != std::string_view::npos) {
      in.advance(end + 1);
      return true;
    }
    in.advance(held.size());
  }
  return false;
}

}  // namespace delartal
