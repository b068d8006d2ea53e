// A line of a channel list: a frequency, range or board, then perhaps the
// channel's name and a comment.
#pragma once

#include <string>
#include <string_view>

namespace delartal::plan {

struct ListLine {
  std::string_view key;  // the frequency, range or board
  std::string name;      // as typed, blanks and quotes around it dropped; may be empty
};

// Splits a line. A "#" at its start or after a blank starts a comment, which
// is dropped. The key ends at a tab or a semicolon, and the name follows it
// ("145.600;SK0RK", a line saved from a spreadsheet). Without them:
// - a frequency or range ends at the first space ("145.600 SK0RK repeater"),
//   or at a comma after a whole frequency that no digit follows
//   ("145.600,SK0RK"; "145,600" is a decimal comma);
// - a divider is the first word ("451 Hemma");
// - any other board goes on, word by word, while a word after its first is
//   made of upper-case lines A-M, marks V and x and commas only; the name
//   starts at the first word with any other character ("J F D M Hemma",
//   "jfdm Hemma"). A name of such letters alone needs a tab or a semicolon.
// After a frequency, a unit MHz is no name ("145.6 MHz"), and a name in
// quotes stands without them ("145.6;\"Rö, Ö-gruppen\"").
ListLine split_list_line(std::string_view line, bool board);

}  // namespace delartal::plan
