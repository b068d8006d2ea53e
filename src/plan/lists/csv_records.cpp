#include "lists/csv_records.hpp"

#include "lists/input_lines.hpp"
#include "text/blanks.hpp"

namespace delartal::plan {
namespace {

enum class State { field_start, unquoted, quoted, quote_in_quoted };

// A TAB is a blank only where it is not the delimiter.
bool is_blank(char c, char delimiter) {
  return c != delimiter && plan::is_blank(c);
}

// Where the record stands after byte c, and whether c belongs to the field's
// text. A quote opens a quoted field only at its start; after a closing quote,
// text goes on unquoted, as spreadsheets read it.
struct Step {
  State state;
  bool text;
};

Step step(State state, char c, char delimiter) {
  switch (state) {
    case State::field_start:
      if (c == '"') return {State::quoted, false};
      if (c == delimiter) return {State::field_start, false};
      if (is_blank(c, delimiter)) return {State::field_start, false};
      return {State::unquoted, true};
    case State::unquoted:
    case State::quote_in_quoted:
      if (c == delimiter) return {State::field_start, false};
      if (state == State::quote_in_quoted && c == '"') return {State::quoted, true};
      return {State::unquoted, true};
    case State::quoted:
      if (c == '"') return {State::quote_in_quoted, false};
      return {State::quoted, true};
  }
  return {state, false};
}

}  // namespace

RecordReading read_record(Input& in, char delimiter, std::string& record) {
  record.clear();
  RecordReading reading{RecordRead::record, 0};
  State state = State::field_start;
  bool too_long = false;
  bool after_cr = false;  // a CR LF inside quotes is one line end
  std::string_view held = in.held();
  if (held.empty()) return {RecordRead::ended, 0};
  for (; !held.empty(); held = in.held()) {
    std::size_t at = 0;
    for (; at < held.size(); ++at) {
      const char c = held[at];
      const bool line_end = c == '\r' || c == '\n';
      if (line_end && state != State::quoted) break;
      if (line_end && !(c == '\n' && after_cr)) ++reading.line_ends;
      after_cr = c == '\r';
      state = step(state, c, delimiter).state;
    }
    const std::size_t room = max_record - record.size();
    too_long = too_long || at > room;
    record += held.substr(0, at < room ? at : room);
    if (at < held.size()) {
      in.advance(at);
      pass_line_end(in);
      ++reading.line_ends;
      break;
    }
    in.advance(held.size());
  }
  if (state == State::quoted && held.empty())
    reading.read = RecordRead::unclosed;
  else if (too_long)
    reading.read = RecordRead::too_long;
  return reading;
}

void split_record(std::string_view record, char delimiter, std::vector<std::string>& fields) {
  std::size_t count = 0;
  const auto next_field = [&fields, &count]() -> std::string& {
    if (count == fields.size()) fields.emplace_back();
    fields[count].clear();
    return fields[count++];
  };
  std::string* field = &next_field();
  State state = State::field_start;
  for (const char c : record) {
    const Step next = step(state, c, delimiter);
    if (next.text) *field += c;
    if (next.state == State::field_start && c == delimiter) field = &next_field();
    state = next.state;
  }
  fields.resize(count);
  for (std::string& text : fields) {
    const std::string_view trimmed = trim_blanks(text);
    if (trimmed.size() != text.size()) text = std::string(trimmed);
  }
}

}  // namespace delartal::plan
