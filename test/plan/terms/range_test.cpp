#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "terms/decimal_range.hpp"
#include "terms/typed_frequency.hpp"

namespace delartal::plan {
namespace {

std::vector<std::string> values_of(const char* text) {
  std::string fault;
  const std::optional<DecimalRange> range = read_range(text, fault);
  if (!range) return {"fault: " + fault};
  std::vector<std::string> values;
  for (std::uint64_t i = 0; i < range_size(*range); ++i) {
    values.emplace_back(range_value(*range, i).view());
  }
  return values;
}

using Values = std::vector<std::string>;

TEST(Range, StepsInExactDecimals) {
  EXPECT_EQ(values_of("145:145.05:0.0125"),
            (Values{"145", "145.0125", "145.025", "145.0375", "145.05"}));
  EXPECT_EQ(values_of("145:145.05"), values_of("145:145.05:0.0125"));
  EXPECT_EQ(values_of("145,5:146,5:0,5"), (Values{"145.5", "146", "146.5"}));
  EXPECT_EQ(values_of("146:146.1:0.03"), (Values{"146", "146.03", "146.06", "146.09"}));
  EXPECT_EQ(values_of("0146.000:146"), (Values{"146"}));
  EXPECT_EQ(values_of(".5:1.5:1"), (Values{"0.5", "1.5"}));
}

TEST(Range, RefusesWhatIsNoRange) {
  const struct {
    const char* text;
    const char* fault;
  } cases[] = {
      {"145:146:0", "STEG måste vara större än noll"},
      {"146:145", "STOPP ligger under START"},
      {"145:abc", "skriv intervallet t.ex. 145:146:0.025"},
      {":146", "skriv intervallet t.ex. 145:146:0.025"},
      {"-1:146", "skriv intervallet t.ex. 145:146:0.025"},
      {"1e2:146", "skriv intervallet t.ex. 145:146:0.025"},
      {"145:146:1:2", "högst tre delar: START:STOPP:STEG"},
      {"145:146:0.0000000000000000001", "högst 18 siffror i varje tal"},
      {"0:12500", "fler än 1000000 frekvenser: 1000001"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(values_of(c.text), Values{std::string("fault: ") + c.fault});
  EXPECT_EQ(values_of("0:12499.9875").size(), max_range_size);
}

TEST(TypedFrequency, IsTheWholeTextWithAPointOrAComma) {
  EXPECT_EQ(read_typed_frequency("145,5")->text, "145.5");
  EXPECT_EQ(read_typed_frequency("145,5")->value, 145.5F);
  EXPECT_EQ(read_typed_frequency(" 146\r")->value, 146.0F);
  EXPECT_EQ(read_typed_frequency("0x92p0")->value, 146.0F);
  EXPECT_EQ(read_typed_frequency("1.46e2")->value, 146.0F);
  for (const char* text : {"146abc", "1,2,3", "", "inf", "146 147", "-"}) {
    EXPECT_FALSE(read_typed_frequency(text).has_value()) << text;
  }
}

}  // namespace
}  // namespace delartal::plan
