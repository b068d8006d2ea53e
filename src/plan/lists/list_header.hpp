// The header of a channel list saved as CSV, and the columns it names: the
// programming tools' exports (Location,Name,Frequency,...), codeplugs
// (Channel Number,Channel Name,...,Rx Frequency,...) and delartal-plan's own
// CSV (frekvens,variant,...,namn).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace delartal::plan {

struct ListColumns {
  char delimiter;
  std::vector<std::string> header;  // the columns' names, as the header writes them
  std::size_t key;                  // the frequency's column, or with -r the divider's
  std::optional<std::size_t> name;
  std::optional<std::size_t> variant;
};

// The columns, when `line` splits as CSV at a comma, a semicolon or a TAB
// into cells one of which names a frequency (Frequency, Rx Frequency,
// frekvens) or, for boards, a divider (delartal). Names match whatever their
// case, quotes and the blanks around them. Empty for any other line, and for
// one with a cell that reads as a frequency: a channel may be named Frequency.
std::optional<ListColumns> read_list_header(std::string_view line, bool board);

}  // namespace delartal::plan
