#include "matrix_report.hpp"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>

#include "channel.hpp"
#include "matrix_lines.hpp"
#include "read_float.hpp"
#include "report_text.hpp"
#include "support.hpp"

namespace delartal::test {
namespace {

TEST(I2bcd, WritesEachDigitsPattern) {
  const char* const patterns[10] = {"x x x x", "x x x V", "x x V x", "x x V V", "x V x x",
                                    "x V x V", "x V V x", "x V V V", "V x x x", "V x x V"};
  for (std::int32_t digit = 0; digit < 10; ++digit) {
    Pattern buffer;
    buffer.fill('#');
    i2bcd(digit, buffer);
    EXPECT_EQ(std::string(buffer.data()), patterns[digit]);
    EXPECT_EQ(buffer[8], '#') << "wrote past the pattern";
  }
}

TEST(I2bcd, WritesNothingForOtherNumbers) {
  for (const std::int32_t num : {-1, 10, 1000, std::numeric_limits<std::int32_t>::min()}) {
    Pattern buffer;
    buffer.fill('#');
    i2bcd(num, buffer);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), std::string(10, '#')) << num;
  }
}

std::string report_for(const char* typed, int variant) {
  StringSource source(typed);
  Input in(source);
  const std::optional<float> f = read_float(in);
  if (!f) return "(no number)";
  StringSink out;
  if (!printN(out, *f, variant)) return "(refused)";
  return out.text();
}

TEST(PrintN, ReportsTheDividerAndItsDiodes) {
  const ReportRow rows[] = {
      {"146", 1, "146.0000", 448, {"x x x x", "x V x x", "x V x x", "V x x x"}},
      {"146", 2, "146.0000", 464, {"x x x x", "x V x x", "x V V x", "x V x x"}},
      {"145.6125", 1, "145.6125", 417, {"x x x x", "x V x x", "x x x V", "x V V V"}},
      {"160", 1, "160.0000", 1568, {"x x x V", "x V x V", "x V V x", "V x x x"}},
      {"155.5", 2, "155.5000", 1224, {"x x x V", "x x V x", "x x V x", "x V x x"}},
      {"140.4125", 1, "140.4125", 1, {"x x x x", "x x x x", "x x x x", "x x x V"}},
      {"165.3875", 1, "165.3875", 1999, {"x x x V", "V x x V", "V x x V", "V x x V"}},
      {"165.1875", 2, "165.1875", 1999, {"x x x V", "V x x V", "V x x V", "V x x V"}},
      {"165.4", 1, "165.4000", 2000, {"x x V x", "x x x x", "x x x x", "x x x x"}},
      {"145.60625", 1, "145.6062", 416, {"x x x x", "x V x x", "x x x V", "x V V x"}},
      {"146.00625", 1, "146.0063", 449, {"x x x x", "x V x x", "x V x x", "V x x V"}},
      {"146.01875", 1, "146.0188", 450, {"x x x x", "x V x x", "x V x V", "x x x x"}},
      {"146.03125", 1, "146.0313", 451, {"x x x x", "x V x x", "x V x V", "x x x V"}},
      {"141.40625", 2, "141.4063", 96, {"x x x x", "x x x x", "V x x V", "x V V x"}},
      {"146.0312423706054687499999999",
       1,
       "146.0313",
       451,
       {"x x x x", "x V x x", "x V x V", "x x x V"}},
      {"146.03124237060546775", 1, "146.0312", 450, {"x x x x", "x V x x", "x V x V", "x x x x"}},
      // The ends of what the report has room for; quotients between -0.5 and
      // 0.5 give 0.
      {"140.4", 1, "140.4000", 0, {"x x x x", "x x x x", "x x x x", "x x x x"}},
      {"140.39375", 1, "140.3938", 0, {"x x x x", "x x x x", "x x x x", "x x x x"}},
      {"140.2", 2, "140.2000", 0, {"x x x x", "x x x x", "x x x x", "x x x x"}},
      {"140.4", 2, "140.4000", 16, {"x x x x", "x x x x", "x x x V", "x V V x"}},
      {"265.3875", 1, "265.3875", 9999, {"V x x V", "V x x V", "V x x V", "V x x V"}},
      {"265.39375", 1, "265.3937", 9999, {"V x x V", "V x x V", "V x x V", "V x x V"}},
      {"265.1875", 2, "265.1875", 9999, {"V x x V", "V x x V", "V x x V", "V x x V"}},
  };
  for (const ReportRow& row : rows) {
    EXPECT_EQ(report_for(row.typed, row.variant), report_text(row))
        << row.typed << " with variant " << row.variant;
  }
}

TEST(PrintN, RefusesWhatTheMatrixReportCannotShow) {
  const struct {
    const char* typed;
    int variant;
  } cases[] = {
      {"146", 0},   {"146", 3},       {"146", -1},  {"140.3937", 1}, {"140.1937", 2},
      {"265.4", 1}, {"265.19375", 2}, {"100", 1},   {"0", 1},        {"-146", 2},
      {"1e30", 1},  {"0x1p200", 1},   {"63.99", 2}, {"1024", 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(report_for(c.typed, c.variant), "(refused)") << c.typed << " " << c.variant;
  }
}

// Read off the report's pattern row over its label row.
TEST(DiodeLines, NamesTheLinesUnderEachV) {
  const struct {
    std::int32_t divider;
    const char* lines;
  } cases[] = {
      {0, ""},
      {1, "M"},
      {448, "J F C"},
      {451, "J F D M"},
      {1000, "L"},
      {1999, "L K H G D C M"},
      {1234, "L I E D B"},
      // A thousands digit above 1 has marks over "-", where no line is: they
      // stand as "-", so that no such divider reads as a board that fits.
      {2000, "-"},
      {7000, "- - L"},
      {9999, "- L K H G D C M"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(diode_lines(c.divider).view(), c.lines) << c.divider;
  }
}

// Channel 0 of each variant lies at twice its offset, 12.5 kHz a divider above it.
TEST(ChannelFrequency, IsTheCentreOfTheDividersStep) {
  const struct {
    std::int32_t divider;
    std::int32_t variant;
    const char* four;
    const char* short_form;
  } cases[] = {
      {0, 1, "140.4000", "140.4"},       {0, 2, "140.2000", "140.2"},
      {430, 1, "145.7750", "145.775"},   {451, 1, "146.0375", "146.0375"},
      {1999, 1, "165.3875", "165.3875"}, {1999, 2, "165.1875", "165.1875"},
      {9999, 1, "265.3875", "265.3875"}, {9999, 2, "265.1875", "265.1875"},
      {448, 1, "146.0000", "146"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(channel_frequency(c.divider, c.variant).view(), c.four) << c.divider;
    EXPECT_EQ(channel_frequency_short(c.divider, c.variant).view(), c.short_form) << c.divider;
  }
}

}  // namespace
}  // namespace delartal::test
