// The page's whole view of the core: text in, JSON out. Each entry point runs
// delartal-plan in memory, so that the page reads, computes and formats
// nothing of its own, and every answer is delartal-plan's.
//
// Every result is one JSON object:
//   {"status":S,"rader":[ROW...],"antal":R,"meddelanden":[MESSAGE...],"avvisade":N,
//    "stopp":T}
// S is delartal-plan's exit status; each ROW is an object of `delartal-plan
// -f json`, with the CSV's fields, R how many the plan has, made or not; each
// MESSAGE a line it wrote on standard error as the page shows it, without the
// program's name and pointing to the page's views for the options' hints, as
// "rad 2: ”abc”: ingen frekvens; ..."; N the arguments or lines that gave no
// row and were refused. For a list, T says, past the 20,000 rows or 2,000
// cards a page makes, how many the list gives and that delartal-plan makes
// any number; "" otherwise. The work and the memory of every call are bounded by those
// limits, whatever the input: rows past them are counted, a range's without
// stepping through it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace delartal::web {

// A typed frequency, read as delartal-plan reads an argument, with variant 1
// or 2. Adds "rapport": delartal's report lines for it, from " Frekvensen"
// down to the label row, each ended by a line end, byte for byte as delartal
// prints them; and "obs": the channel notice where the frequency shown is not
// its divider's channel. Both are "" when the frequency is refused.
std::string forward(std::string_view typed, std::int32_t variant);

// The matrix of divider n (0..9999) drawn as on the cards, in SVG:
// {"matris":"<svg ...","smal":"<svg ..."}, "smal" the same for a narrow
// screen; "" for any other n. Apart from forward(), so that a
// page draws only when the divider changes.
std::string drawing(std::int32_t divider);

// A board as delartal-plan -r reads one: a divider, the lines with a diode
// ("J F D M") or a pattern row. Variant 1 or 2, or 0 for both.
std::string reverse(std::string_view board, std::int32_t variant);

// A channel plan: its lines as delartal-plan reads standard input (ranges,
// names, comments). Variant 1 or 2, or 0 for both. "rader" holds the first
// `most` rows, up to 20,000 where `most` is negative; "antal" counts them all. Adds "obs": for each
// row in "rader", its channel notice, or "" where it is on its channel.
std::string plan(std::string_view lines, std::int32_t variant, std::int32_t most = -1);

// The same plan as a sheet: `format` "csv" (`delimiter` ',', or ';' with
// decimal commas, for a spreadsheet in a Swedish locale) or "html", the
// printable cards. Adds "text", the sheet whole, or "" past the page's limit.
std::string sheet(std::string_view lines, std::string_view format, char delimiter,
                  std::int32_t variant);

// The card of one frequency, or with `reverse` of one board, as `delartal-plan
// -f html` prints it, with its name field empty to write on: "text". Variant
// 1 or 2, or 0 for both.
std::string card(std::string_view text, bool reverse, std::int32_t variant);

// A channel list's file as the page reads it, in whatever it was saved in:
// {"text":"...","meddelanden":[...]}, the text in UTF-8 to put in the plan's
// lines, read as delartal-plan reads standard input (Windows-1252 from the
// first byte that is not UTF-8 on), and delartal-plan's notice when it was so,
// as the page shows it.
std::string list_text(std::string_view bytes);

// The matrix's sixteen places in the label row's order, each a line's name
// or "" where the thousands digit has none, the four digit groups' names, and
// the sentences that say whether a divider fits the matrix:
// {"platser":["","","","L","K",...,"M"],"grupper":["tusental",...],
// "ryms":"Ryms i matrisen.","ryms_inte":"Ryms inte i matrisen: ..."}.
std::string layout();

}  // namespace delartal::web
