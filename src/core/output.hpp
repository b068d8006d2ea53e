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
  // Sends on what the sink may still hold.
  virtual void flush() {}
  // True once any write or flush has failed.
  virtual bool failed() const { return false; }
};

// A C stream, standard output or standard error in the programs. A dialogue
// has each text written and flushed at once, so that a prompt is shown before
// the read after it waits; a long plan lets the stream gather its rows and
// calls flush() where a reader should see them. Remembers whether any write
// failed.
class FileSink final : public TextSink {
 public:
  enum class Flush { each_write, when_asked };
  explicit FileSink(std::FILE* file, Flush flush = Flush::each_write)
      : file_(file), flush_each_write_(flush == Flush::each_write) {}
  void write(std::string_view text) override;
  void flush() override;
  bool failed() const override { return failed_; }

 private:
  std::FILE* file_;
  bool flush_each_write_;
  bool failed_ = false;
};

}  // namespace delartal
