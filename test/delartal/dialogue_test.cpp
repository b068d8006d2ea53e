#include "dialogue.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "dialogue_text.hpp"
#include "report_text.hpp"
#include "support.hpp"

namespace delartal::test {
namespace {

const std::string report_448 =
    report_text({"146", 1, "146.0000", 448, {"x x x x", "x V x x", "x V x x", "V x x x"}});
const std::string report_464 =
    report_text({"146", 2, "146.0000", 464, {"x x x x", "x V x x", "x V V x", "x V x x"}});
const std::string report_0 =
    report_text({"140.4", 1, "140.4000", 0, {"x x x x", "x x x x", "x x x x", "x x x x"}});

std::string times(const std::string& text, int count) {
  std::string repeated;
  for (int i = 0; i < count; ++i) repeated += text;
  return repeated;
}

struct Session {
  std::string input;
  std::string out;
  std::string err;
  int status;
};

constexpr std::size_t whole = SIZE_MAX;
constexpr std::size_t byte_at_a_time = 1;

// As one chunk, and a byte at a time as a slow pipe may hand it over.
void expect_session(const Session& session,
                    std::initializer_list<std::size_t> chunks = {whole, byte_at_a_time},
                    StringSource::End end = StringSource::End::end_of_input) {
  for (const std::size_t chunk : chunks) {
    StringSource source(session.input, chunk, end);
    StringSink out;
    StringSink err;
    EXPECT_EQ(run_dialogue(source, out, err), session.status) << session.input;
    EXPECT_EQ(out.text(), session.out) << session.input;
    EXPECT_EQ(err.text(), session.err) << session.input;
  }
}

TEST(Dialogue, ReportsForGoodAnswers) {
  const std::string for_448 = menu + prompt + report_448 + closing;
  const std::string for_464 = menu + prompt + report_464 + closing;
  const Session sessions[] = {
      {"1\n146\n\n", for_448, "", 0},
      {"2\n146\n\n", for_464, "", 0},
      {"02\n146\n", for_464, "", 0},
      {"0x2\n146\n", for_464, "", 0},
      {"0b10\n146\n", for_464, "", 0},
      {"1 146\n\n", for_448, "", 0},
      {"  \n\t1\n\n  146\n", for_448, "", 0},
      {"1\n1.46e2\n", for_448, "", 0},
      {"1\n146 and more\n", for_448, "", 0},
      {"1\r\n146\r\n\r\n", for_448, "", 0},
      {"1\n140.4\n", menu + prompt + report_0 + closing, "", 0},
      // The input may end at the closing prompt.
      {"1\n146\n", for_448, "", 0},
      {"1\n146", for_448, "", 0},
  };
  for (const Session& session : sessions) expect_session(session);
}

TEST(Dialogue, AsksAgainForAnUnusableVariant) {
  const std::string after = menu + prompt + report_448 + closing;
  const Session sessions[] = {
      {"3\n1\n146\n", menu + not_a_variant + after, "", 0},
      {"0\n1\n146\n", menu + not_a_variant + after, "", 0},
      {"-1\n1\n146\n", menu + not_a_variant + after, "", 0},
      {"x\n1\n146\n", menu + not_a_variant + after, "", 0},
      {"4294967297\n1\n146\n", menu + not_a_variant + after, "", 0},
      {"08\n1\n146\n", menu + not_a_variant + after, "", 0},
      // The rest of the refused answer's line goes with it.
      {"3 2\n1\n146\n", menu + not_a_variant + after, "", 0},
      {"x\n\xE4\n1\n146\n", menu + not_a_variant + menu + not_a_variant + after, "", 0},
      {std::string("\0\n1\n146\n", 8), menu + not_a_variant + after, "", 0},
  };
  for (const Session& session : sessions) expect_session(session);
}

TEST(Dialogue, AsksAgainForAnUnusableFrequency) {
  const std::string start = menu + prompt;
  const std::string end = prompt + report_448 + closing;
  const Session sessions[] = {
      {"1\nabc\n146\n", start + not_a_number + end, "", 0},
      {"1\ninf\nnan\n-\n.\n146\n", start + times(not_a_number + prompt, 3) + not_a_number + end, "",
       0},
      // What is left on the variant's line is the first frequency answer;
      // its line ended before the prompt appeared, so the message starts one.
      {"1x\n146\n", start + "\n" + not_a_number + end, "", 0},
      {"1\n-146\n", start + outside_1 + prompt, "\n" + ended, 1},
      {"1\n0\n140.3937\n265.4\n1e50\n146e99999999999999999999\n0x1p200\n146\n",
       start + times(outside_1 + prompt, 5) + outside_1 + end, "", 0},
      {"2\n265.19375 146\n146\n", menu + prompt + outside_2 + prompt + report_464 + closing, "", 0},
  };
  for (const Session& session : sessions) expect_session(session);
}

// A message that follows an open prompt starts a line of its own: a prompt's
// line stays open until the input ends a line typed after the prompt.
TEST(Dialogue, FailsWhenTheInputEndsBeforeBothAnswers) {
  const std::string own_line = "\n" + ended;
  const Session sessions[] = {
      {"", menu, own_line, 1},
      {"  \n", menu, ended, 1},
      // The variant's line end was typed before the frequency prompt appeared.
      {"1\n", menu + prompt, own_line, 1},
      {"1\n\n", menu + prompt, ended, 1},
      {"1", menu + prompt, own_line, 1},
      {"3\n", menu + not_a_variant + menu, own_line, 1},
      {"3\n \t\n", menu + not_a_variant + menu, ended, 1},
      {"3", menu + "\n" + not_a_variant + menu, own_line, 1},
      {"1\nabc", menu + prompt + "\n" + not_a_number + prompt, own_line, 1},
  };
  for (const Session& session : sessions) expect_session(session);
}

// The number ends at the comma and is used as it stands; the notice comes
// first, on a line of its own only where the answer's line has not ended.
TEST(Dialogue, NoticesADecimalComma) {
  const std::string for_448 = menu + prompt + report_448 + closing;
  const Session sessions[] = {
      {"1\n146,5\n\n", for_448, decimal_comma, 0},
      {"1\n146,5", for_448, "\n" + decimal_comma, 0},
      {"1 146,5\n", for_448, "\n" + decimal_comma, 0},
      {"1\n146,05e3\n", for_448, decimal_comma, 0},
      {"1\n-146,5\n", menu + prompt + outside_1 + prompt, decimal_comma + "\n" + ended, 1},
      // No digit after the comma: no decimals were meant.
      {"1\n146,\n", for_448, "", 0},
      {"1\n146, 5\n", for_448, "", 0},
      {"1\n146.5,5\n",
       menu + prompt +
           report_text(
               {"146.5", 1, "146.5000", 488, {"x x x x", "x V x x", "V x x x", "V x x x"}}) +
           closing,
       decimal_comma, 0},
  };
  // Whole: a line end still on its way would count as not yet typed.
  for (const Session& session : sessions) expect_session(session, {whole});
}

// Answers typed on the menu's line reach the frequency prompt after their
// line has ended on the console: what they make the dialogue say must not
// stand on the prompt's line.
TEST(Dialogue, RefusesTheRestOfTheMenusLineOnALineOfItsOwn) {
  const std::string start = menu + prompt + "\n";
  const std::string end = prompt + report_448 + closing;
  const Session sessions[] = {
      {"1,5\n146\n", start + not_a_number + end, "", 0},
      {"1 abc\n146\n", start + not_a_number + end, "", 0},
      {"1 300\n146\n", start + outside_1 + end, "", 0},
      {"2 x\n146\n", menu + prompt + "\n" + not_a_number + prompt + report_464 + closing, "", 0},
  };
  for (const Session& session : sessions) expect_session(session);
  // A notice on standard error has already begun the line.
  expect_session({"1 140,1\n146\n", menu + prompt + outside_1 + end, "\n" + decimal_comma, 0},
                 {whole});
}

// A frequency that is no channel, mistyped or a half step, is reported as
// read; the notice names the channel its divider gives.
TEST(Dialogue, NamesTheChannelOfAnotherFrequency) {
  const std::string report_430 =
      report_text({"145.78", 1, "145.7800", 430, {"x x x x", "x V x x", "x x V V", "x x x x"}});
  const std::string report_451 =
      report_text({"146.03125", 1, "146.0313", 451, {"x x x x", "x V x x", "x V x V", "x x x V"}});
  const std::string notice_430 = "Obs: delartalet 430 ger kanalen 145.7750 MHz, inte 145.7800.\n";
  const Session sessions[] = {
      {"1\n145.78\n\n", menu + prompt + report_430 + closing, notice_430, 0},
      {"1\n146.03125\n\n", menu + prompt + report_451 + closing,
       "Obs: delartalet 451 ger kanalen 146.0375 MHz, inte 146.0313.\n", 0},
      {"1 145.78\n", menu + prompt + report_430 + closing, "\n" + notice_430, 0},
      {"1\n145.78,5\n", menu + prompt + report_430 + closing, decimal_comma + notice_430, 0},
      // On the channel: nothing to say.
      {"1\n145.775\n",
       menu + prompt +
           report_text(
               {"145.775", 1, "145.7750", 430, {"x x x x", "x V x x", "x x V V", "x x x x"}}) +
           closing,
       "", 0},
  };
  for (const Session& session : sessions) expect_session(session, {whole});
}

TEST(Dialogue, StopsAtAReadError) {
  const Session sessions[] = {
      {"", menu, "\n" + read_failed, 1},
      {"1\n", menu + prompt, "\n" + read_failed, 1},
      {"1\n146", menu + prompt + report_448 + closing, "", 0},
  };
  for (const Session& session : sessions) {
    expect_session(session, {whole, byte_at_a_time}, StringSource::End::read_error);
  }
}

// Nothing more is written or read once a write has failed.
TEST(Dialogue, StopsAtTheFirstFailedWrite) {
  const std::string input = "3\n1\n146\n\n";
  for (std::size_t writes = 0; writes < 6; ++writes) {
    StringSource source(input);
    StringSink out(writes);
    StringSink err;
    EXPECT_EQ(run_dialogue(source, out, err), 1) << writes;
    EXPECT_EQ(out.writes(), writes + 1) << writes;
    EXPECT_EQ(err.text(), write_failed) << writes;
  }
}

// The closing prompt waits for one more byte past the frequency's line, and
// asks for no further.
TEST(Dialogue, WaitsForOneMoreByteAtTheClosingPrompt) {
  StringSource source("1\n146 rest of line\nAB", 1);
  StringSink out;
  StringSink err;
  EXPECT_EQ(run_dialogue(source, out, err), 0);
  EXPECT_EQ(source.unread(), "B");
}

}  // namespace
}  // namespace delartal::test
