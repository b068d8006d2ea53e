#include "plan_check.hpp"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "lists/list_line.hpp"
#include "reference_divider.hpp"
#include "reference_read.hpp"
#include "reference_text.hpp"
#include "run/plan.hpp"
#include "support.hpp"
#include "terms/decimal_range.hpp"

namespace delartal::test {
namespace {

constexpr std::string_view forward_header =
    "frekvens,variant,visad,delartal,i_matrisen,dioder,tusental,hundratal,tiotal,ental,kanal,namn,"
    "iaru";
constexpr std::string_view reverse_header =
    "delartal,variant,kanal,fran,till,i_matrisen,dioder,tusental,hundratal,tiotal,ental,namn,iaru";

// What ends a CSV record before its LF, on every platform.
constexpr std::string_view record_cr = "\r";

// The options one run is given, from the input's first byte.
struct Mode {
  bool reverse;
  bool decimal_comma;
  char delimiter;
};

std::vector<std::string> split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end = text.find(separator); end != std::string_view::npos;
       end = text.find(separator, start)) {
    parts.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  parts.emplace_back(text.substr(start));
  return parts;
}

// The CSV's records, each with the CR of its end: a quoted field's line
// breaks, which a name read from a CSV list may hold, stay inside it.
std::vector<std::string> csv_records(std::string_view text) {
  std::vector<std::string> records(1);
  bool quoted = false;
  for (const char c : text) {
    if (c == '"') quoted = !quoted;
    if (c == '\n' && !quoted) {
      records.emplace_back();
    } else {
      records.back() += c;
    }
  }
  return records;
}

// The fields of one CSV record, RFC 4180: a quoted field may hold the
// delimiter and doubled quotes. Empty when the quoting is broken.
std::optional<std::vector<std::string>> csv_fields(std::string_view record, char delimiter) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (std::size_t at = 0; at < record.size(); ++at) {
    const char c = record[at];
    if (quoted) {
      if (c != '"') {
        fields.back() += c;
      } else if (at + 1 < record.size() && record[at + 1] == '"') {
        fields.back() += '"';
        ++at;
      } else {
        quoted = false;
      }
    } else if (c == '"' && fields.back().empty()) {
      quoted = true;
    } else if (c == delimiter) {
      fields.emplace_back();
    } else if (c == '"') {
      return std::nullopt;
    } else {
      fields.back() += c;
    }
  }
  if (quoted) return std::nullopt;
  return fields;
}

// The members of one JSON Lines object as the CSV writes them: numbers as
// their digits, true and false as "ja" and "nej", strings unescaped. Empty
// when the line is no flat object, or its names are not `names`.
std::optional<std::vector<std::string>> json_fields(std::string_view line, std::string_view names) {
  std::size_t at = 0;
  const auto take = [&](char c) {
    if (at >= line.size() || line[at] != c) return false;
    ++at;
    return true;
  };
  const auto string = [&]() -> std::optional<std::string> {
    if (!take('"')) return std::nullopt;
    std::string text;
    while (at < line.size() && line[at] != '"') {
      if (line[at] != '\\') {
        text += line[at++];
        continue;
      }
      if (++at >= line.size()) return std::nullopt;
      const char escaped = line[at++];
      if (escaped == 'u') {
        if (at + 4 > line.size()) return std::nullopt;
        const unsigned code =
            static_cast<unsigned>(std::stoul(std::string(line.substr(at, 4)), nullptr, 16));
        at += 4;
        if (code < 0x80) {
          text += static_cast<char>(code);
        } else if (code < 0xA0) {  // a C1 control, in UTF-8
          text += static_cast<char>(0xC2);
          text += static_cast<char>(code);
        } else if (code == 0xFFFD) {
          text += "\xEF\xBF\xBD";
        } else {
          return std::nullopt;  // the program escapes nothing else
        }
      } else if (escaped == '"' || escaped == '\\') {
        text += escaped;
      } else if (escaped == 'n' || escaped == 'r' || escaped == 't') {
        text += escaped == 'n' ? '\n' : escaped == 'r' ? '\r' : '\t';
      } else {
        return std::nullopt;
      }
    }
    if (!take('"')) return std::nullopt;
    return text;
  };
  std::vector<std::string> fields;
  std::string seen;
  if (!take('{')) return std::nullopt;
  do {
    const std::optional<std::string> name = string();
    if (!name || !take(':')) return std::nullopt;
    seen += (seen.empty() ? "" : ",") + *name;
    if (line.compare(at, 4, "true") == 0 || line.compare(at, 5, "false") == 0) {
      fields.emplace_back(line[at] == 't' ? "ja" : "nej");
      at += line[at] == 't' ? 4 : 5;
    } else if (at < line.size() && line[at] == '"') {
      const std::optional<std::string> value = string();
      if (!value) return std::nullopt;
      fields.push_back(*value);
    } else {
      const std::size_t end = line.find_first_not_of("0123456789", at);
      if (end == at || end == std::string_view::npos) return std::nullopt;
      fields.emplace_back(line.substr(at, end - at));
      at = end;
    }
  } while (take(','));
  if (!take('}') || at != line.size() || seen != names) return std::nullopt;
  return fields;
}

// A decimal field as written: with a comma for a Swedish spreadsheet, and then
// never a point. Empty when it is written the other way.
std::optional<std::string> decimal_field(std::string text, const Mode& mode) {
  const char written = mode.decimal_comma ? ',' : '.';
  const char other = mode.decimal_comma ? '.' : ',';
  if (text.find(other) != std::string::npos) return std::nullopt;
  for (char& c : text) c = c == written ? '.' : c;
  return text;
}

// The four patterns of fields [first, first + 4), thousands first.
bool patterns_match(const std::vector<std::string>& fields, std::size_t first,
                    std::int64_t divider) {
  return fields[first] == reference::pattern(divider / 1000) &&
         fields[first + 1] == reference::pattern(divider / 100 % 10) &&
         fields[first + 2] == reference::pattern(divider / 10 % 10) &&
         fields[first + 3] == reference::pattern(divider % 10);
}

// The 2 m channel names, written out: V00..V63 and RV00..RV63 from 145.000
// MHz in 12.5 kHz steps, R0..R7 at RV48, RV50, ..., R0x..R7x one above, and
// S8..S23 at V16, V18, ..., V46.
std::optional<std::string> channel_name_frequency(std::string name) {
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (int v = 0; v < 64; ++v) {
    const std::string digits = (v < 10 ? "0" : "") + std::to_string(v);
    const bool old_r =
        v >= 48 && v < 64 && name == "R" + std::to_string((v - 48) / 2) + (v % 2 == 1 ? "X" : "");
    const bool old_s = v % 2 == 0 && v >= 16 && v <= 46 && name == "S" + std::to_string(v / 2);
    if (name == "V" + digits || name == "RV" + digits || old_r || old_s) {
      return reference::four_decimals(1'450'000 + 125 * static_cast<std::uint64_t>(v));
    }
  }
  return std::nullopt;
}

// A whole text as the reference reads it; a NaN when it is not all number.
float reference_value(const std::string& text) {
  if (const std::optional<std::string> channel = channel_name_frequency(text)) {
    return reference_value(*channel);
  }
  const reference::FloatRead read = reference::read_float(text);
  return read.length == text.size() && read.length > 0 ? read.value : std::nanf("");
}

// The IARU name of a channel given in ten-thousandths of a MHz.
std::string iaru_of(std::uint64_t channel) {
  if (channel < 1'450'000 || channel > 1'457'875) return {};
  const std::uint64_t v = (channel - 1'450'000) / 125;
  return (v >= 48 ? "RV" : "V") + std::string(v < 10 ? "0" : "") + std::to_string(v);
}

std::string check_forward(const std::vector<std::string>& fields, const Mode& mode) {
  if (fields.size() != 13) return "a forward row of " + std::to_string(fields.size()) + " fields";
  const auto typed = decimal_field(fields[0], mode);
  const auto shown = decimal_field(fields[2], mode);
  const auto kanal = decimal_field(fields[10], mode);
  if (!typed || !shown || !kanal) return "a decimal written the other way: " + fields[0];
  const float f = reference_value(*typed);
  const int variant = fields[1] == "1" ? 1 : fields[1] == "2" ? 2 : 0;
  if (!std::isfinite(f) || variant == 0) return "frequency " + fields[0];
  const std::int64_t divider = reference::divider_steps(f, variant).divider;
  const std::string expected_shown = reference::four_decimals(reference::ten_thousandths(f));
  const std::string expected_channel =
      reference::four_decimals(reference::channel(divider, variant));
  if (fields[3] != std::to_string(divider) || *shown != expected_shown ||
      *kanal != expected_channel || !patterns_match(fields, 6, divider) ||
      fields[12] != iaru_of(reference::channel(divider, variant))) {
    return fields[0] + " gives " + fields[2] + " " + fields[3] + " " + fields[10] +
           ", the reference " + expected_shown + " " + std::to_string(divider) + " " +
           expected_channel;
  }
  return {};
}

std::string check_reverse(const std::vector<std::string>& fields, const Mode& mode) {
  if (fields.size() != 13) return "a reverse row of " + std::to_string(fields.size()) + " fields";
  const std::int64_t divider = std::stoll(fields[0]);
  const int variant = std::stoi(fields[1]);
  const auto kanal = decimal_field(fields[2], mode);
  if (!kanal || *kanal != reference::four_decimals(reference::channel(divider, variant)) ||
      !patterns_match(fields, 7, divider) ||
      fields[12] != iaru_of(reference::channel(divider, variant))) {
    return "divider " + fields[0] + ": channel " + fields[2];
  }
  for (const std::string& end : {fields[3], fields[4]}) {
    const auto text = decimal_field(end, mode);
    const float f = text ? reference_value(*text) : std::nanf("");
    if (!std::isfinite(f) || reference::divider_steps(f, variant).divider != divider) {
      return "divider " + fields[0] + ": " + end + " gives another";
    }
  }
  return {};
}

// A line of a list, and the number of the line it starts on.
struct OwnLine {
  std::uint64_t number;
  std::string text;
};

// The lines of a list as this check reads them, apart from the program: LF,
// CR LF and a lone CR each end one.
std::vector<OwnLine> own_lines(std::string_view text) {
  std::vector<OwnLine> lines;
  OwnLine line{1, {}};
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (c != '\r' && c != '\n') {
      line.text += c;
      continue;
    }
    if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
    const std::uint64_t next = line.number + 1;
    lines.push_back(std::move(line));
    line = {next, {}};
  }
  if (!line.text.empty()) lines.push_back(std::move(line));
  return lines;
}

// Whether a line gives nothing by its looks: only blanks, delimiters and
// quotes, or a comment, after a byte order mark.
bool gives_nothing(std::string line) {
  if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
  const std::size_t first = line.find_first_not_of(" \t,;\"");
  return first == std::string::npos || line[first] == '#';
}

// Every line of a list gives its rows, or a message that names it ("rad N:"),
// or gives nothing by its looks. Counted as a floor: each line not named is
// worth one row at least. The first line with anything on it may be a
// header, where it starts with no digit or names a key column, and a line
// after "sep=" (in any case) too, and a header again later; a list that
// keeps rows to a variant column may give none for one; and a list refused
// whole, or cut off by an open quote, leaves the rest unread.
std::string unaccounted(std::string_view input, const std::vector<std::string>& messages,
                        std::size_t rows, bool variant_given) {
  // Where a quote may hold line breaks, which lines make a record is the
  // CSV reader's to say; such lists are checked by their rows alone.
  if (input.find('"') != std::string_view::npos) return {};
  std::set<std::uint64_t> named;
  for (const std::string& message : messages) {
    if (message.find("ingen kolumn") != std::string::npos ||
        message.find("citattecknet stängs aldrig") != std::string::npos) {
      return {};
    }
    if (message.find("Windows-1252") != std::string::npos) continue;
    const std::string_view start = "delartal-plan: rad ";
    if (message.rfind(start, 0) == 0) named.insert(std::stoull(message.substr(start.size())));
  }
  std::size_t wanted = 0;
  std::optional<std::string> header;
  bool first = true;
  bool after_separator = false;
  for (const OwnLine& own : own_lines(input)) {
    // A header is the same again without a byte order mark and blanks.
    std::string line = own.text;
    if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    line.erase(0, std::min(line.find_first_not_of(" \t"), line.size()));
    line.erase(line.find_last_not_of(" \t") + 1);
    if (gives_nothing(line) || named.count(own.number) != 0 || (header && line == *header)) {
      continue;
    }
    // A header starts with a name, not with a number, or names a key column.
    const bool named_first = line.find_first_of("0123456789-+.") != line.find_first_not_of(" \t");
    std::string lower = line;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const bool names_key = lower.find("freq") != std::string::npos ||
                           lower.find("frekv") != std::string::npos ||
                           lower.find("delartal") != std::string::npos;
    const bool may_be_header = (first && (named_first || names_key)) || after_separator;
    after_separator = first && lower.rfind("sep=", 0) == 0;
    first = false;
    if (may_be_header) {
      header = line;
      if (variant_given && line.find("ariant") != std::string::npos) return {};
      continue;
    }
    ++wanted;
  }
  if (rows >= wanted) return {};
  return std::to_string(wanted) + " lines to answer, and " + std::to_string(rows) + " rows";
}

// Ranges so long that checking them would outlast the fuzzer's patience,
// given alone or with a name after them.
bool has_long_range(const std::vector<std::string>& texts) {
  for (const std::string& text : texts) {
    std::string fault;
    const auto range = plan::read_range(plan::split_list_line(text, false).key, fault);
    if (range && plan::range_size(*range) > 2000) return true;
  }
  return false;
}

}  // namespace

std::string plan_mismatch(std::string_view input) {
  if (input.empty()) return {};
  const auto bits = static_cast<unsigned char>(input[0]);
  const std::string_view rest = input.substr(1);
  std::vector<std::string> texts = split(rest, '\n');
  std::vector<std::string> lines;
  for (OwnLine& line : own_lines(rest)) lines.push_back(std::move(line.text));
  if (has_long_range(texts) || has_long_range(lines)) return {};

  const bool csv = (bits & 2U) != 0;
  const bool json = !csv && (bits & 128U) != 0;
  Mode mode{(bits & 1U) != 0, csv && (bits & 32U) != 0, csv && (bits & 64U) != 0 ? ';' : ','};
  std::vector<std::string> arguments;
  if (mode.reverse) arguments.emplace_back("-r");
  if (csv) arguments.emplace_back("-fcsv");
  if (json) arguments.emplace_back("--format=json");
  if (((bits >> 2) & 3U) == 1) arguments.emplace_back("-v1");
  if (((bits >> 2) & 3U) == 2) arguments.emplace_back("--variant=2");
  if (mode.decimal_comma) arguments.emplace_back("--decimal-comma");
  if (mode.delimiter == ';') arguments.emplace_back("-d;");
  const bool as_arguments = (bits & 16U) != 0;
  if (as_arguments) arguments.insert(arguments.end(), texts.begin(), texts.end());
  const std::vector<std::string_view> views(arguments.begin(), arguments.end());

  StringSource source(as_arguments ? std::string_view() : rest);
  StringSink out;
  StringSink err;
  const int status = plan::run_plan(views, source, out, err);
  if (status < 0 || status > 2) return "exit status " + std::to_string(status);
  if (status == 2 && !out.text().empty()) return "a usage error with data written";
  for (const std::string& line : split(err.text(), '\n')) {
    if (line.empty() || line.rfind("delartal-plan: ", 0) == 0 || line.rfind("Skriv ", 0) == 0) {
      continue;
    }
    return "a message without the program's name: " + line;
  }

  const std::vector<std::string> records = split(out.text(), '\n');
  // Arguments may ask for the version or the help instead of rows.
  if (records[0].rfind("delartal-plan ", 0) == 0) return {};
  if (!as_arguments && (csv || json) && status != 2) {
    // The header and the empty piece after the last line end are no rows.
    const std::size_t pieces = json ? records.size() + 1 : csv_records(out.text()).size();
    const std::size_t rows = pieces >= 2 ? pieces - 2 : 0;
    const std::string lost =
        unaccounted(rest, split(err.text(), '\n'), rows, ((bits >> 2) & 3U) != 0);
    if (!lost.empty()) return lost;
  }
  if (records[0].rfind("{\"", 0) == 0) {
    // JSON Lines, with the CSV's fields; the first name tells the direction.
    const bool reverse = records[0].rfind("{\"delartal\"", 0) == 0;
    mode.decimal_comma = false;
    for (std::size_t i = 0; i + 1 < records.size(); ++i) {
      const auto fields = json_fields(records[i], reverse ? reverse_header : forward_header);
      if (!fields) return "no JSON row: " + records[i];
      const std::string fault =
          reverse ? check_reverse(*fields, mode) : check_forward(*fields, mode);
      if (!fault.empty()) return fault;
    }
    return {};
  }
  // Arguments may give options of their own: the header tells the direction
  // and the delimiter.
  const std::vector<std::string> csv_rows = csv_records(out.text());
  const bool reverse = records[0].rfind("delartal", 0) == 0;
  if (!reverse && records[0].rfind("frekvens", 0) != 0) return {};  // text or HTML
  mode.delimiter = records[0].size() > 8 ? records[0][8] : ',';
  for (const std::string& text : texts) {
    const std::string_view option = "--decimal-comma";
    if (as_arguments && text.size() >= 5 && option.substr(0, text.size()) == text) {
      mode.decimal_comma = true;
    }
  }
  std::string header(reverse ? reverse_header : forward_header);
  for (char& c : header) c = c == ',' ? mode.delimiter : c;
  if (csv_rows[0] != header + std::string(record_cr)) return "the header " + csv_rows[0];
  for (std::size_t i = 1; i + 1 < csv_rows.size(); ++i) {
    std::string record = csv_rows[i];
    if (record.size() < record_cr.size() ||
        record.compare(record.size() - record_cr.size(), record_cr.size(), record_cr) != 0) {
      return "a record without CR LF";
    }
    record.resize(record.size() - record_cr.size());
    const auto fields = csv_fields(record, mode.delimiter);
    if (!fields) return "broken quoting: " + record;
    const std::string fault = reverse ? check_reverse(*fields, mode) : check_forward(*fields, mode);
    if (!fault.empty()) return fault;
  }
  // The plan's own CSV, read back under the same options, gives the same rows.
  if (!as_arguments) {
    StringSource written(out.text());
    StringSink again;
    StringSink again_err;
    plan::run_plan(views, written, again, again_err);
    if (again.text() != out.text()) return "read back, the CSV gives " + again.text();
  }
  return {};
}

}  // namespace delartal::test
