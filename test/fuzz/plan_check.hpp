// One delartal-plan run checked against the reference: the plan fuzzer's
// property, and the replay of its corpus among the unit tests.
#pragma once

#include <string>
#include <string_view>

namespace delartal::test {

// The first byte chooses the options: bit 0 the reverse direction, bit 1
// CSV (else text), bits 2 and 3 the variant (0 both, 1, 2), bit 4 whether the
// rest is arguments, one a line, rather than standard input; with CSV, bit 5
// decimal commas and bit 6 ";" for the delimiter; without, bit 7 JSON Lines
// rather than text. Lines may carry names and
// comments. Returns what went wrong, or nothing: the status must be 0, 1 or
// 2; every message must start with the program's name; a usage error writes
// no data; and every CSV row, quoted as RFC 4180 has it, and every JSON
// object, read back to the CSV's fields, must be what the
// reference computes for its frequency or divider: its value as shown, its
// divider and channel, its channel's IARU name, and its patterns. A CSV read
// from standard input must give the same rows again when read back.
std::string plan_mismatch(std::string_view input);

}  // namespace delartal::test
