#include "lists/input_lines.hpp"

#include <string_view>

namespace delartal::plan {

LineRead read_line(Input& in, std::string& line) {
  line.clear();
  bool too_long = false;
  std::string_view held = in.held();
  if (held.empty()) return LineRead::ended;
  for (; !held.empty(); held = in.held()) {
    const std::size_t end = held.find_first_of("\r\n");
    const std::string_view part = held.substr(0, end);
    if (!too_long) {
      // Blanks past the limit are let go, since they end the line anyway.
      const std::size_t room = max_line - line.size();
      line += part.substr(0, room);
      too_long =
          part.size() > room && part.find_first_not_of(" \t", room) != std::string_view::npos;
    }
    if (end != std::string_view::npos) {
      in.advance(end);
      pass_line_end(in);
      break;
    }
    in.advance(held.size());
  }
  return too_long ? LineRead::too_long : LineRead::line;
}

void pass_line_end(Input& in) {
  const bool cr = in.peek() == '\r';
  in.advance();
  if (cr && in.peek() == '\n') in.advance();
}

}  // namespace delartal::plan
