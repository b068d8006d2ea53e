// Where the dialogue's texts go: each text whole, and on its way before the
// program goes on to wait for input.
#pragma once

#include <cstdio>
#include <string_view>

namespace delartal {

class TextSink {
 public:
  virtual ~TextSink() = default;
  virtual void write(std::string_view text) = 0;
};

// A C stream, standard output or standard error in the program: each text is
// written and flushed at once, so that a prompt is shown before the read after
// it waits. Remembers whether any write failed.
class FileSink final : public TextSink {
 public:
  explicit FileSink(std::FILE* file) : file_(file) {}
  void write(std::string_view text) override;
  bool failed() const { return failed_; }

 private:
  std::FILE* file_;
  bool failed_ = false;
};

}  // namespace delartal
