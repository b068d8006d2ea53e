#include "plan.hpp"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "band.hpp"
#include "board.hpp"
#include "channel.hpp"
#include "csv_records.hpp"
#include "decimal_range.hpp"
#include "input_lines.hpp"
#include "list_header.hpp"
#include "list_line.hpp"
#include "list_text.hpp"
#include "matrix_report.hpp"
#include "options.hpp"
#include "sheet.hpp"
#include "typed_frequency.hpp"
#include "utf8.hpp"

#ifndef DELARTAL_VERSION
#error "DELARTAL_VERSION must name the version"
#endif

namespace delartal::plan {
namespace {

constexpr std::string_view program = message_start;

constexpr std::string_view help_text =
    R"(Användning: delartal-plan [FLAGGA]... [FREKVENS | START:STOPP[:STEG]]...
   eller: delartal-plan --reverse [FLAGGA]... [KORT]...
Ger delartalet och diodernas mönster i kanalmatrisen för frekvenser, med
samma räkning som delartal, eller åt andra hållet frekvensen för en matris.
Utan FREKVENS eller KORT läses en per rad från standard in (se Kanallistor).

  -v, --variant=1|2       bara den offsetvarianten; annars båda, 1 först
                            1: Offset 70,2 / 59,5 MHz (Tx/Rx)
                            2: Offset 70,1 / 59,4 MHz (Tx/Rx)
  -r, --reverse           från matris till frekvens
  -f, --format=FORMAT     text (som standard), csv, json (en rad per objekt,
                            med csv:s fält) eller html
  -d, --delimiter=TECKEN  fältavgränsare i csv, som standard ,
      --decimal-comma     decimalkomma i csv, för svenska kalkylblad
  -h, --help              visa den här hjälpen och avsluta
  -V, --version           visa versionen och avsluta

FREKVENS är i MHz och läses som delartal läser den, men hela argumentet ska
vara talet, decimalkomma går lika bra som punkt, och MHz får följa: 146.0375,
146,0375 eller 146.0375 MHz. Kanalnamnen på 2 m går också: V00-V63 är 145.000
MHz och uppåt i steg om 12,5 kHz, RV00-RV63 samma som repeaterutgångar, R0-R7
är RV48, RV50 ..., R0x-R7x en kanal högre och S8-S23 är V16, V18 ... Kolumnen
iaru namnger kanalen: V00-V47 för 145.000-145.5875, RV48-RV63 för 145.600-
145.7875 MHz.
Kanal är mitten av delartalets steg på 12,5 kHz; en frekvens som visas som
något annat, ett halvt steg eller en felskriven kanal, får en rad med Obs.
START:STOPP[:STEG] står för START, START + STEG, ... till och med STOPP, räknat
exakt i decimaler; STEG är 0.0125 (ett delartal) om det utelämnas. Frekvenser
i ett intervall som inte ger något delartal 0-9999 utelämnas, och en rad på
standard fel säger hur många. Variant 1 tar 140.4 till 265.3875 MHz,
variant 2 140.2 till 265.1875 MHz.

KORT är ett delartal (451), linjerna som har en diod (J F D M, jfdm eller
J,F,D,M), eller en mönsterrad av 16 tecken V och x som rapporten skriver den
(x x x x  x V x x  x V x V  x x x V).

Kanallistor: tomma rader och rader som börjar med # hoppas över, och # efter
ett blanktecken inleder en kommentar. Efter frekvensen eller kortet kan
kanalens namn stå, efter tabb, semikolon, mellanslag eller ett komma efter
en hel frekvens, och inom citattecken om det behövs:
  145.600 SK0RK repeater    145.600,SK0RK    145.6;"Rö, Ö-gruppen"
  J F D M Hemma
Ett kort med mellanslag slutar vid första ordet med något annat än linjerna
A-M (versaler), V, x och komma; ett namn av bara sådana tecken skrivs efter
tabb eller semikolon. Indata som inte är UTF-8 läses som Windows-1252 från
första felaktiga byte.

CSV med rubrikrad: är första raden en rubrikrad med kolumnen Frequency,
Rx Frequency eller frekvens (med -r delartal), läses listan som CSV med den
avgränsare (, ; eller tabb) som delar rubrikraden. Namnet tas ur Name,
Channel Name eller namn, och kolumnen variant håller raden till sin variant,
så att planens egen CSV läses tillbaka till samma rader. Övriga kolumner
lämnas därhän.

Matrisen rymmer delartalen 0-1999; högre delartal upp till 9999 visas ändå,
märkta som att de inte ryms, och ett - bland dioderna står för en diod där
matrisen saknar linje.

Korten i html skrivs ut från webbläsarens utskriftsdialog: A4, utan
sidhuvud och sidfot; tre kort får plats på en sida.

Slutstatus: 0 när varje argument eller rad gav sina rader, 1 när något inte
gjorde det (de andra skrivs ändå), 2 vid felaktig användning.

Exempel:
  delartal-plan 146.0375 145,5
  delartal-plan -v 1 145:145.05
  delartal-plan -f csv -d ';' --decimal-comma 140.4:165.3875 > plan.csv
  delartal-plan -r 451 'J F D M' 'x x x x  x V x x  x V x V  x x x V'
  delartal-plan -f html -v 2 < kanaler.txt > kort.html
  delartal-plan -v 1 -f csv < export.csv
)";

struct Run {
  const Options& options;
  TextSink& out;
  TextSink& err;
  std::uint64_t rows = 0;
  std::uint64_t refusals = 0;        // messages that refused a text, or all of a range
  std::uint64_t refused_inputs = 0;  // arguments, lines and records that gave no row for it
  ListText text{};                   // the input's encoding, as found so far
};

void write_row(Run& run, const std::string& row) {
  run.out.write(row);
  ++run.rows;
}

// The variants a row is answered for: the one its list gives it, where it
// gives one, among those the options choose.
std::vector<std::int32_t> variants(const Options& options, std::optional<std::int32_t> row) {
  if (row) {
    if (options.variant && *options.variant != *row) return {};
    return {*row};
  }
  if (options.variant) return {*options.variant};
  return {1, 2};
}

void refuse(Run& run, std::string_view where, std::string_view why) {
  run.err.write(std::string(program) + std::string(where) + ": " + std::string(why) + "\n");
  ++run.refusals;
}

// A whole argument, line or record refused before it is answered.
void refuse_input(Run& run, std::string_view where, std::string_view why) {
  refuse(run, where, why);
  ++run.refused_inputs;
}

// The band a variant takes, stated by its channels 0 and 9999 as delartal
// states it: frequencies within half a step outside still give 0 and 9999.
std::string band_text(std::int32_t ver) {
  return "variant " + std::to_string(ver) + " tar " +
         std::string(channel_frequency_short(0, ver).view()) + " till " +
         std::string(channel_frequency_short(9999, ver).view()) + " MHz";
}

// A board that reads as one, for the hint that the direction is the wrong one.
bool reads_as_board(std::string_view text) {
  const std::string_view digits = "0123456789";
  return text.find_first_not_of(digits) != std::string_view::npos && read_board(text).fault.empty();
}

void forward_frequency(Run& run, std::string_view where, std::string_view text,
                       std::string_view name, std::optional<std::int32_t> row_variant) {
  const std::optional<TypedFrequency> typed = read_typed_frequency(text);
  if (!typed) {
    refuse(run, where, reads_as_board(text) ? board_hint : "ingen frekvens; skriv t.ex. 146.0125");
    return;
  }
  for (const std::int32_t ver : variants(run.options, row_variant)) {
    const std::optional<std::int32_t> n = divider_for(typed->value, ver);
    if (!n) {
      refuse(run, where, band_text(ver));
      continue;
    }
    write_row(run,
              sheet_row(run.options.style, ForwardRow{typed->text, ver, typed->value, *n, name}));
  }
}

void forward_range(Run& run, std::string_view where, const DecimalRange& range,
                   std::string_view name, std::optional<std::int32_t> row_variant) {
  const std::uint64_t size = range_size(range);
  std::uint64_t left_out = 0;
  std::uint64_t rows = 0;
  for (std::uint64_t i = 0; i < size; ++i) {
    // A range's values are plain decimals, which always read.
    const TypedFrequency typed = read_typed_frequency(range_value(range, i).view()).value();
    for (const std::int32_t ver : variants(run.options, row_variant)) {
      const std::optional<std::int32_t> n = divider_for(typed.value, ver);
      if (!n) {
        ++left_out;
        continue;
      }
      write_row(run,
                sheet_row(run.options.style, ForwardRow{typed.text, ver, typed.value, *n, name}));
      ++rows;
    }
  }
  if (left_out == 0) return;
  run.err.write(std::string(program) + std::string(where) + ": " + std::to_string(left_out) +
                " av " + std::to_string(left_out + rows) + " rader utelämnade: utanför bandet\n");
  if (rows == 0) ++run.refusals;
}

void reverse_board(Run& run, std::string_view where, std::string_view text, std::string_view name,
                   std::optional<std::int32_t> row_variant) {
  const BoardReading board = read_board(text);
  if (!board.fault.empty()) {
    refuse(run, where, board.fault);
    return;
  }
  for (const std::int32_t ver : variants(run.options, row_variant)) {
    const std::optional<Band> band = band_of(board.divider, ver);
    if (!band) {
      refuse(run, where, "ingen frekvens ger det med variant " + std::to_string(ver));
      continue;
    }
    write_row(run, sheet_row(run.options.style, ReverseRow{board.divider, ver, *band, name}));
  }
}

// One argument or input line's frequency, range or board, with the name it
// gives its rows and the variant its list keeps it to; a range must have been
// checked by the caller or is refused here.
void answer_text(Run& run, std::string_view where, std::string_view text, std::string_view name,
                 std::optional<std::int32_t> row_variant) {
  if (run.options.style.direction == Direction::reverse) {
    reverse_board(run, where, text, name, row_variant);
  } else if (looks_like_range(text)) {
    std::string fault;
    const std::optional<DecimalRange> range = read_range(text, fault);
    if (!range) {
      refuse(run, where, fault);
      return;
    }
    forward_range(run, where, *range, name, row_variant);
  } else {
    forward_frequency(run, where, text, name, row_variant);
  }
}

// The same, counted as refused where it was refused and gave no row.
void answer(Run& run, std::string_view where, std::string_view text, std::string_view name = {},
            std::optional<std::int32_t> row_variant = std::nullopt) {
  const std::uint64_t rows = run.rows;
  const std::uint64_t refusals = run.refusals;
  answer_text(run, where, text, name, row_variant);
  if (run.rows == rows && run.refusals > refusals) ++run.refused_inputs;
}

// Text for a message, in UTF-8; control characters, which could steer a
// terminal, stand as "?".
std::string printable(std::string_view text) {
  std::string shown;
  for (const char c : as_utf8(text)) {
    const auto byte = static_cast<unsigned char>(c);
    shown += byte < 0x20 || byte == 0x7F ? '?' : c;
  }
  return shown;
}

// The text a message is about, in quotes.
std::string quoted(std::string_view text) {
  return "”" + printable(text) + "”";
}

// The start of a long text, as a message quotes it: twelve characters and an
// ellipsis.
std::string_view line_start(std::string_view line) {
  std::size_t end = 0;
  for (int characters = 0; end < line.size() && characters < 12; ++characters) {
    ++end;
    while (end < line.size() && (static_cast<unsigned char>(line[end]) & 0xC0U) == 0x80U) ++end;
  }
  return line.substr(0, end);
}

// A cell or column name for a message: its first twelve characters, then an
// ellipsis where there are more, so that the message fits a line.
std::string shortened(std::string_view text) {
  const std::string_view start = line_start(text);
  return printable(start) + (start.size() < text.size() ? "…" : "");
}

int usage_error(TextSink& err, std::string_view fault) {
  err.write(std::string(program) + std::string(fault) +
            "\nSkriv ”delartal-plan --help” för mer information.\n");
  return 2;
}

// A line or record over its limit, quoted by its start.
void refuse_too_long(Run& run, const std::string& where, std::string_view text, std::size_t limit) {
  refuse_input(run, where + ": " + quoted(std::string(line_start(trim_blanks(text))) + "…"),
               "längre än " + std::to_string(limit) + " byte");
}

// A list that is not UTF-8 is read as Windows-1252, with one notice.
void make_utf8(Run& run, std::string& text, std::uint64_t line, bool cut) {
  if (const std::optional<std::string> notice = run.text.make_utf8(text, line, cut)) {
    run.err.write(std::string(program) + *notice + "\n");
  }
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
void answer_record(Run& run, const ListColumns& columns, const std::vector<std::string>& cells,
                   const std::string& where) {
  const bool blank =
      std::all_of(cells.begin(), cells.end(), [](const std::string& cell) { return cell.empty(); });
  if (blank || (!cells[0].empty() && cells[0][0] == '#')) return;
  if (columns.key >= cells.size()) {
    refuse_input(run, where, "ingen cell under " + column_name(columns, columns.key));
    return;
  }
  const std::string& key = cells[columns.key];
  const bool board = run.options.style.direction == Direction::reverse;
  if (key.empty() || (!board && !read_typed_frequency(key) && !looks_like_range(key))) {
    refuse_input(run, where + ": " + cell_under(columns, key, columns.key),
                 board ? "inget kort" : "ingen frekvens");
    return;
  }
  std::optional<std::int32_t> variant;
  if (columns.variant && *columns.variant < cells.size() && !cells[*columns.variant].empty()) {
    const std::string& cell = cells[*columns.variant];
    if (cell != "1" && cell != "2") {
      refuse_input(run, where + ": " + cell_under(columns, cell, *columns.variant),
                   "variant är 1 eller 2");
      return;
    }
    variant = cell == "1" ? 1 : 2;
  }
  const std::string no_name;
  const std::string& name =
      columns.name && *columns.name < cells.size() ? cells[*columns.name] : no_name;
  answer(run, where + ": " + quoted(key), key, name, variant);
}

// The records that follow a CSV list's header, from line `line` on.
void answer_records(Run& run, Input& in, const ListColumns& columns, std::uint64_t line) {
  std::string record;
  std::vector<std::string> cells;
  for (;;) {
    const RecordReading reading = read_record(in, columns.delimiter, record);
    if (reading.read == RecordRead::ended) return;
    make_utf8(run, record, line, reading.read == RecordRead::too_long);
    const std::string where = "rad " + std::to_string(line);
    line += reading.line_ends;
    if (reading.read == RecordRead::too_long) {
      refuse_too_long(run, where, record, max_record);
      continue;
    }
    split_record(record, columns.delimiter, cells);
    if (reading.read == RecordRead::unclosed) {
      refuse_input(run, where + ": " + cell_under(columns, cells.back(), cells.size() - 1),
                   "citattecknet stängs aldrig");
      return;
    }
    answer_record(run, columns, cells, where);
    run.out.flush();  // someone typing the lines sees each answer at once
  }
}

// Standard input: a channel list a line at a time, or, where its first line
// with anything on it is a CSV header, the CSV records under it.
void answer_lines(Run& run, ByteSource& source) {
  constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";
  const bool board = run.options.style.direction == Direction::reverse;
  Input in(source);
  std::string line;
  bool header_possible = true;
  for (std::uint64_t number = 1;; ++number) {
    const LineRead read = read_line(in, line);
    if (read == LineRead::ended) return;
    // Some editors start a UTF-8 file with a byte order mark.
    if (number == 1 && line.compare(0, byte_order_mark.size(), byte_order_mark) == 0) {
      line.erase(0, byte_order_mark.size());
    }
    make_utf8(run, line, number, read == LineRead::too_long);
    const std::string where = "rad " + std::to_string(number);
    if (read == LineRead::too_long) {
      refuse_too_long(run, where, line, max_line);
      header_possible = false;
      continue;
    }
    const std::string_view content = trim_blanks(line);
    if (header_possible && !content.empty() && content[0] != '#') {
      header_possible = false;
      if (const std::optional<ListColumns> columns = read_list_header(line, board)) {
        answer_records(run, in, *columns, number + 1);
        return;
      }
    }
    ListLine parts = split_list_line(line, board);
    if (parts.key.empty() && parts.name.empty()) continue;
    // Without -r, a board's words would be read as a frequency and a name.
    if (!board && !read_typed_frequency(parts.key) && !looks_like_range(parts.key)) {
      ListLine as_board = split_list_line(line, true);
      if (reads_as_board(as_board.key)) parts = std::move(as_board);
    }
    answer(run, where + ": " + quoted(parts.key), parts.key, parts.name);
    run.out.flush();  // someone typing the lines sees each answer at once
  }
}

}  // namespace

int run_plan(const std::vector<std::string_view>& arguments, ByteSource& in, TextSink& out,
             TextSink& err, PlanTally* tally) {
  const ParsedOptions parsed = parse_options(arguments);
  if (!parsed.fault.empty()) return usage_error(err, parsed.fault);
  const Options& options = parsed.options;
  if (options.help) {
    out.write(help_text);
    return 0;
  }
  if (options.version) {
    out.write("delartal-plan (delartal) " DELARTAL_VERSION "\n");
    return 0;
  }
  // Every range is checked before anything is written.
  if (options.style.direction == Direction::forward) {
    for (const std::string_view operand : options.operands) {
      std::string fault;
      if (looks_like_range(operand) && !read_range(operand, fault)) {
        return usage_error(err, quoted(operand) + ": " + fault);
      }
    }
  }

  Run run{options, out, err};
  out.write(sheet_start(options.style));
  if (options.operands.empty()) {
    answer_lines(run, in);
  } else {
    for (const std::string_view operand : options.operands) answer(run, quoted(operand), operand);
  }
  out.write(sheet_end(options.style));
  out.flush();
  if (tally) tally->refused_inputs = run.refused_inputs;
  return run.refusals > 0 ? 1 : 0;
}

}  // namespace delartal::plan
