// A row's fields, named and in order, as the formats for scripts give them:
// the CSV's columns and the JSON's members.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "sheets/rows.hpp"

namespace delartal::plan {

// How a field's value is to be written.
enum class FieldKind {
  text,     // as it stands
  decimal,  // a decimal number as text, to be kept as it is ("146.0313")
  number,   // a whole number ("451")
  flag,     // "ja" or "nej"
};

struct Field {
  FieldKind kind;
  std::string value;
};

constexpr std::size_t field_count = 13;

// The names, fixed for scripts to rely on; new ones only ever come last.
constexpr std::array<std::string_view, field_count> forward_names = {
    "frekvens",  "variant", "visad", "delartal", "i_matrisen", "dioder", "tusental",
    "hundratal", "tiotal",  "ental", "kanal",    "namn",       "iaru"};
constexpr std::array<std::string_view, field_count> reverse_names = {
    "delartal", "variant",   "kanal",  "fran",  "till", "i_matrisen", "dioder",
    "tusental", "hundratal", "tiotal", "ental", "namn", "iaru"};

std::array<Field, field_count> fields_of(const ForwardRow& row);
std::array<Field, field_count> fields_of(const ReverseRow& row);

}  // namespace delartal::plan
