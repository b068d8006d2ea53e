#include "lists/list_header.hpp"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "lists/csv_records.hpp"
#include "terms/board.hpp"
#include "terms/decimal_range.hpp"
#include "text/ascii.hpp"
#include "text/blanks.hpp"

namespace delartal::plan {
namespace {

// A column's name as the names below are written: lower case, "-" and "_"
// as blanks, one blank between words, and no unit "(MHz)" after it.
std::string plain_name(std::string_view cell) {
  std::string name;
  for (const char c : cell) {
    const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    const bool blank = is_blank(c) || c == '-' || c == '_';
    if (!blank) {
      name += lower;
    } else if (!name.empty() && name.back() != ' ') {
      name += ' ';
    }
  }
  constexpr std::string_view unit = "(mhz)";
  if (name.size() >= unit.size() &&
      name.compare(name.size() - unit.size(), unit.size(), unit) == 0) {
    name.resize(name.size() - unit.size());
  }
  return std::string(trim_blanks(name));
}

// The first cell that has one of the names.
template <std::size_t count>
std::optional<std::size_t> column_of(const std::vector<std::string>& cells,
                                     const std::array<std::string_view, count>& names) {
  for (std::size_t at = 0; at < cells.size(); ++at) {
    const std::string name = plain_name(cells[at]);
    for (const std::string_view known : names) {
      if (name == known) return at;
    }
  }
  return std::nullopt;
}

// A transmit frequency never stands among these.
constexpr std::array<std::string_view, 7> frequency_names = {
    "frequency", "rx frequency", "receive frequency",  "rx freq",
    "frekvens",  "rx frekvens",  "mottagningsfrekvens"};
constexpr std::array<std::string_view, 1> divider_names = {"delartal"};
constexpr std::array<std::string_view, 3> name_names = {"name", "channel name", "namn"};
constexpr std::array<std::string_view, 1> variant_names = {"variant"};

// A channel may be named Frequency: a header holds no frequency.
bool holds_frequency(const std::vector<std::string>& cells) {
  return std::any_of(cells.begin(), cells.end(),
                     [](const std::string& cell) { return gives_frequencies(cell); });
}

// Cells that look like a header whatever their names: two or more, and none
// a board either ("J,F,D,M" is one).
bool looks_like_header(const std::vector<std::string>& cells) {
  return cells.size() >= 2 && std::none_of(cells.begin(), cells.end(), [](const std::string& cell) {
           return !cell.empty() && read_board(cell).fault.empty();
         });
}

}  // namespace

HeaderReading read_list_header(std::string_view line, bool board, char delimiter) {
  std::vector<char> delimiters;
  for (const char candidate : {',', ';', '\t'}) {
    if (delimiter == 0 || candidate == delimiter) delimiters.push_back(candidate);
  }
  // However it splits, a header holds no frequency.
  std::vector<std::string> cells;
  for (const char candidate : delimiters) {
    split_record(line, candidate, cells);
    if (holds_frequency(cells)) return {};
  }
  bool unknown = false;
  for (const char candidate : delimiters) {
    split_record(line, candidate, cells);
    const std::optional<std::size_t> key =
        board ? column_of(cells, divider_names) : column_of(cells, frequency_names);
    if (!key) {
      unknown = unknown || looks_like_header(cells);
      continue;
    }
    const std::optional<std::size_t> name = column_of(cells, name_names);
    const std::optional<std::size_t> variant = column_of(cells, variant_names);
    return {ListColumns{candidate, std::move(cells), *key, name, variant}, false};
  }
  return {std::nullopt, unknown};
}

char separator_line(std::string_view line) {
  // Not trim_blanks: the delimiter may be a TAB.
  line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
  line = line.substr(0, line.find_last_not_of(' ') + 1);
  constexpr std::string_view start = "sep=";
  if (line.size() != start.size() + 1 || !same_ignoring_case(line.substr(0, start.size()), start)) {
    return 0;
  }
  const char delimiter = line.back();
  return delimiter == '"' ? 0 : delimiter;
}

}  // namespace delartal::plan
