// delartal-plan: channel plans, reverse lookup and printable diode cards,
// with the same calculation as delartal. Writes UTF-8.
#include <cstdio>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif
#include <string_view>
#include <vector>

#include "input.hpp"
#include "output.hpp"
#include "run/plan.hpp"

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  delartal::FileSource in(stdin);
#ifdef _WIN32
  // Lists are read as their bytes, CR LF and all, and the sink, not the
  // runtime, makes Windows' CR LF: a CSV name's own line break keeps its
  // bytes both ways.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  delartal::FileSink out(stdout, delartal::FileSink::Flush::when_asked,
                         delartal::FileSink::LineEnds::cr_lf);
#else
  delartal::FileSink out(stdout, delartal::FileSink::Flush::when_asked);
#endif
  delartal::FileSink err(stderr);
  int status = delartal::plan::run_plan(arguments, in, out, err);
  if (in.failed()) {
    err.write("delartal-plan: kunde inte läsa från standard in\n");
    status = status == 2 ? 2 : 1;
  }
  if (out.failed()) {
    err.write("delartal-plan: kunde inte skriva till standard ut\n");
    status = status == 2 ? 2 : 1;
  }
  return status;
}
