// Replays saved fuzzer inputs through a check, for the unit tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace delartal::test {

// Runs `check` on every file in `directory`, a missing one counting as
// empty, and expects it to find nothing wrong. Returns how many there were.
template <typename Check>
int replay(const std::filesystem::path& directory, Check check) {
  int inputs = 0;
  if (!std::filesystem::exists(directory)) return inputs;
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    std::ifstream file(entry.path(), std::ios::binary);
    EXPECT_TRUE(file) << entry.path();
    const std::string input{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(check(input), "") << entry.path();
    ++inputs;
  }
  return inputs;
}

}  // namespace delartal::test
