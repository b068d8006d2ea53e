#include "run/plan.hpp"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "channel.hpp"
#include "lists/channel_list.hpp"
#include "matrix_report.hpp"
#include "run/help_text.hpp"
#include "run/messages.hpp"
#include "run/options.hpp"
#include "sheets/sheet.hpp"
#include "terms/board.hpp"
#include "terms/decimal_range.hpp"
#include "terms/direction_hints.hpp"
#include "terms/range_band.hpp"
#include "terms/typed_frequency.hpp"
#include "text/printable.hpp"

#ifndef DELARTAL_VERSION
#error "DELARTAL_VERSION must name the version"
#endif

namespace delartal::plan {
namespace {

struct Run {
  const Options& options;
  TextSink& out;
  TextSink& err;
  PlanTally* tally;
  std::uint64_t most_written;
  std::uint64_t rows = 0;
  std::uint64_t refusals = 0;        // messages that refused a text, or all of a range
  std::uint64_t refused_inputs = 0;  // arguments, lines and records that gave no row for it
};

// Whether the next row is to be made, rather than counted.
bool writing(const Run& run) {
  return run.rows < run.most_written;
}

void write_row(Run& run, const std::string& row, std::string_view notice) {
  run.out.write(row);
  ++run.rows;
  if (run.tally && run.tally->notices.size() < run.tally->notices_wanted) {
    run.tally->notices.emplace_back(notice);
  }
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
  run.err.write(refusal(where, why));
  ++run.refusals;
}

// A frequency's row for each variant it is answered for, and `outside(ver)`
// for each variant whose band it lies outside.
template <typename Outside>
void forward_rows(Run& run, const TypedFrequency& typed, std::string_view name,
                  std::optional<std::int32_t> row_variant, Outside outside) {
  for (const std::int32_t ver : variants(run.options, row_variant)) {
    const std::optional<std::int32_t> n = divider_for(typed.value, ver);
    if (!n) {
      outside(ver);
    } else if (writing(run)) {
      write_row(run,
                sheet_row(run.options.style, ForwardRow{typed.text, ver, typed.value, *n, name}),
                channel_notice(typed.value, *n, ver).view());
    } else {
      ++run.rows;
    }
  }
}

void forward_frequency(Run& run, std::string_view where, std::string_view text,
                       std::string_view name, std::optional<std::int32_t> row_variant) {
  const std::optional<TypedFrequency> typed = read_typed_frequency(text);
  if (!typed) {
    refuse(run, where, reads_as_board(text) ? board_hint : "ingen frekvens; skriv t.ex. 146.0125");
    return;
  }
  forward_rows(run, *typed, name, row_variant,
               [&](std::int32_t ver) { refuse(run, where, band_text(ver)); });
}

// A range's rows: only its frequencies within a variant's band are read, and
// once no more rows are to be made, the rest are counted.
void forward_range(Run& run, std::string_view where, const DecimalRange& range,
                   std::string_view name, std::optional<std::int32_t> row_variant) {
  const std::vector<std::int32_t> vers = variants(run.options, row_variant);
  std::vector<IndexSpan> spans;
  std::uint64_t first = range_size(range);
  std::uint64_t end = 0;
  for (const std::int32_t ver : vers) {
    spans.push_back(band_span(range, ver));
    first = std::min(first, spans.back().first);
    end = std::max(end, spans.back().end);
  }
  const std::uint64_t rows = run.rows;
  std::uint64_t index = first;
  for (; index < end && writing(run); ++index) {
    const TypedFrequency typed = read_typed_frequency(range_value(range, index).view()).value();
    for (std::size_t i = 0; i < vers.size(); ++i) {
      if (spans[i].holds(index)) forward_rows(run, typed, name, vers[i], [](std::int32_t) {});
    }
  }
  for (const IndexSpan& span : spans)
    run.rows += IndexSpan{std::max(span.first, index), span.end}.size();
  const std::uint64_t given = run.rows - rows;
  const std::uint64_t left_out = range_size(range) * vers.size() - given;
  if (left_out == 0) return;
  run.err.write(refusal(where, left_out_text(left_out, left_out + given)));
  if (given == 0) ++run.refusals;
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
      refuse(run, where, no_frequency_text(ver));
      continue;
    }
    if (writing(run)) {
      write_row(run, sheet_row(run.options.style, ReverseRow{board.divider, ver, *band, name}), {});
    } else {
      ++run.rows;
    }
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

// A channel list's channels answered as they are read.
class ListAnswers final : public ListReader {
 public:
  explicit ListAnswers(Run& run) : run_(run) {}
  void channel(const std::string& where, std::string_view key, std::string_view name,
               std::optional<std::int32_t> variant) override {
    answer(run_, where, key, name, variant);
    run_.out.flush();  // someone typing the lines sees each answer at once
  }
  void refuse(const std::string& where, std::string_view why) override {
    plan::refuse(run_, where, why);
    ++run_.refused_inputs;
  }
  void notice(std::string_view text) override { run_.err.write(note(text)); }

 private:
  Run& run_;
};

int usage_error(TextSink& err, std::string_view fault) {
  err.write(usage_fault(fault));
  return 2;
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

  Run run{options, out, err, tally,
          tally ? tally->most_written : std::numeric_limits<std::uint64_t>::max()};
  if (options.style.format == Format::csv) out.write_line_ends_as_given();
  out.write(sheet_start(options.style));
  if (options.operands.empty()) {
    ListAnswers answers(run);
    read_channel_list(in, options.style.direction == Direction::reverse, answers);
  } else {
    for (const std::string_view operand : options.operands) answer(run, quoted(operand), operand);
  }
  out.write(sheet_end(options.style));
  out.flush();
  if (tally) {
    tally->refused_inputs = run.refused_inputs;
    tally->rows = run.rows;
  }
  return run.refusals > 0 ? 1 : 0;
}

}  // namespace delartal::plan
