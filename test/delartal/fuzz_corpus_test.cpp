// Replays the fuzzer's seed corpus and every input it once found failing.
#include <gtest/gtest.h>

#include "dialogue_check.hpp"
#include "replay.hpp"

namespace delartal::test {
namespace {

TEST(FuzzInputs, SeedCorpusRunsAsTheReference) {
  EXPECT_GT(replay(DELARTAL_FUZZ_DIR "/corpus", dialogue_mismatch), 0);
}

TEST(FuzzInputs, FoundInputsRunAsTheReference) {
  EXPECT_GT(replay(DELARTAL_FUZZ_DIR "/regressions", dialogue_mismatch), 0);
}

}  // namespace
}  // namespace delartal::test
