#include "plan_check.hpp"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "decimal_range.hpp"
#include "plan.hpp"
#include "reference_divider.hpp"
#include "reference_read.hpp"
#include "support.hpp"

namespace delartal::test {
namespace {

constexpr std::string_view forward_header =
    "frekvens,variant,visad,delartal,i_matrisen,dioder,tusental,hundratal,tiotal,ental";
constexpr std::string_view reverse_header = "delartal,variant,kanal,fran,till,i_matrisen,dioder";

std::vector<std::string> split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end = text.find(separator); end != std::string_view::npos;
       end = text.find(separator, start)) {
    parts.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  parts.emplace_back(text.substr(start));
  return parts;
}

// A whole text as the reference reads it; a NaN when it is not all number.
float reference_value(const std::string& text) {
  const reference::FloatRead read = reference::read_float(text);
  return read.length == text.size() && read.length > 0 ? read.value : std::nanf("");
}

std::string four_decimals(float f) {
  const std::uint64_t shown = reference::ten_thousandths(f);
  std::string fraction = std::to_string(shown % 10000);
  return (f < 0 ? "-" : "") + std::to_string(shown / 10000) + "." +
         std::string(4 - fraction.size(), '0') + fraction;
}

std::string check_forward(const std::vector<std::string>& fields) {
  if (fields.size() != 10) return "a forward row of " + std::to_string(fields.size()) + " fields";
  const float f = reference_value(fields[0]);
  const int variant = std::stoi(fields[1]);
  if (!std::isfinite(f) || (variant != 1 && variant != 2)) return "frequency " + fields[0];
  const std::int64_t divider = reference::divider_steps(f, variant).divider;
  if (fields[3] != std::to_string(divider) || fields[2] != four_decimals(f)) {
    return fields[0] + " gives " + fields[2] + " " + fields[3] + ", the reference " +
           four_decimals(f) + " " + std::to_string(divider);
  }
  return {};
}

std::string check_reverse(const std::vector<std::string>& fields) {
  if (fields.size() != 7) return "a reverse row of " + std::to_string(fields.size()) + " fields";
  const std::int64_t divider = std::stoll(fields[0]);
  const int variant = std::stoi(fields[1]);
  for (const std::string& end : {fields[3], fields[4]}) {
    const float f = reference_value(end);
    if (!std::isfinite(f) || reference::divider_steps(f, variant).divider != divider) {
      return "divider " + fields[0] + ": " + end + " gives another";
    }
  }
  return {};
}

// Ranges so long that checking them would outlast the fuzzer's patience.
bool has_long_range(const std::vector<std::string>& texts) {
  for (const std::string& text : texts) {
    std::string fault;
    const auto range = plan::read_range(text, fault);
    if (range && plan::range_size(*range) > 2000) return true;
  }
  return false;
}

}  // namespace

std::string plan_mismatch(std::string_view input) {
  if (input.empty()) return {};
  const auto mode = static_cast<unsigned char>(input[0]);
  const std::string_view rest = input.substr(1);
  std::vector<std::string> texts = split(rest, '\n');
  if (has_long_range(texts)) return {};

  std::vector<std::string> arguments;
  if ((mode & 1U) != 0) arguments.emplace_back("-r");
  if ((mode & 2U) != 0) arguments.emplace_back("-fcsv");
  if (((mode >> 2) & 3U) == 1) arguments.emplace_back("-v1");
  if (((mode >> 2) & 3U) == 2) arguments.emplace_back("--variant=2");
  const bool as_arguments = (mode & 16U) != 0;
  if (as_arguments) arguments.insert(arguments.end(), texts.begin(), texts.end());
  const std::vector<std::string_view> views(arguments.begin(), arguments.end());

  StringSource source(as_arguments ? std::string_view() : rest);
  StringSink out;
  StringSink err;
  const int status = plan::run_plan(views, source, out, err);
  if (status < 0 || status > 2) return "exit status " + std::to_string(status);
  if (status == 2 && !out.text().empty()) return "a usage error with data written";
  for (const std::string& line : split(err.text(), '\n')) {
    if (line.empty() || line.rfind("delartal-plan: ", 0) == 0 || line.rfind("Skriv ", 0) == 0) {
      continue;
    }
    return "a message without the program's name: " + line;
  }

  const std::vector<std::string> records = split(out.text(), '\n');
  const bool forward = records[0] == std::string(forward_header) + "\r";
  if (!forward && records[0] != std::string(reverse_header) + "\r") return {};
  for (std::size_t i = 1; i + 1 < records.size(); ++i) {
    std::string record = records[i];
    if (record.empty() || record.back() != '\r') return "a record without CR LF";
    record.pop_back();
    const std::vector<std::string> fields = split(record, ',');
    const std::string fault = forward ? check_forward(fields) : check_reverse(fields);
    if (!fault.empty()) return fault;
  }
  return {};
}

}  // namespace delartal::test
