// A channel list's text in UTF-8, whatever it was saved in, a line at a time:
// a line that is UTF-8 stands as it is, and one that is not, as a line saved
// in Latin-1 or Windows-1252 by a spreadsheet or a Windows program, is read
// as Windows-1252. Lists joined from files in both encodings read right.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace delartal::plan {

class ListText {
 public:
  // Makes `text`, the list's next piece, whose first line is line `line`,
  // UTF-8, each of its lines by itself, and keeps count of the lines read as
  // Windows-1252. When `cut` at a length limit, a character cut short at its
  // end is let go instead.
  void make_utf8(std::string& text, std::uint64_t line, bool cut);

  // What the operator is told once the list is read, within 79 columns with
  // the program's name before it: "rad 3: läst som Windows-1252", or for
  // more lines the first of them and how many; empty where there were none.
  std::string notice() const;

 private:
  std::uint64_t count_ = 0;
  std::array<std::uint64_t, 2> first_{};
};

}  // namespace delartal::plan
