// CSV as RFC 4180 has it, and as spreadsheets and radio programming tools
// write it: a quoted field may hold the delimiter, doubled quotes and line
// breaks; LF, CR LF or a lone CR ends a record; blanks around a field do not
// count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "input.hpp"

namespace delartal::plan {

// The longest record read: room for the longest name a list line may give,
// even read as Windows-1252 and with each of its quotes doubled, so that
// delartal-plan's own CSV always reads back.
constexpr std::size_t max_record = 64 * 1024;

enum class RecordRead { record, too_long, unclosed, ended };

struct RecordReading {
  RecordRead read;
  std::uint64_t line_ends;  // the line ends it took, inside quotes and its own
};

// Reads the next record into `record`, without the line end that ends it, in
// bounded memory: a record longer than max_record bytes is passed over to its
// end and reported as too long, with its first max_record bytes in `record`. A
// quote still open at the end of the input is reported as unclosed.
RecordReading read_record(Input& in, char delimiter, std::string& record);

// The record's fields, without their quotes and the blanks around them, into
// `fields`, whose strings are reused.
void split_record(std::string_view record, char delimiter, std::vector<std::string>& fields);

}  // namespace delartal::plan
