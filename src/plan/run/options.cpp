#include "run/options.hpp"

#include <array>

#include "text/printable.hpp"

namespace delartal::plan {
namespace {

struct OptionName {
  char short_name;
  std::string_view long_name;
  bool takes_value;
};

// Options without a short name have a letter of their own here that no
// argument can give.
constexpr char decimal_comma = ',';

constexpr std::array<OptionName, 7> known = {{
    {'v', "variant", true},
    {'r', "reverse", false},
    {'f', "format", true},
    {'d', "delimiter", true},
    {decimal_comma, "decimal-comma", false},
    {'h', "help", false},
    {'V', "version", false},
}};

// Applies one option with its value; a fault when the value will not do.
std::string apply(char name, std::string_view value, Options& options) {
  switch (name) {
    case 'v':
      if (value == "1" || value == "2") {
        options.variant = value == "1" ? 1 : 2;
        return {};
      }
      return "varianten är 1 eller 2, inte " + quoted(value);
    case 'r':
      options.style.direction = Direction::reverse;
      return {};
    case 'f':
      if (value == "text") {
        options.style.format = Format::text;
      } else if (value == "csv") {
        options.style.format = Format::csv;
      } else if (value == "json") {
        options.style.format = Format::json;
      } else if (value == "html") {
        options.style.format = Format::html;
      } else {
        return "formatet är text, csv, json eller html, inte " + quoted(value);
      }
      return {};
    case 'd': {
      const bool one_byte = value.size() == 1 && static_cast<unsigned char>(value[0]) < 0x80;
      if (!one_byte || value[0] == '"' || value[0] == '\r' || value[0] == '\n') {
        return "avgränsaren är ett ASCII-tecken, inte \" eller radslut";
      }
      options.style.delimiter = value[0];
      options.delimiter_given = true;
      return {};
    }
    case decimal_comma:
      options.style.decimal_comma = true;
      return {};
    case 'h':
      options.help = true;
      return {};
    case 'V':
      options.version = true;
      return {};
  }
  return {};  // every name in `known` has its case above
}

// The option a long name stands for, whole or shortened; empty with a fault
// for an unknown or ambiguous one.
const OptionName* find_long(std::string_view name, std::string& fault) {
  const OptionName* found = nullptr;
  for (const OptionName& option : known) {
    if (option.long_name == name) return &option;
    if (option.long_name.substr(0, name.size()) != name) continue;
    if (found != nullptr) {
      fault = "flaggan " + quoted("--" + std::string(name)) + " kan betyda flera";
      return nullptr;
    }
    found = &option;
  }
  if (found == nullptr) fault = "okänd flagga " + quoted("--" + std::string(name));
  return found;
}

const OptionName* find_short(char name) {
  for (const OptionName& option : known) {
    if (option.short_name == name && name != decimal_comma) return &option;
  }
  return nullptr;
}

// Options that only one format takes.
std::string check_format(const Options& options) {
  if (options.style.format == Format::csv) return {};
  if (options.delimiter_given) return "-d gäller bara -f csv";
  if (options.style.decimal_comma) return "--decimal-comma gäller bara -f csv";
  return {};
}

}  // namespace

ParsedOptions parse_options(const std::vector<std::string_view>& arguments) {
  ParsedOptions parsed;
  Options& options = parsed.options;
  std::string& fault = parsed.fault;
  bool only_operands = false;
  for (std::size_t i = 0; i < arguments.size() && fault.empty(); ++i) {
    const std::string_view argument = arguments[i];
    if (only_operands || argument.size() < 2 || argument[0] != '-') {
      options.operands.push_back(argument);
    } else if (argument == "--") {
      only_operands = true;
    } else if (argument[1] == '-') {
      const std::size_t equals = argument.find('=');
      const std::string_view name = argument.substr(2, equals - 2);
      const OptionName* option = find_long(name, fault);
      if (option == nullptr) break;
      std::string_view value;
      if (equals != std::string_view::npos) {
        if (!option->takes_value) {
          fault = "flaggan ”--" + std::string(option->long_name) + "” tar inget värde";
          break;
        }
        value = argument.substr(equals + 1);
      } else if (option->takes_value) {
        if (i + 1 == arguments.size()) {
          fault = "flaggan ”--" + std::string(option->long_name) + "” behöver ett värde";
          break;
        }
        value = arguments[++i];
      }
      fault = apply(option->short_name, value, options);
    } else {
      for (std::size_t at = 1; at < argument.size() && fault.empty(); ++at) {
        const OptionName* option = find_short(argument[at]);
        if (option == nullptr) {
          const bool ascii = static_cast<unsigned char>(argument[at]) < 0x80;
          fault = ascii ? "okänd flagga " + quoted("-" + std::string(1, argument[at]))
                        : "okänd flagga i " + quoted(argument);
          break;
        }
        if (!option->takes_value) {
          fault = apply(option->short_name, {}, options);
          continue;
        }
        std::string_view value = argument.substr(at + 1);
        if (value.empty()) {
          if (i + 1 == arguments.size()) {
            fault = "flaggan ”-" + std::string(1, option->short_name) + "” behöver ett värde";
            break;
          }
          value = arguments[++i];
        }
        fault = apply(option->short_name, value, options);
        break;
      }
    }
  }
  if (fault.empty()) fault = check_format(options);
  return parsed;
}

}  // namespace delartal::plan
