#include "lists/list_header.hpp"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "lists/csv_records.hpp"
#include "terms/typed_frequency.hpp"
#include "text/ascii.hpp"

namespace delartal::plan {
namespace {

// The first cell that has one of the names, whatever its case.
template <std::size_t count>
std::optional<std::size_t> column_of(const std::vector<std::string>& cells,
                                     const std::array<std::string_view, count>& names) {
  for (std::size_t at = 0; at < cells.size(); ++at) {
    for (const std::string_view name : names) {
      if (same_ignoring_case(cells[at], name)) return at;
    }
  }
  return std::nullopt;
}

constexpr std::array<std::string_view, 3> frequency_names = {"frequency", "rx frequency",
                                                             "frekvens"};
constexpr std::array<std::string_view, 1> divider_names = {"delartal"};
constexpr std::array<std::string_view, 3> name_names = {"name", "channel name", "namn"};
constexpr std::array<std::string_view, 1> variant_names = {"variant"};

}  // namespace

std::optional<ListColumns> read_list_header(std::string_view line, bool board) {
  std::vector<std::string> cells;
  for (const char delimiter : {',', ';', '\t'}) {
    split_record(line, delimiter, cells);
    const std::optional<std::size_t> key =
        board ? column_of(cells, divider_names) : column_of(cells, frequency_names);
    // A channel named Frequency is no header: a header holds no frequency.
    if (!key || std::any_of(cells.begin(), cells.end(), [](const std::string& cell) {
          return read_typed_frequency(cell).has_value();
        })) {
      continue;
    }
    const std::optional<std::size_t> name = column_of(cells, name_names);
    const std::optional<std::size_t> variant = column_of(cells, variant_names);
    return ListColumns{delimiter, std::move(cells), *key, name, variant};
  }
  return std::nullopt;
}

}  // namespace delartal::plan
