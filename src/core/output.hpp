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
  // From here on, every byte goes out as written, a line end in a text's
  // own data too: CSV ends its records with CR LF itself on every platform.
  virtual void write_line_ends_as_given() {}
};

// A C stream, standard output or standard error in the programs. A dialogue
// has each text written and flushed at once, so that a prompt is shown before
// the read after it waits; a long plan lets the stream gather its rows and
// calls flush() where a reader should see them. Remembers whether any write
// failed.
//
// A stream opened in binary mode on Windows can be given CR LF line ends
// here, as the C runtime gives a text stream, until write_line_ends_as_given()
// is called.
class FileSink final : public TextSink {
 public:
  enum class Flush { each_write, when_asked };
  enum class LineEnds { as_written, cr_lf };
  explicit FileSink(std::FILE* file, Flush flush = Flush::each_write,
                    LineEnds line_ends = LineEnds::as_written)
      : file_(file),
        flush_each_write_(flush == Flush::each_write),
        cr_lf_(line_ends == LineEnds::cr_lf) {}
  void write(std::string_view text) override;
  void flush() override;
  bool failed() const override { return failed_; }
  void write_line_ends_as_given() override { cr_lf_ = false; }

 private:
  void put(std::string_view bytes);

  std::FILE* file_;
  bool flush_each_write_;
  bool cr_lf_;
  bool failed_ = false;
};

}  // namespace delartal
