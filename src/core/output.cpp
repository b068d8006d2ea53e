#include "output.hpp"

namespace delartal {

void FileSink::put(std::string_view bytes) {
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
  failed_ = failed_ || !written;
}

void FileSink::write(std::string_view text) {
  if (!cr_lf_) {
    put(text);
  } else {
    for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
      put(text.substr(0, end));
      put("\r\n");
      text.remove_prefix(end + 1);
    }
    put(text);
  }
  if (flush_each_write_) flush();
}

void FileSink::flush() {
  failed_ = failed_ || std::fflush(file_) != 0;
}

}  // namespace delartal
