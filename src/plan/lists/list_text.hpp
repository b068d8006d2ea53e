// A channel list's text in UTF-8, whatever it was saved in: a list that is
// not UTF-8, as one saved in Latin-1 or Windows-1252 by a spreadsheet or a
// Windows program, is read as Windows-1252 from its first invalid byte on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace delartal::plan {

class ListText {
 public:
  // Makes `text`, the list's next piece, starting on line `line`, UTF-8,
  // and, as a second job, returns the notice the operator is given, once,
  // where the list is found not to be UTF-8: "rad 3: läst som Windows-1252".
  // When `cut` at a length limit, a character cut short at its end is let go
  // instead.
  std::optional<std::string> make_utf8_noting_change(std::string& text, std::uint64_t line,
                                                     bool cut);

 private:
  bool windows_1252_ = false;
};

}  // namespace delartal::plan
