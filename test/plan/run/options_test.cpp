#include "run/options.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace delartal::plan {
namespace {

ParsedOptions parse(std::vector<std::string_view> arguments) {
  return parse_options(arguments);
}

TEST(Options, TakesLongShortBundledAndShortenedForms) {
  for (const auto& arguments : std::vector<std::vector<std::string_view>>{
           {"-r", "-v", "2", "-f", "csv", "-d", ";"},
           {"-rv2", "-fcsv", "-d;"},
           {"--reverse", "--variant=2", "--format", "csv", "--delimiter=;"},
           {"--rev", "--var", "2", "--form=csv", "--del", ";"},
       }) {
    const ParsedOptions parsed = parse(arguments);
    EXPECT_EQ(parsed.fault, "");
    EXPECT_EQ(parsed.options.style.direction, Direction::reverse);
    EXPECT_EQ(parsed.options.variant, 2);
    EXPECT_EQ(parsed.options.style.format, Format::csv);
    EXPECT_EQ(parsed.options.style.delimiter, ';');
  }
  EXPECT_TRUE(parse({"--dec", "-fcsv"}).options.style.decimal_comma);
}

TEST(Options, KeepsOperandsInOrderAndAllAfterDoubleDash) {
  const ParsedOptions parsed = parse({"146", "-v1", "145:146", "--", "-146", "-r", "-"});
  EXPECT_EQ(parsed.fault, "");
  EXPECT_EQ(parsed.options.operands,
            (std::vector<std::string_view>{"146", "145:146", "-146", "-r", "-"}));
  EXPECT_EQ(parsed.options.style.direction, Direction::forward);
}

TEST(Options, RefusesWhatItCannotUse) {
  const struct {
    std::vector<std::string_view> arguments;
    const char* fault;
  } cases[] = {
      {{"-x"}, "okänd flagga ”-x”"},
      {{"--colour"}, "okänd flagga ”--colour”"},
      {{"--v"}, "flaggan ”--v” kan betyda flera"},
      {{"-v", "3"}, "varianten är 1 eller 2, inte ”3”"},
      {{"-v"}, "flaggan ”-v” behöver ett värde"},
      {{"--format"}, "flaggan ”--format” behöver ett värde"},
      {{"--format=xml"}, "formatet är text, csv, json eller html, inte ”xml”"},
      {{"--reverse=yes"}, "flaggan ”--reverse” tar inget värde"},
      {{"-fcsv", "-d", ";;"}, "avgränsaren är ett ASCII-tecken, inte \" eller radslut"},
      {{"-fcsv", "-d", "\""}, "avgränsaren är ett ASCII-tecken, inte \" eller radslut"},
      // What only CSV takes, in whichever order the options come.
      {{"-d", ";"}, "-d gäller bara -f csv"},
      {{"-d;", "-fhtml"}, "-d gäller bara -f csv"},
      {{"--decimal-comma", "146"}, "--decimal-comma gäller bara -f csv"},
      {{"--de"}, "flaggan ”--de” kan betyda flera"},
      {{"-,"}, "okänd flagga ”-,”"},
  };
  for (const auto& c : cases) EXPECT_EQ(parse(c.arguments).fault, c.fault);
}

}  // namespace
}  // namespace delartal::plan
