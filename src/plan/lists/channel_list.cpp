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

constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";

// Some editors start a UTF-8 file with a byte order mark, and two such files
// joined have one at the start of a later line.
void drop_byte_order_mark(std::string& text) {
  if (text.compare(0, byte_order_mark.size(), byte_order_mark) == 0) {
    text.erase(0, byte_order_mark.size());
  }
}

// A line or record as it is read on: in UTF-8, without a byte order mark.
void make_utf8(Reading& reading, std::string& text, std::uint64_t line, bool cut) {
  drop_byte_order_mark(text);
  reading.text.make_utf8(text, line, cut);
}

// A header whose key column is none that is read: the list is refused whole,
// in one message that names the columns read, each of its lines within 79
// columns.
void refuse_unknown_header(Reading& reading, const std::string& where, std::string_view line) {
  reading.reader.refuse(where + ": ”" + shortened(trim_blanks(line)) + "”",
                        reading.board ? "ingen kolumn delartal" : "ingen kolumn med frekvensen");
  const std::string names = reading.board
                                ? std::string("kortet läses under delartal")
                                : "frekvensen läses under " + std::string(frequency_columns) +
                                      ", med (MHz) efter eller utan";
  constexpr std::size_t width = 79 - 15;  // after "delartal-plan: "
  std::size_t start = 0;
  while (start < names.size()) {
    std::size_t end = names.size();
    if (end - start > width) end = names.rfind(' ', start + width);
    reading.reader.notice(names.substr(start, end - start));
    start = end + 1;
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

// Whether a key cell reads as what the list gives: a frequency or a range, or
// with -r a board.
bool key_reads(const Reading& reading, std::string_view key) {
  return reading.board ? read_board(key).fault.empty() : gives_frequencies(key);
}

// Rows without a cell, as a spreadsheet ends a sheet with, a header again,
// as two exports joined have, and comments: a row that starts with "#" and
// whose key reads as nothing. One whose key reads is a channel, "#" and all.
bool passed_over(const Reading& reading, const ListColumns& columns,
                 const std::vector<std::string>& cells) {
  const bool blank =
      std::all_of(cells.begin(), cells.end(), [](const std::string& cell) { return cell.empty(); });
  if (blank || cells == columns.header) return true;
  const bool comment = !cells[0].empty() && cells[0][0] == '#';
  return comment && !(columns.key < cells.size() && key_reads(reading, cells[columns.key]));
}

// Whether a line of a plain list gives a frequency, a range or a board.
bool gives_channel(const Reading& reading, std::string_view line) {
  return key_reads(reading, split_list_line(line, reading.board).key) ||
         (!reading.board && reads_as_board(split_list_line(line, true).key));
}

// A CSV row under its header: its frequency or board, its name and its
// variant from their columns.
void read_record_cells(Reading& reading, const ListColumns& columns,
                       const std::vector<std::string>& cells, const std::string& where) {
  ListReader& reader = reading.reader;
  if (passed_over(reading, columns, cells)) return;
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

// The lines of a list, from its first on, up to a CSV header, whose records
// are read under it. Returns at the end of the list.
void read_lines(Reading& reading) {
  const bool board = reading.board;
  ListReader& reader = reading.reader;
  std::string line;
  bool header_possible = true;
  char delimiter = 0;  // as a first line "sep=;" sets it
  for (std::uint64_t number = 1;; ++number) {
    const LineRead read = read_line(reading.in, line);
    if (read == LineRead::ended) return;
    make_utf8(reading, line, number, read == LineRead::too_long);
    const std::string where = "rad " + std::to_string(number);
    if (read == LineRead::too_long) {
      refuse_too_long(reading, where, line, max_line);
      header_possible = false;
      continue;
    }
    const std::string_view content = trim_blanks(line);
    if (header_possible && !content.empty() && content[0] != '#') {
      if (delimiter == 0 && (delimiter = separator_line(line)) != 0) continue;
      header_possible = false;
      const HeaderReading header = read_list_header(line, board, delimiter);
      if (header.columns) {
        read_records(reading, *header.columns, number + 1);
        return;
      }
      if (header.unknown && !gives_channel(reading, line)) {
        refuse_unknown_header(reading, where, line);
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

}  // namespace

void read_channel_list(ByteSource& source, bool board, ListReader& reader) {
  Reading reading{Input(source), board, reader};
  read_lines(reading);
  const std::string notice = reading.text.notice();
  if (!notice.empty()) reader.notice(notice);
}

}  // namespace delartal::plan
