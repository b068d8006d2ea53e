// The texts the reports and rows write, built from the reference's values
// without any of the program's code.
#pragma once

#include <cstdint>
#include <string>

namespace delartal::reference {

// The diode pattern of a decimal digit, "x V x V" for 5.
std::string pattern(std::int64_t digit);

// The channel of a divider in ten-thousandths of a MHz: twice the variant's
// offset, and 12.5 kHz a divider.
std::uint64_t channel(std::int64_t divider, int variant);

// Ten-thousandths of a MHz with four decimals: "146.0375".
std::string four_decimals(std::uint64_t ten_thousandths);

}  // namespace delartal::reference
