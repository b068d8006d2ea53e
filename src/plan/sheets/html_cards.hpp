// The HTML format: a printable sheet of cards, one a row, for checking off
// each diode while soldering. One self-contained page: inline CSS and SVG, no
// scripts, nothing fetched, A4 in print, and no card split across pages.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "sheets/rows.hpp"

namespace delartal::plan {

std::string html_start();
std::string html_card(const ForwardRow& row);
std::string html_card(const ReverseRow& row);
std::string html_end();

}  // namespace delartal::plan
