// delartal-plan: channel plans, reverse lookup and printable diode cards,
// with the same calculation as delartal. Writes UTF-8.
#include <cstdio>
#include <string_view>
#include <vector>

#include "input.hpp"
#include "output.hpp"
#include "run/plan.hpp"

int main(int argc, char** argv) {
  const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  delartal::FileSource in(stdin);
  delartal::FileSink out(stdout, delartal::FileSink::Flush::when_asked);
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
