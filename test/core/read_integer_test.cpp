#include "read_integer.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

#include "support.hpp"

namespace delartal::test {
namespace {

struct IntegerCase {
  const char* text;
  std::optional<std::int32_t> value;
  const char* rest;  // what stays unread
};

// Whole, and a byte at a time at the source.
void expect_reads(const IntegerCase& c) {
  for (const std::size_t chunk : {SIZE_MAX, std::size_t{1}}) {
    StringSource source(c.text, chunk);
    Input in(source);
    EXPECT_EQ(read_integer(in), c.value) << c.text;
    EXPECT_EQ(rest_of(in), c.rest) << c.text;
  }
}

TEST(ReadInteger, FollowsIntegerLiteralForms) {
  const IntegerCase cases[] = {
      {"1", 1, ""},
      {"2\n", 2, "\n"},
      {"02", 2, ""},
      {"0x2", 2, ""},
      {"0X1f", 31, ""},
      {"0b10", 2, ""},
      {"0B1", 1, ""},
      {"+1", 1, ""},
      {"-2", -2, ""},
      {"017", 15, ""},
      {"0", 0, ""},
      {"1 146", 1, " 146"},
      {"1,5", 1, ",5"},
      {"2x", 2, "x"},
      // A number ends at the first byte that is no digit of its base.
      {"08", 0, "8"},
      {"019", 1, "9"},
      {"0b12", 1, "2"},
      {"0x1g", 1, "g"},
      // A prefix with no digit after it is not a prefix: the 0 alone is read.
      {"0x", 0, "x"},
      {"0xg", 0, "xg"},
      {"0b2", 0, "b2"},
      {"-0x", 0, "x"},
      // No number at all: nothing is read.
      {"x", std::nullopt, "x"},
      {"-", std::nullopt, "-"},
      {"+ 1", std::nullopt, "+ 1"},
      {"", std::nullopt, ""},
      {"\xE4", std::nullopt, "\xE4"},
  };
  for (const IntegerCase& c : cases) expect_reads(c);
}

TEST(ReadInteger, RefusesValuesOutside32BitsWithoutWrapping) {
  const IntegerCase cases[] = {
      {"2147483647", INT32_MAX, ""},
      {"-2147483648", INT32_MIN, ""},
      {"0x7fffffff", INT32_MAX, ""},
      {"-0x80000000", INT32_MIN, ""},
      {"2147483648", std::nullopt, ""},
      {"-2147483649", std::nullopt, ""},
      {"4294967297", std::nullopt, ""},  // 2^32 + 1, which wraps to 1
      {"0x100000001", std::nullopt, ""},
      {"0b100000000000000000000000000000001", std::nullopt, ""},
      {"99999999999999999999999999999999999999 2", std::nullopt, " 2"},
  };
  for (const IntegerCase& c : cases) expect_reads(c);
}

TEST(ReadInteger, ReadsAVeryLongNumberInFull) {
  const std::string text = std::string(1'000'000, '0') + "2" + std::string(1'000'000, '7') + ";";
  StringSource source(text);
  Input in(source);
  EXPECT_EQ(read_integer(in), std::nullopt);
  EXPECT_EQ(rest_of(in), ";");

  const std::string zeros = std::string(1'000'000, '0') + "1";
  StringSource zeros_source(zeros);
  Input zeros_in(zeros_source);
  EXPECT_EQ(read_integer(zeros_in), 1);
}

// Whether strtol reads "0x" not followed by a hex digit as the number 0, as C
// asks. Microsoft's C runtime reads no number there, so it can be no yardstick
// for that form.
bool strtol_reads_bare_0x() {
  const char* const text = "0xg";
  char* end = nullptr;
  static_cast<void>(std::strtol(text, &end, 0));
  return end == text + 1;
}

// strtol with base 0 shares every form but 0b: both must read the same value
// and stop at the same byte, and refuse what does not fit 32 bits.
TEST(ReadInteger, AgreesWithStrtol) {
  const bool bare_0x_shared = strtol_reads_bare_0x();
  std::mt19937 random(20261208);
  // Prefixes, signs and digits of every base, runs long enough to pass the
  // 32-bit and the 64-bit range.
  const std::string alphabet = "0000123456789abcdefABCDEFxX+- 8";
  for (int round = 0; round < 2'000'000; ++round) {
    std::string text;
    const int length = 1 + static_cast<int>(random() % (random() % 4 == 0 ? 40 : 14));
    for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    if (text[0] == ' ') continue;  // strtol would skip it
    const std::size_t digits = (text[0] == '+' || text[0] == '-') ? 1 : 0;
    if (text.compare(digits, 2, "0b") == 0 || text.compare(digits, 2, "0B") == 0) {
      continue;  // binary is ours alone
    }
    const bool bare_0x =
        (text.compare(digits, 2, "0x") == 0 || text.compare(digits, 2, "0X") == 0) &&
        !std::isxdigit(static_cast<unsigned char>(text.c_str()[digits + 2]));
    if (bare_0x && !bare_0x_shared) continue;

    errno = 0;
    char* end = nullptr;
    const long expected = std::strtol(text.c_str(), &end, 0);
    const bool converted = end != text.c_str();
    const bool in_range = errno != ERANGE && expected >= INT32_MIN && expected <= INT32_MAX;

    StringSource source(text);
    Input in(source);
    const std::optional<std::int32_t> value = read_integer(in);
    if (!converted) {
      EXPECT_EQ(value, std::nullopt) << text;
      continue;
    }
    if (in_range) {
      EXPECT_EQ(value, expected) << text;
    } else {
      EXPECT_EQ(value, std::nullopt) << text;
    }
    EXPECT_EQ(rest_of(in), std::string(end)) << text;
  }
}

}  // namespace
}  // namespace delartal::test
