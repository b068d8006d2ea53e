#include "output.hpp"

namespace delartal {

void FileSink::write(std::string_view text) {
  const bool written = std::fwrite(text.data(), 1, text.size(), file_) == text.size();
  const bool flushed = std::fflush(file_) == 0;
  failed_ = failed_ || !written || !flushed;
}

}  // namespace delartal
