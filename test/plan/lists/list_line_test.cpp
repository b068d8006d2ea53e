#include "lists/list_line.hpp"

#include <gtest/gtest.h>

namespace delartal::plan {
namespace {

TEST(ListLine, SplitsAFrequencyFromItsName) {
  const struct {
    const char* line;
    const char* key;
    const char* name;
  } cases[] = {
      {"145.600 SK0RK repeater", "145.600", "SK0RK repeater"},
      {"145.500\tanrop", "145.500", "anrop"},
      {"145.600;SK0RK", "145.600", "SK0RK"},
      {"145,600 ; SK0RK ", "145,600", "SK0RK"},
      {"145.600;SK0RK;\"R2\"", "145.600", "SK0RK;\"R2\""},
      {"  145.600  # kommentar", "145.600", ""},
      {"145.600 Kanal#3 # och en kommentar", "145.600", "Kanal#3"},
      {"145:146:0.025 2 m-bandet", "145:146:0.025", "2 m-bandet"},
      {"# bara kommentar", "", ""},
      {";ensam", "", "ensam"},
      // A comma after a whole frequency, before no digit, starts the name.
      {"145.600,SK0RK", "145.600", "SK0RK"},
      {"145.600, SK0RK", "145.600", "SK0RK"},
      {"145,600,SK0RK", "145,600", "SK0RK"},
      {"145,600", "145,600", ""},
      {"145:146,Hemma", "145:146", "Hemma"},
      {"RV48,Hemma", "RV48", "Hemma"},
      {"145.6,1,145.6000", "145.6,1,145.6000", ""},
      // A name in quotes stands without them.
      {"145.6;\"Rö, Ö-gruppen\"", "145.6", "Rö, Ö-gruppen"},
      {"145.6\t\"Stugan \"\"vid\"\" sjön\"", "145.6", "Stugan \"vid\" sjön"},
      {"145.6;\"Rö #1\" # kommentar", "145.6", "Rö #1"},
      // A unit is no name.
      {"145.6 MHz", "145.6", ""},
      {"145.6 mhz Hemma", "145.6", "Hemma"},
      {"145.6MHz", "145.6MHz", ""},
      {"145.6 MHz-kanalen", "145.6", "MHz-kanalen"},
  };
  for (const auto& c : cases) {
    const ListLine split = split_list_line(c.line, false);
    EXPECT_EQ(split.key, c.key) << c.line;
    EXPECT_EQ(split.name, c.name) << c.line;
  }
}

// A board may hold spaces itself: it goes on while its words hold only lines,
// marks and commas.
TEST(ListLine, TellsABoardWithSpacesFromItsName) {
  const struct {
    const char* line;
    const char* key;
    const char* name;
  } cases[] = {
      {"J F D M Hemma", "J F D M", "Hemma"},
      {"jfdm Hemma", "jfdm", "Hemma"},
      {"J, F, D, M SK0RK", "J, F, D, M", "SK0RK"},
      {"x x x x  x V x x  x V x V  x x x V  Hemma", "x x x x  x V x x  x V x V  x x x V", "Hemma"},
      {"451 Stuga vid sjön", "451", "Stuga vid sjön"},
      {"451 2", "451", "2"},
      // Capitals A-M are lines: such a name needs a tab or a semicolon.
      {"J F D M ABC", "J F D M ABC", ""},
      {"J F D M\tABC", "J F D M", "ABC"},
      {"J F D M;ABC", "J F D M", "ABC"},
      // A stray letter stays on the board, to be named as the fault.
      {"J F D M X", "J F D M X", ""},
  };
  for (const auto& c : cases) {
    const ListLine split = split_list_line(c.line, true);
    EXPECT_EQ(split.key, c.key) << c.line;
    EXPECT_EQ(split.name, c.name) << c.line;
  }
}

}  // namespace
}  // namespace delartal::plan
