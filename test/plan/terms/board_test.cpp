#include "terms/board.hpp"

#include <gtest/gtest.h>

#include <string>

namespace delartal::plan {
namespace {

TEST(Board, ReadsEveryWayOfWritingIt) {
  const struct {
    const char* text;
    std::int32_t divider;
  } cases[] = {
      {"451", 451},
      {"0", 0},
      {"0451", 451},
      {"9999", 9999},
      {"J F D M", 451},
      {"jfdm", 451},
      {"J,F,D,M", 451},
      {"M D F J", 451},
      {"L H F A", 1142},
      {"  l, h f,a ", 1142},
      {"x x x x  x V x x  x V x V  x x x V", 451},
      {"xxxxxVxxxVxVxxxV", 451},
      {"x x x V  V x x V  V x x V  V x x V", 1999},
      // A thousands digit above 1 has marks over "-": shown, but not in the matrix.
      {"x x V x  x x x x  x x x x  x x x x", 2000},
  };
  for (const auto& c : cases) {
    const BoardReading board = read_board(c.text);
    EXPECT_EQ(board.fault, "") << c.text;
    EXPECT_EQ(board.divider, c.divider) << c.text;
  }
}

TEST(Board, NamesWhatNoDividerCanHave) {
  const struct {
    const char* text;
    const char* fault;
  } cases[] = {
      {"K J", "hundratalet K J ger 12, inte 0–9"},
      {"G E", "tiotalet G E ger 10, inte 0–9"},
      {"C B A M", "entalet C B A M ger 15, inte 0–9"},
      {"x x x x  V V x x  x x x x  x x x x", "hundratalet V V x x ger 12, inte 0–9"},
      {"V x V x  x x x x  x x x x  x x x x", "tusentalet V x V x ger 10, inte 0–9"},
      {"N", "”N” är ingen linje, de är A–M"},
      // The stray character is named, not the first line.
      {"J F D M X", "”X” är ingen linje, de är A–M"},
      {"J F Ö", "”Ö” är ingen linje, de är A–M"},
      {"J \x01", "”<01>” är ingen linje, de är A–M"},
      {"J \xC3", "”Ã” är ingen linje, de är A–M"},
      {"A B A", "linjen A står två gånger"},
      {"A-B", "”-” är ingen linje, de är A–M"},
      {"x x x", "en mönsterrad har 16 V och x, inte 3"},
      {"xxxxxxxxxxxxxxxxx", "en mönsterrad har 16 V och x, inte 17"},
      {"x x x x  x V x x  x V x V  x x x 1", "”1” hör inte till en rad av V och x"},
      {"10000", "delartalet ligger utanför 0–9999"},
      {"451x", "”x” hör inte till ett delartal"},
      // A frequency given for a board.
      {"145.6", "ser ut som en frekvens; ta bort -r"},
      {"145,6", "ser ut som en frekvens; ta bort -r"},
      {"", "tomt; skriv t.ex. 451 eller J F D M"},
  };
  for (const auto& c : cases) EXPECT_EQ(read_board(c.text).fault, c.fault) << c.text;
}

}  // namespace
}  // namespace delartal::plan
