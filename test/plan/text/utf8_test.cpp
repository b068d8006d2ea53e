#include "text/utf8.hpp"

#include <gtest/gtest.h>

namespace delartal::plan {
namespace {

TEST(Utf8, ReadsALineThatIsNotUtf8AsWindows1252Whole) {
  const struct {
    const char* text;
    const char* utf8;
  } cases[] = {
      {"R\xe4vjakt H\xf6rby", "R\xc3\xa4vjakt H\xc3\xb6rby"},    // Latin-1
      {"\x80 \x96 \x9f", "\xe2\x82\xac \xe2\x80\x93 \xc5\xb8"},  // euro, dash, Y diaeresis
      {"\x81\x8d\x8f\x90\x9d", "\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"},
      // One invalid byte, and the whole line is 1252, its valid pairs too.
      {"H\xc3\xb6rby \xe4", "H\xc3\x83\xc2\xb6rby \xc3\xa4"},
      {"ok", "ok"},
      {"\xed\xa0\x80", "\xc3\xad\xc2\xa0\xe2\x82\xac"},  // a surrogate is no UTF-8
  };
  for (const auto& c : cases) {
    const std::string utf8 = as_utf8(c.text);
    EXPECT_EQ(utf8, c.utf8) << c.text;
    EXPECT_EQ(first_invalid_utf8(utf8), std::string_view::npos) << c.text;
  }
}

TEST(Utf8, TellsACharacterCutShortFromAnInvalidOne) {
  EXPECT_TRUE(is_cut_short("\xc3"));
  EXPECT_TRUE(is_cut_short("\xe2\x82"));
  EXPECT_TRUE(is_cut_short("\xe0"));
  EXPECT_TRUE(is_cut_short("\xf0\x9f\x98"));
  EXPECT_FALSE(is_cut_short("\xe4 "));  // Latin-1 "ä" before a blank
  EXPECT_FALSE(is_cut_short("\xc3 "));
  EXPECT_FALSE(is_cut_short("\xc0"));
  EXPECT_FALSE(is_cut_short(""));
}

}  // namespace
}  // namespace delartal::plan
