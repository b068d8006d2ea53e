#include "output.hpp"

namespace delartal {

void FileSink::write(std::string_view text) {
  const bool written = std::fwrite(text.data(), 1, text.size(), file_) == text.size();
  failed_ = failed_ || !written;
  if (flush_each_write_) flush();
}

void FileSink::flush() {
  failed_ = failed_ || std::fflush(file_) != 0;
}

}  // namespace delartal
