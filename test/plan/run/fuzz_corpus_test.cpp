// Replays the plan fuzzer's seed corpus and any input it once found failing.
#include <gtest/gtest.h>

#include "plan_check.hpp"
#include "replay.hpp"

namespace delartal::test {
namespace {

TEST(PlanFuzzInputs, SeedCorpusRunsAsTheReference) {
  EXPECT_GT(replay(DELARTAL_FUZZ_DIR "/plan_corpus", plan_mismatch), 0);
}

TEST(PlanFuzzInputs, FoundInputsRunAsTheReference) {
  replay(DELARTAL_FUZZ_DIR "/plan_regressions", plan_mismatch);
}

}  // namespace
}  // namespace delartal::test
