// One dialogue run checked against the reference: the fuzzer's property, and
// the replay of its corpus and of the inputs it once found failing.
#pragma once

#include <string>
#include <string_view>

namespace delartal::test {

// Runs the dialogue on `input` and returns what went wrong, or nothing. The run
// must end with status 0 and a report or with status 1 and none, and every
// byte written, to either stream, must be the reference's: a report built
// from a value never read would differ from it.
std::string dialogue_mismatch(std::string_view input);

}  // namespace delartal::test
