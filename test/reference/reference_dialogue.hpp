// The whole dialogue as it must run for a given input: every text it writes
// and its exit status, built from the reference reads and calculation.
#pragma once

#include <string>
#include <string_view>

namespace delartal::reference {

struct Transcript {
  std::string out;
  std::string err;
  int status = 0;
};

// `read_fails`: the input ends in a read error instead of its end.
Transcript dialogue(std::string_view input, bool read_fails = false);

}  // namespace delartal::reference
