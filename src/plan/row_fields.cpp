#include "row_fields.hpp"

#include <utility>

#include "channel.hpp"
#include "format_fixed.hpp"
#include "iaru_channel.hpp"
#include "matrix_lines.hpp"
#include "matrix_report.hpp"

namespace delartal::plan {
namespace {

Field text(std::string_view value) {
  return {FieldKind::text, std::string(value)};
}

Field decimal(std::string_view value) {
  return {FieldKind::decimal, std::string(value)};
}

Field number(std::int32_t value) {
  return {FieldKind::number, std::to_string(value)};
}

// The fit, the lines and the four patterns, as both directions give them.
struct Diodes {
  Field fits;
  Field lines;
  std::array<Field, 4> patterns;
};

Diodes diodes_of(std::int32_t divider) {
  const std::array<Pattern, 4> bcd = digit_patterns(divider);
  return {{FieldKind::flag, std::string(fits_matrix_answer(divider))},
          text(diode_lines(divider).view()),
          {text(bcd[0].data()), text(bcd[1].data()), text(bcd[2].data()), text(bcd[3].data())}};
}

}  // namespace

std::array<Field, field_count> fields_of(const ForwardRow& row) {
  Diodes d = diodes_of(row.divider);
  return {decimal(row.frequency),
          number(row.variant),
          decimal(four_decimals(row.value).view()),
          number(row.divider),
          std::move(d.fits),
          std::move(d.lines),
          std::move(d.patterns[0]),
          std::move(d.patterns[1]),
          std::move(d.patterns[2]),
          std::move(d.patterns[3]),
          decimal(channel_frequency(row.divider, row.variant).view()),
          text(row.name),
          text(iaru_name(row.divider, row.variant).view())};
}

std::array<Field, field_count> fields_of(const ReverseRow& row) {
  Diodes d = diodes_of(row.divider);
  return {number(row.divider),
          number(row.variant),
          decimal(channel_frequency(row.divider, row.variant).view()),
          decimal(shortest_text(row.band.lowest).view()),
          decimal(shortest_text(row.band.highest).view()),
          std::move(d.fits),
          std::move(d.lines),
          std::move(d.patterns[0]),
          std::move(d.patterns[1]),
          std::move(d.patterns[2]),
          std::move(d.patterns[3]),
          text(row.name),
          text(iaru_name(row.divider, row.variant).view())};
}

}  // namespace delartal::plan
