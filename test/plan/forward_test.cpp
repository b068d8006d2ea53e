// The forward rows against delartal's own report: for every channel and every
// half step between two, typed with both variants, the plan's "visad" and
// "delartal" are what the dialogue prints for the same text.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <utility>

#include "dialogue.hpp"
#include "plan.hpp"
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

// The plan's CSV rows for all the texts, one per line of standard input:
// frequency text to "visad delartal".
std::map<std::string, std::string> plan_says(int variant, const std::string& lines) {
  StringSource source(lines);
  StringSink out;
  StringSink err;
  run_plan({"--format=csv", "--variant", variant == 1 ? "1" : "2"}, source, out, err);
  std::map<std::string, std::string> rows;
  std::istringstream csv(out.text());
  std::string record;
  std::getline(csv, record);  // the header
  while (std::getline(csv, record)) {
    std::istringstream fields(record);
    std::string frequency;
    std::string ver;
    std::string shown;
    std::string divider;
    std::getline(fields, frequency, ',');
    std::getline(fields, ver, ',');
    std::getline(fields, shown, ',');
    std::getline(fields, divider, ',');
    rows[frequency] = shown + " " + divider;
  }
  return rows;
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
    const std::map<std::string, std::string> rows = plan_says(variant, lines);
    int faults = 0;
    for (const std::string& text : texts) {
      const std::string expected = delartal_says(variant, text);
      const auto row = rows.find(text);
      const std::string got = row == rows.end() ? std::string() : row->second;
      if (got != expected && ++faults <= 10) {
        ADD_FAILURE() << text << " with variant " << variant << ": the plan says \"" << got
                      << "\", delartal \"" << expected << "\"";
      }
    }
    EXPECT_EQ(faults, 0);
  }
}

}  // namespace
}  // namespace delartal::plan
