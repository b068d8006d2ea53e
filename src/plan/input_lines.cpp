#include "input_lines.hpp"

#include <string_view>

namespace delartal::plan {

LineRead read_line(Input& in, std::string& line) {
  line.clear();
  bool too_long = false;
  std::string_view held = in.held();
  if (held.empty()) return LineRead::ended;
  for (; !held.empty(); held = in.held()) {
    const std::size_t end = held.find('\n');
    const std::string_view part = held.substr(0, end);
    if (!too_long && line.size() + part.size() <= max_line) {
      line += part;
    } else {
      too_long = true;
      line.clear();
    }
    if (end != std::string_view::npos) {
      in.advance(end + 1);
      break;
    }
    in.advance(held.size());
  }
  return too_long ? LineRead::too_long : LineRead::line;
}

}  // namespace delartal::plan
