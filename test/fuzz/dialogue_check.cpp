#include "dialogue_check.hpp"

#include "dialogue.hpp"
#include "reference_dialogue.hpp"
#include "support.hpp"

namespace delartal::test {

std::string dialogue_mismatch(std::string_view input) {
  StringSource source(input);
  StringSink out;
  StringSink err;
  const int status = run_dialogue(source, out, err);
  const reference::Transcript expected = reference::dialogue(input);

  const bool reported = out.text().find(" ger delartalet ") != std::string::npos;
  if (status != 0 && status != 1) return "exit status " + std::to_string(status);
  if (reported != (status == 0)) {
    return "exit status " + std::to_string(status) + (reported ? " with" : " without") +
           " a report";
  }
  if (status != expected.status) {
    return "exit status " + std::to_string(status) + ", the reference's " +
           std::to_string(expected.status);
  }
  if (out.text() != expected.out) {
    return "standard output:\n" + out.text() + "\nthe reference's:\n" + expected.out;
  }
  if (err.text() != expected.err) {
    return "standard error:\n" + err.text() + "\nthe reference's:\n" + expected.err;
  }
  return {};
}

}  // namespace delartal::test
