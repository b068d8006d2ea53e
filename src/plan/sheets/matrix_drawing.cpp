#include "sheets/matrix_drawing.hpp"

#include <cstddef>

#include "matrix_lines.hpp"
#include "matrix_report.hpp"

namespace delartal::plan {
namespace {

// Where the parts of a drawing stand, in its own units; the y values are
// from the top of a row of digit groups.
struct Geometry {
  std::string_view svg_class;
  std::string_view view_box;
  std::size_t groups_per_row;
  int row_height;
  int first_x, group_step, mark_step;  // a mark's x: its group's place, then its own
  int group_dx, group_y;               // a group's name, from its first mark
  int rail_y, line_bottom;
  int diode_top, diode_half, diode_bottom, bar_y;
  int tick_dx, tick_y, tick_size;
  int name_y, stray_y, note_y;
};

// clang-format off
// The cards' drawing: one row of four groups.
constexpr Geometry card{
    "matrix", "0 0 640 156",
    4, 0,           // groups a row, row height
    48, 152, 36,    // first mark, group and mark steps
    54, 12,         // group names
    24, 118,        // rail and line ends
    58, 8, 74, 75,  // diode: top, half width, tip, bar
    11, 84, 14,     // tick box: from the line, top, size
    138, 76, 152};  // line names, a stray diode, "ingen linje"

// A phone's: two rows of two groups, every mark 26 units, for 24 px and more.
constexpr Geometry narrow{
    "matrix narrow", "0 0 320 324",
    2, 162,
    26, 160, 38,
    57, 14,
    26, 112,
    40, 13, 66, 67,
    -13, 76, 26,
    130, 60, 148};
// clang-format on

std::string number(int value) {
  return std::to_string(value);
}

struct Place {
  int x;
  int top;  // of the mark's row
};

Place place_of(const Geometry& g, std::size_t mark) {
  const std::size_t group = mark / 4;
  return {g.first_x + static_cast<int>(group % g.groups_per_row) * g.group_step +
              static_cast<int>(mark % 4) * g.mark_step,
          static_cast<int>(group / g.groups_per_row) * g.row_height};
}

std::string line(std::string_view kind, int x1, int y1, int x2, int y2) {
  return "<line class=\"" + std::string(kind) + "\" x1=\"" + number(x1) + "\" y1=\"" + number(y1) +
         "\" x2=\"" + number(x2) + "\" y2=\"" + number(y2) + "\"/>\n";
}

std::string text(std::string_view kind, int x, int y, std::string_view content) {
  return "<text class=\"" + std::string(kind) + "\" x=\"" + number(x) + "\" y=\"" + number(y) +
         "\">" + std::string(content) + "</text>\n";
}

// A row's rail runs from half a step before its first line to half a step
// past its last mark.
std::string rails(const Geometry& g) {
  std::string svg;
  for (std::size_t first = 0; first < 16; first += 4 * g.groups_per_row) {
    std::size_t lined = first;
    while (!has_line(lined)) ++lined;
    const Place start = place_of(g, lined);
    const Place end = place_of(g, first + 4 * g.groups_per_row - 1);
    svg += line("rail", start.x - g.mark_step / 2, start.top + g.rail_y, end.x + g.mark_step / 2,
                end.top + g.rail_y);
  }
  return svg;
}

std::string mark_drawing(const Geometry& g, std::size_t mark, bool marked) {
  const Place p = place_of(g, mark);
  const int top = p.top + g.rail_y;
  const int bottom = p.top + g.line_bottom;
  if (!has_line(mark)) {
    std::string svg =
        line("none", p.x, top, p.x, bottom) + text("name missing", p.x, p.top + g.name_y, "–");
    if (marked) svg += text("stray", p.x, p.top + g.stray_y, "V");
    return svg;
  }
  std::string svg = line("line", p.x, top, p.x, bottom) +
                    text("name", p.x, p.top + g.name_y, line_of_mark.substr(mark, 1));
  if (!marked) return svg;
  const int left = p.x - g.diode_half;
  const int right = p.x + g.diode_half;
  svg += "<polygon class=\"diode\" points=\"" + number(left) + "," + number(p.top + g.diode_top) +
         " " + number(right) + "," + number(p.top + g.diode_top) + " " + number(p.x) + "," +
         number(p.top + g.diode_bottom) + "\"/>\n";
  svg += line("bar", left, p.top + g.bar_y, right, p.top + g.bar_y);
  svg += "<rect class=\"tick\" x=\"" + number(p.x + g.tick_dx) + "\" y=\"" +
         number(p.top + g.tick_y) + "\" width=\"" + number(g.tick_size) + "\" height=\"" +
         number(g.tick_size) + "\"/>\n";
  return svg;
}

std::string drawing(const Geometry& g, std::int32_t divider) {
  const std::uint16_t marks = marks_of(divider);
  std::string svg = "<svg class=\"" + std::string(g.svg_class) + "\" viewBox=\"" +
                    std::string(g.view_box) +
                    "\" role=\"img\" aria-label=\"Matrisens linjer med dioderna\">\n";
  for (std::size_t group = 0; group < 4; ++group) {
    const Place p = place_of(g, 4 * group);
    svg += text("group", p.x + g.group_dx, p.top + g.group_y, digit_groups[group]);
  }
  svg += rails(g);
  for (std::size_t mark = 0; mark < 16; ++mark)
    svg += mark_drawing(g, mark, is_marked(marks, mark));
  const Place note = place_of(g, 1);
  return svg + text("note", note.x, note.top + g.note_y, "ingen linje") + "</svg>\n";
}

}  // namespace

std::string matrix_drawing(std::int32_t divider) {
  return drawing(card, divider);
}

std::string matrix_drawing_narrow(std::int32_t divider) {
  return drawing(narrow, divider);
}

}  // namespace delartal::plan
