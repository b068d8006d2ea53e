// delartal: which diodes to fit in a transceiver's channel matrix for a
// channel frequency. Asks for the offset variant and the frequency on standard
// input and writes the divider and its diode patterns to standard output.
#include <cstdio>

#include "dialogue.hpp"
#include "input.hpp"
#include "output.hpp"

int main() {
  delartal::FileSource in(stdin);
  delartal::FileSink out(stdout);
  delartal::FileSink err(stderr);
  return delartal::run_dialogue(in, out, err);
}
