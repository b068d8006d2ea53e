// libFuzzer target over delartal-plan's arguments and input lines. A run that
// does not end is caught by the fuzzer's own timeout, a memory or
// undefined-behaviour fault by the sanitizers, and a wrong row or status by
// the check.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "plan_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string mismatch = delartal::test::plan_mismatch(input);
  if (!mismatch.empty()) {
    static_cast<void>(std::fprintf(stderr, "delartal-plan differs: %s\n", mismatch.c_str()));
    std::abort();
  }
  return 0;
}
