// Replays the fuzzer's seed corpus and every input it once found failing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "dialogue_check.hpp"

namespace delartal::test {
namespace {

void replay(const std::filesystem::path& directory) {
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    std::ifstream file(entry.path(), std::ios::binary);
    ASSERT_TRUE(file) << entry.path();
    const std::string input{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(dialogue_mismatch(input), "") << entry.path();
    ++inputs;
  }
  EXPECT_GT(inputs, 0) << directory;
}

TEST(FuzzInputs, SeedCorpusRunsAsTheReference) {
  replay(DELARTAL_FUZZ_DIR "/corpus");
}

TEST(FuzzInputs, FoundInputsRunAsTheReference) {
  replay(DELARTAL_FUZZ_DIR "/regressions");
}

}  // namespace
}  // namespace delartal::test
