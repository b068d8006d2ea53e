// The report as the operator sees it, built from its parts.
#pragma once

#include <string>

namespace delartal::test {

struct ReportRow {
  const char* typed;
  int variant;
  const char* shown;
  int divider;
  const char* patterns[4];  // thousands to units
};

inline std::string report_text(const ReportRow& row) {
  return std::string("\n\n\n Frekvensen ") + row.shown + " ger delartalet " +
         std::to_string(row.divider) + "\n\n  Dioder i matrisen\n\n  " + row.patterns[0] + "  " +
         row.patterns[1] + "  " + row.patterns[2] + "  " + row.patterns[3] +
         "\n  - - - L  K J I H  G F E D  C B A M\n\n";
}

}  // namespace delartal::test
