#include "lists/channel_list.hpp"

#include <algorithm>
#include <utility>
#include <vector>

#include "lists/csv_records.hpp"
#include "lists/input_lines.hpp"
#include "lists/list_header.hpp"
#include "lists/list_line.hpp"
#include "lists/list_text.hpp"
#include "terms/board.hpp"
#include "terms/decimal_range.hpp"
#include "text/blanks.hpp"
#include "text/printable.hpp"

namespace delartal::plan {
namespace {

struct Reading {
  Input in;
  bool board;
  ListReader& reader;
  ListText text{};  // the input's encoding, as found so far
};

// A list that is not UTF-8 is read as Windows-1252, with one notice.
void make_utf8(Reading& reading, std::string& text, std::uint64_t line, bool cut) {
  if (const std::optional<std::string> notice =
          reading.text.make_utf8_noting_change(text, line, cut)) {
    reading.reader.notice(*notice);
  }
}

// A line or record over its limit, quoted by its start.
void refuse_too_long(Reading& reading, const std::string& where, std::string_view text,
                     std::size_t limit) {
  reading.reader.refuse(where + ": " + quoted(std::string(line_start(trim_blanks(text))) + "…"),
                        "längre än " + std::to_string(limit) + " byte");
}

std::string column_name(const ListColumns& columns, std::size_t column) {
  return column < columns.header.size() ? shortened(columns.header[column])
                                        : std::to_string(column + 1);
}

// Where a bad cell stands, for its message: ”146abc” under Frequency.
std::string cell_under(const ListColumns& columns, std::string_view cell, std::size_t column) {
  return "”" + shortened(cell) + "” under " + column_name(columns, column);
}

// A CSV row under its header: its frequency or board, its name and its
// variant from their columns. Rows without a cell, as a spreadsheet ends a
// sheet with, and comments are passed over.
void read_record_cells(Reading& reading, const ListColumns& columns,
                       const std::vector<std::string>& cells, const std::string& where) {
  ListReader& reader = reading.reader;
  const bool blank =
      std::all_of(cells.begin(), cells.end(), [](const std::string& cell) { return cell.empty(); });
  if (blank || (!cells[0].empty() && cells[0][0] == '#')) return;
  if (columns.key >= cells.size()) {
    reader.refuse(where, "ingen cell under " + column_name(columns, columns.key));
    return;
  }
  const std::string& key = cells[columns.key];
  if (key.empty() || (!reading.board && !gives_frequencies(key))) {
    reader.refuse(where + ": " + cell_under(columns, key, columns.key),
                  reading.board ? "inget kort" : "ingen frekvens");
    return;
  }
  std::optional<std::int32_t> variant;
  if (columns.variant && *columns.variant < cells.size() && !cells[*columns.variant].empty()) {
    const std::string& cell = cells[*columns.variant];
    if (cell != "1" && cell != "2") {
      reader.refuse(where + ": " + cell_under(columns, cell, *columns.variant),
                    "variant är 1 eller 2");
      return;
    }
    variant = cell == "1" ? 1 : 2;
  }
  const std::string_view name =
      columns.name && *columns.name < cells.size() ? cells[*columns.name] : std::string_view();
  reader.channel(where + ": " + quoted(key), key, name, variant);
}

// The records that follow a CSV list's header, from line `line` on.
void read_records(Reading& reading, const ListColumns& columns, std::uint64_t line) {
  std::string record;
  std::vector<std::string> cells;
  for (;;) {
    const RecordReading read = read_record(reading.in, columns.delimiter, record);
    if (read.read == RecordRead::ended) return;
    make_utf8(reading, record, line, read.read == RecordRead::too_long);
    const std::string where = "rad " + std::to_string(line);
    line += read.line_ends;
    if (read.read == RecordRead::too_long) {
      refuse_too_long(reading, where, record, max_record);
      continue;
    }
    split_record(record, columns.delimiter, cells);
    if (read.read == RecordRead::unclosed) {
      reading.reader.refuse(where + ": " + cell_under(columns, cells.back(), cells.size() - 1),
                            "citattecknet stängs aldrig");
      return;
    }
    read_record_cells(reading, columns, cells, where);
  }
}

}  // namespace

void read_channel_list(ByteSource& source, bool board, ListReader& reader) {
  constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";
  Reading reading{Input(source), board, reader};
  std::string line;
  bool header_possible = true;
  for (std::uint64_t number = 1;; ++number) {
    const LineRead read = read_line(reading.in, line);
    if (read == LineRead::ended) return;
    // Some editors start a UTF-8 file with a byte order mark.
    if (number == 1 && line.compare(0, byte_order_mark.size(), byte_order_mark) == 0) {
      line.erase(0, byte_order_mark.size());
    }
    make_utf8(reading, line, number, read == LineRead::too_long);
    const std::string where = "rad " + std::to_string(number);
    if (read == LineRead::too_long) {
      refuse_too_long(reading, where, line, max_line);
      header_possible = false;
      continue;
    }
    const std::string_view content = trim_blanks(line);
    if (header_possible && !content.empty() && content[0] != '#') {
      header_possible = false;
      if (const std::optional<ListColumns> columns = read_list_header(line, board)) {
        read_records(reading, *columns, number + 1);
        return;
      }
    }
    ListLine parts = split_list_line(line, board);
    if (parts.key.empty() && parts.name.empty()) continue;
    // Without -r, a board's words would be read as a frequency and a name.
    if (!board && !gives_frequencies(parts.key)) {
      ListLine as_board = split_list_line(line, true);
      if (reads_as_board(as_board.key)) parts = std::move(as_board);
    }
    reader.channel(where + ": " + quoted(parts.key), parts.key, parts.name, std::nullopt);
  }
}

}  // namespace delartal::plan
