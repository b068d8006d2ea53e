#include "input.hpp"

namespace delartal {

int FileSource::get() {
  const int byte = std::getc(file_);
  return byte == EOF ? end_of_input : byte;
}

bool skip_space(Input& in) {
  while (is_space(in.peek())) in.advance();
  return in.peek() != end_of_input;
}

void discard_line(Input& in) {
  for (int byte = in.peek(); byte != end_of_input; byte = in.peek()) {
    in.advance();
    if (byte == '\n') return;
  }
}

}  // namespace delartal
