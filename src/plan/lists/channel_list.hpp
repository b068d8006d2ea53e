// A channel list on standard input, read to the channels it gives: a line at
// a time, or, where its first line with anything on it is a CSV header, the
// CSV records under it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "input.hpp"

namespace delartal::plan {

// What the list gives, in the order it is read.
class ListReader {
 public:
  virtual ~ListReader() = default;
  // A frequency, range or board to answer: `where` names it for a message
  // ("rad 2: ”145.6”"); the name goes with its rows, and a list that says
  // which variant a row is for keeps it to that one.
  virtual void channel(const std::string& where, std::string_view key, std::string_view name,
                       std::optional<std::int32_t> variant) = 0;
  // A line or record that gives no channel, and why: "rad 3", "ingen frekvens".
  virtual void refuse(const std::string& where, std::string_view why) = 0;
  // A word about the list as a whole: "rad 3: läst som Windows-1252".
  virtual void notice(std::string_view text) = 0;
};

// Reads the list to its end; `board` reads boards (delartal-plan -r) where
// frequencies are read otherwise.
void read_channel_list(ByteSource& source, bool board, ListReader& reader);

}  // namespace delartal::plan
