// The matrix drawn in SVG: the lines in the label row's order, a diode and a
// tick box on each line that gets one, the thousands digit's three places
// without a line drawn as such, and a diode there (a divider above 1999) in
// red. Styled by the classes of the sheet or the page that holds it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace delartal::plan {

// The four digit groups as the drawing names them, thousands first.
constexpr std::string_view digit_groups[4] = {"tusental", "hundratal", "tiotal", "ental"};

// Divider n's (0..9999) matrix as the cards have it: the four digit groups
// in one row, 640 units wide.
std::string matrix_drawing(std::int32_t divider);

// The same matrix for a narrow screen: two rows of two digit groups, 320
// units wide, so that at a phone's width its letters stand 13 px and more
// tall and its diodes and tick boxes 24 px and more (class "matrix narrow").
std::string matrix_drawing_narrow(std::int32_t divider);

}  // namespace delartal::plan
