#include "sheets/row_fields.hpp"

#include <utility>

#include "channel.hpp"
#include "format_fixed.hpp"
#include "iaru_channel.hpp"
#include "matrix_lines.hpp"
#include "matrix_report.hpp"
#include "terms/band.hpp"

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

// A row's fields: those before the diodes, then the fit, the lines and the
// four patterns, as both directions give them, then those after.
template <std::size_t before, std::size_t after>
std::array<Field, field_count> around_diodes(std::array<Field, before> head, std::int32_t divider,
                                             std::array<Field, after> tail) {
  static_assert(before + 6 + after == field_count);
  const std::array<Pattern, 4> bcd = digit_patterns(divider);
  std::array<Field, field_count> fields;
  std::size_t at = 0;
  for (Field& field : head) fields[at++] = std::move(field);
  fields[at++] = {FieldKind::flag, std::string(fits_matrix_answer(divider))};
  fields[at++] = text(diode_lines(divider).view());
  for (const Pattern& pattern : bcd) fields[at++] = text(pattern.data());
  for (Field& field : tail) fields[at++] = std::move(field);
  return fields;
}

}  // namespace

std::array<Field, field_count> fields_of(const ForwardRow& row) {
  return around_diodes<4, 3>({decimal(row.frequency), number(row.variant),
                              decimal(four_decimals(row.value).view()), number(row.divider)},
                             row.divider,
                             {decimal(channel_frequency(row.divider, row.variant).view()),
                              text(row.name), text(iaru_name(row.divider, row.variant).view())});
}

std::array<Field, field_count> fields_of(const ReverseRow& row) {
  return around_diodes<5, 2>({number(row.divider), number(row.variant),
                              decimal(channel_frequency(row.divider, row.variant).view()),
                              decimal(shortest_text(row.band.lowest).view()),
                              decimal(shortest_text(row.band.highest).view())},
                             row.divider,
                             {text(row.name), text(iaru_name(row.divider, row.variant).view())});
}

}  // namespace delartal::plan
