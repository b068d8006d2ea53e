// The header of a channel list saved as CSV, and the columns it names: the
// programming tools' exports (Location,Name,Frequency,...), codeplugs
// (Channel Number,Channel Name,...,Rx Frequency,...), Swedish sheets
// (RX-frekvens;TX-frekvens;Namn) and delartal-plan's own CSV
// (frekvens,variant,...,namn).
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

// What the first line of a list with anything on it turned out to be.
struct HeaderReading {
  std::optional<ListColumns> columns;  // a header, with the columns it names
  bool unknown = false;                // a header, but without a column read for the key
};

// Reads `line` as a header, split at `delimiter` or, where it is 0, at
// whichever of a comma, a semicolon or a TAB makes a header of it. A header
// holds no cell that reads as a frequency, however the line splits: a
// channel may be named Frequency.
// Its key column is the first named as frequency_columns lists or, for
// boards, as a divider (delartal), its name column one of Name, Channel Name
// or namn; names match whatever their case and the quotes and blanks around
// them, with blank, "-" and "_" alike and a unit "(MHz)" after them or not.
// Two or more cells without such a key, none of them a board, are a header
// it does not know.
HeaderReading read_list_header(std::string_view line, bool board, char delimiter = 0);

// The names a frequency's column is read under, as a message lists them.
constexpr std::string_view frequency_columns =
    "Frequency, Rx Frequency, Receive Frequency, Rx Freq, frekvens, RX-frekvens eller "
    "Mottagningsfrekvens";

// The delimiter a first line "sep=;" sets, as spreadsheets write one; 0 for
// any other line.
char separator_line(std::string_view line);

}  // namespace delartal::plan
