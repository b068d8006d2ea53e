// The HTML format: a printable sheet of cards, one a row, for checking off
// each diode while soldering. One self-contained page: inline CSS and SVG, no
// scripts, nothing fetched, A4 in print, and no card split across pages.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "rows.hpp"

namespace delartal::plan {

// The four digit groups as the drawing names them, thousands first.
constexpr std::string_view digit_groups[4] = {"tusental", "hundratal", "tiotal", "ental"};

// The matrix of divider n (0..9999) as an SVG drawing: the lines in the
// label row's order, a diode and a tick box on each line that gets one; the
// thousands digit's three places without a line drawn as such, and a diode
// there (a divider above 1999) in red. Styled by the sheet's classes.
std::string matrix_drawing(std::int32_t divider);

std::string html_start();
std::string html_card(const ForwardRow& row);
std::string html_card(const ReverseRow& row);
std::string html_end();

}  // namespace delartal::plan
