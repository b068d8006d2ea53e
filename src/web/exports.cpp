// The entry points as the WebAssembly module exports them, for the page to
// call with UTF-8 texts. Each result stays valid until the next call.
#include <string>

#include "entry_points.hpp"

namespace {

std::string result;

const char* kept(std::string text) {
  result = std::move(text);
  return result.c_str();
}

}  // namespace

extern "C" {

const char* delartal_forward(const char* typed, int variant) {
  return kept(delartal::web::forward(typed, variant));
}

const char* delartal_reverse(const char* board, int variant) {
  return kept(delartal::web::reverse(board, variant));
}

const char* delartal_plan(const char* lines, int variant, int most) {
  return kept(delartal::web::plan(lines, variant, most));
}

const char* delartal_drawing(int divider) {
  return kept(delartal::web::drawing(divider));
}

const char* delartal_card(const char* text, int reverse, int variant) {
  return kept(delartal::web::card(text, reverse != 0, variant));
}

// The file's bytes as they are, which may hold NULs and need not be UTF-8.
const char* delartal_list_text(const char* bytes, int size) {
  return kept(delartal::web::list_text({bytes, size > 0 ? static_cast<std::size_t>(size) : 0}));
}

const char* delartal_layout() {
  return kept(delartal::web::layout());
}

const char* delartal_sheet(const char* lines, const char* format, int delimiter, int variant) {
  return kept(delartal::web::sheet(lines, format, static_cast<char>(delimiter), variant));
}
}
