// The forward rows against delartal's own report: for every channel and every
// half step between two, typed with both variants, the plan's "visad" and
// "delartal" are what the dialogue prints for the same text, and "kanal" is
// the channel the reverse direction gives for that divider.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "dialogue.hpp"
#include "run/plan.hpp"
#include "support.hpp"

namespace delartal::plan {
namespace {

using test::StringSink;
using test::StringSource;

// A frequency in units of 10^-5 MHz as typed: "146.03125", "146".
std::string typed(std::int64_t units) {
  std::string text =
      std::to_string(units / 100000) + "." + std::to_string(100000 + units % 100000).substr(1);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}

// What delartal's report says for the text: "146.0313 451", or nothing when
// it refuses the frequency.
std::string delartal_says(int variant, const std::string& text) {
  const std::string answers = std::to_string(variant) + "\n" + text + "\n\n";
  StringSource source(answers);
  StringSink out;
  StringSink err;
  run_dialogue(source, out, err);
  const std::string marker = "\n\n\n Frekvensen ";
  const std::size_t at = out.text().find(marker);
  if (at == std::string::npos) return {};
  std::istringstream report(out.text().substr(at + marker.size()));
  std::string shown;
  std::string gives;
  std::string divider_word;
  std::string divider;
  report >> shown >> gives >> divider_word >> divider;
  return shown + " " + divider;
}

// The fields of the plan's CSV rows, unquoted, for the lines given on
// standard input.
std::vector<std::vector<std::string>> csv_rows(const std::vector<std::string_view>& arguments,
                                               const std::string& lines) {
  StringSource source(lines);
  StringSink out;
  StringSink err;
  run_plan(arguments, source, out, err);
  std::vector<std::vector<std::string>> rows;
  std::istringstream csv(out.text());
  std::string record;
  std::getline(csv, record);  // the header
  while (std::getline(csv, record)) {
    std::istringstream line(record.substr(0, record.find('\r')));
    std::vector<std::string> fields;
    for (std::string field; std::getline(line, field, ',');) fields.push_back(field);
    rows.push_back(fields);
  }
  return rows;
}

struct Said {
  std::string shown_and_divider;  // "146.0313 451"
  std::int32_t divider;
  std::string channel;
};

// The plan's forward rows for all the texts, one per line of standard input.
std::map<std::string, Said> plan_says(int variant, const std::string& lines) {
  std::map<std::string, Said> rows;
  for (const auto& fields :
       csv_rows({"--format=csv", "--variant", variant == 1 ? "1" : "2"}, lines)) {
    rows[fields[0]] = {fields[2] + " " + fields[3], std::stoi(fields[3]), fields[10]};
  }
  return rows;
}

// The reverse direction's channel of every divider 0..9999.
std::vector<std::string> reverse_channels(int variant) {
  std::string lines;
  for (int n = 0; n <= 9999; ++n) lines += std::to_string(n) + "\n";
  std::vector<std::string> channels;
  for (const auto& fields :
       csv_rows({"-r", "--format=csv", "--variant", variant == 1 ? "1" : "2"}, lines)) {
    channels.push_back(fields[2]);
  }
  return channels;
}

// A channel typed as such is its own channel: the reverse direction's channel
// of divider n with variant 1 is 140.4 + n * 0.0125 MHz, written out here.
TEST(Forward, ReverseChannelsAreTheChannelsThemselves) {
  const std::vector<std::string> channels = reverse_channels(1);
  ASSERT_EQ(channels.size(), 10000U);
  for (int n = 0; n <= 9999; n += 7) {
    const int units = 1'404'000 + 125 * n;  // ten-thousandths of a MHz
    const std::string fraction = std::to_string(10000 + units % 10000).substr(1);
    EXPECT_EQ(channels[static_cast<std::size_t>(n)],
              std::to_string(units / 10000) + "." + fraction);
  }
}

TEST(Forward, EveryChannelAndHalfStepAsDelartalReportsIt) {
  std::string lines;
  std::vector<std::string> texts;
  for (const std::int64_t base : {14040000, 14020000}) {
    for (std::int64_t n = 0; n <= 9999; ++n) {
      texts.push_back(typed(base + 1250 * n));
      texts.push_back(typed(base + 1250 * n + 625));
    }
  }
  for (const std::string& text : texts) lines += text + "\n";
  for (const int variant : {1, 2}) {
    const std::map<std::string, Said> rows = plan_says(variant, lines);
    const std::vector<std::string> channels = reverse_channels(variant);
    ASSERT_EQ(channels.size(), 10000U);
    int faults = 0;
    for (const std::string& text : texts) {
      const std::string expected = delartal_says(variant, text);
      const auto row = rows.find(text);
      const Said got = row == rows.end() ? Said{} : row->second;
      const bool channel_right =
          row == rows.end() || channels[static_cast<std::size_t>(got.divider)] == got.channel;
      if ((got.shown_and_divider != expected || !channel_right) && ++faults <= 10) {
        ADD_FAILURE() << text << " with variant " << variant << ": the plan says \""
                      << got.shown_and_divider << "\" and channel " << got.channel
                      << ", delartal \"" << expected << "\"";
      }
    }
    EXPECT_EQ(faults, 0);
  }
}

}  // namespace
}  // namespace delartal::plan
