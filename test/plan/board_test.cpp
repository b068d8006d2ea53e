#include "board.hpp"

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
      {"K J", "hundratalets linjer K J ger 12, ingen siffra 0–9"},
      {"G E", "tiotalets linjer G E ger 10, ingen siffra 0–9"},
      {"C B A M", "entalets linjer C B A M ger 15, ingen siffra 0–9"},
      {"x x x x  V V x x  x x x x  x x x x",
       "hundratalets mönster V V x x ger 12, ingen siffra 0–9"},
      {"V x V x  x x x x  x x x x  x x x x",
       "tusentalets mönster V x V x ger 10, ingen siffra 0–9"},
      {"N", "bokstaven N är ingen linje i matrisen (A–M)"},
      {"A B A", "linjen A står två gånger"},
      {"A-B", "tecknet ”-” hör inte till en lista av linjer A–M"},
      {"x x x", "en mönsterrad har 16 tecken V och x, den här har 3"},
      {"xxxxxxxxxxxxxxxxx", "en mönsterrad har 16 tecken V och x, den här har 17"},
      {"x x x x  x V x x  x V x V  x x x 1", "tecknet ”1” hör inte till en mönsterrad av V och x"},
      {"10000", "delartalet ligger utanför 0–9999"},
      {"", "ett tomt kort; skriv ett delartal, linjer A–M eller en mönsterrad"},
  };
  for (const auto& c : cases) EXPECT_EQ(read_board(c.text).fault, c.fault) << c.text;
}

}  // namespace
}  // namespace delartal::plan
