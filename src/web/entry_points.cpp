#include "entry_points.hpp"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "channel.hpp"
#include "input.hpp"
#include "lists/list_text.hpp"
#include "matrix_lines.hpp"
#include "matrix_report.hpp"
#include "output.hpp"
#include "run/messages.hpp"
#include "run/plan.hpp"
#include "sheets/fit_words.hpp"
#include "sheets/json_lines.hpp"
#include "sheets/matrix_drawing.hpp"
#include "terms/direction_hints.hpp"
#include "terms/typed_frequency.hpp"

namespace delartal::web {
namespace {

// The most rows a plan makes in the page, and the most cards it prints: the
// whole band of both variants (19,984 rows for 140.4:265.3875) fits, and a
// longer list is told, within a second, how many rows it would give.
constexpr std::uint64_t page_rows = 20'000;
constexpr std::uint64_t page_cards = 2'000;

// The text written.
class StringSink final : public TextSink {
 public:
  void write(std::string_view text) override { text_ += text; }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// The lines of a text, each without its line end.
std::vector<std::string_view> lines_of(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  }
  return lines;
}

// A message as the page shows it: without the program's name, and pointing
// to the page's own views where the program points to its options.
std::string page_message(std::string_view message) {
  if (message.substr(0, plan::message_start.size()) == plan::message_start) {
    message.remove_prefix(plan::message_start.size());
  }
  std::string text(message);
  for (const auto& [hint, page_hint] :
       {std::pair{plan::board_hint, "ser ut som ett kort; skriv kortet under Dioder → frekvens"},
        std::pair{plan::frequency_hint,
                  "ser ut som en frekvens; skriv den under Frekvens → dioder"}}) {
    if (text.size() >= hint.size() &&
        text.compare(text.size() - hint.size(), hint.size(), hint) == 0) {
      text.replace(text.size() - hint.size(), hint.size(), page_hint);
    }
  }
  return text;
}

const char* variant_option(std::int32_t variant) {
  return variant == 1 ? "-v1" : variant == 2 ? "-v2" : nullptr;
}

// A list of JSON strings.
std::string json_strings(const std::vector<std::string>& texts) {
  std::string list = "[";
  for (const std::string& text : texts) {
    if (list.size() > 1) list += ',';
    plan::append_json_string(list, text);
  }
  return list + "]";
}

// What the page says of a plan past what it makes.
std::string too_many_text(std::uint64_t rows, std::string_view format) {
  if (format == "html") {
    return "Listan ger " + std::to_string(rows) + " kort, fler än sidan skriver ut (" +
           std::to_string(page_cards) + "); delartal-plan -f html gör hur många som helst.";
  }
  return "Listan ger " + std::to_string(rows) + " rader, fler än sidan gör (" +
         std::to_string(page_rows) + "); delartal-plan gör hur många som helst.";
}

// Whether a plan's result names each row's channel notice.
enum class Notices { left_out, each_row };

// delartal-plan's run in `format` with these options, the operand after them
// or, without one, `input` on standard input: the result object up to its
// closing brace. A JSON Lines run's rows go into "rader", and, where asked
// for, the channel notice of each into "obs"; any other run's output is
// "text".
std::string run(std::string_view format, std::vector<std::string_view> arguments,
                std::int32_t variant, std::optional<std::string_view> operand,
                std::string_view input = {}, std::uint64_t most = page_rows,
                Notices notices = Notices::left_out) {
  arguments.insert(arguments.begin(), {"-f", format});
  if (const char* option = variant_option(variant)) arguments.emplace_back(option);
  if (operand) {
    arguments.emplace_back("--");
    arguments.push_back(*operand);
  }
  TextSource source(input);
  const bool json = format == "json";
  StringSink out;
  StringSink err;
  plan::PlanTally tally;
  tally.most_written = most;
  if (notices == Notices::each_row) tally.notices_wanted = most;
  const int status = plan::run_plan(arguments, source, out, err, &tally);
  // A whole-band plan is megabytes: its text is copied once, into the result.
  std::string result;
  result.reserve(out.text().size() + out.text().size() / 8 + 256);
  result += "{\"status\":";
  result += std::to_string(status);
  result += ",\"rader\":[";
  std::string_view separator;
  const std::vector<std::string_view> rows =
      json ? lines_of(out.text()) : std::vector<std::string_view>();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    result += separator;
    result += rows[i];
    separator = ",";
  }
  result += "],\"antal\":";
  result += std::to_string(json ? tally.rows : 0);
  result += ",\"meddelanden\":[";
  separator = {};
  for (const std::string_view message : lines_of(err.text())) {
    result += separator;
    plan::append_json_string(result, page_message(message));
    separator = ",";
  }
  result += "],\"avvisade\":";
  result += std::to_string(tally.refused_inputs);
  if (notices == Notices::each_row) {
    result += ",\"obs\":";
    result += json_strings(tally.notices);
  }
  const std::uint64_t limit = format == "html" ? page_cards : page_rows;
  const bool too_many = tally.rows > limit;
  if (!json) {
    result += ",\"text\":";
    plan::append_json_string(result, too_many ? std::string() : out.text());
  }
  // Only a list can outgrow the page.
  if (!operand) {
    result += ",\"stopp\":";
    plan::append_json_string(result, too_many ? too_many_text(tally.rows, format) : std::string());
  }
  return result;
}

// The result object closed, without a copy of its text.
std::string closed(std::string result) {
  result += '}';
  return result;
}

// What delartal prints for the frequency from " Frekvensen" to the label
// row, and the channel notice it gives on standard error; empty for a
// frequency it refuses.
struct Report {
  std::string lines;
  std::string notice;
};

Report report_of(std::string_view typed, std::int32_t variant) {
  const std::optional<plan::TypedFrequency> frequency = plan::read_typed_frequency(typed);
  if (!frequency) return {};
  const std::optional<std::int32_t> n = divider_for(frequency->value, variant);
  if (!n) return {};
  return {std::string(report_body(frequency->value, *n).view()),
          std::string(channel_notice(frequency->value, *n, variant).view())};
}

}  // namespace

std::string forward(std::string_view typed, std::int32_t variant) {
  if (variant != 1 && variant != 2) variant = 1;
  const Report report = report_of(typed, variant);
  return run("json", {}, variant, typed) + ",\"rapport\":" + plan::json_string(report.lines) +
         ",\"obs\":" + plan::json_string(report.notice) + "}";
}

std::string reverse(std::string_view board, std::int32_t variant) {
  return closed(run("json", {"-r"}, variant, board));
}

std::string plan(std::string_view lines, std::int32_t variant, std::int32_t most) {
  const std::uint64_t rows =
      most >= 0 ? std::min<std::uint64_t>(static_cast<std::uint64_t>(most), page_rows) : page_rows;
  return closed(run("json", {}, variant, std::nullopt, lines, rows, Notices::each_row));
}

std::string sheet(std::string_view lines, std::string_view format, char delimiter,
                  std::int32_t variant) {
  // ";" is for spreadsheets in a Swedish locale, which read decimal commas.
  if (format == "csv" && delimiter == ';') {
    return closed(run("csv", {"-d;", "--decimal-comma"}, variant, std::nullopt, lines));
  }
  if (format == "csv") return closed(run("csv", {"-d,"}, variant, std::nullopt, lines));
  return closed(run("html", {}, variant, std::nullopt, lines, page_cards));
}

std::string card(std::string_view text, bool reverse, std::int32_t variant) {
  return run("html",
             reverse ? std::vector<std::string_view>{"-r"} : std::vector<std::string_view>{},
             variant, text) +
         "}";
}

std::string list_text(std::string_view bytes) {
  std::string text(bytes);
  plan::ListText list;
  list.make_utf8(text, 1, false);
  const std::string notice = list.notice();
  return "{\"text\":" + plan::json_string(text) + ",\"meddelanden\":[" +
         (notice.empty() ? "" : plan::json_string(notice)) + "]}";
}

std::string drawing(std::int32_t divider) {
  const bool drawn = divider >= 0 && divider <= 9999;
  return "{\"matris\":" + plan::json_string(drawn ? plan::matrix_drawing(divider) : "") +
         ",\"smal\":" + plan::json_string(drawn ? plan::matrix_drawing_narrow(divider) : "") + "}";
}

std::string layout() {
  std::string places;
  for (std::size_t mark = 0; mark < line_of_mark.size(); ++mark) {
    places += (mark == 0 ? "" : ",") +
              plan::json_string(has_line(mark) ? line_of_mark.substr(mark, 1) : "");
  }
  std::string groups;
  for (const std::string_view group : plan::digit_groups) {
    groups += (groups.empty() ? "" : ",") + plan::json_string(group);
  }
  return "{\"platser\":[" + places + "],\"grupper\":[" + groups +
         "],\"ryms\":" + plan::json_string(plan::fits_sentence) +
         ",\"ryms_inte\":" + plan::json_string(plan::misfit_sentence) + "}";
}

}  // namespace delartal::web
