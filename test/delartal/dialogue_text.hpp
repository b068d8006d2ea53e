// The dialogue's texts, byte for byte, as the tests expect them.
#pragma once

#include <string>

namespace delartal::test {

inline const std::string menu =
    "\nV\xE4lj:\n 1.Offset 70,2 / 59,5 MHz (Tx/Rx)\n 2.Offset 70,1 / 59,4 MHz (Tx/Rx)\n? ";
inline const std::string prompt = "\nFrekvens i MHz? ";
inline const std::string closing = "Tryck valfri tangent\n";
inline const std::string not_a_variant = "Svara 1 eller 2.\n";
inline const std::string not_a_number =
    "Skriv frekvensen i MHz som ett tal, till exempel 146.0125.\n";
inline const std::string outside_1 =
    "Frekvensen ger inget delartal mellan 0 och 9999: v\xE4lj 140.4 till 265.3875 MHz.\n"
    "Matrisen rymmer delartal 0 till 1999 (till 165.3875 MHz); h\xF6gre visas bara.\n";
inline const std::string outside_2 =
    "Frekvensen ger inget delartal mellan 0 och 9999: v\xE4lj 140.2 till 265.1875 MHz.\n"
    "Matrisen rymmer delartal 0 till 1999 (till 165.1875 MHz); h\xF6gre visas bara.\n";
inline const std::string decimal_comma =
    "Obs: kommat avslutade talet; skriv decimaler med punkt, till exempel 146.5.\n";
inline const std::string ended =
    "Indata tog slut innan b\xE5"
    "da svaren var l\xE4sta.\n";
inline const std::string read_failed = "Kunde inte l\xE4sa fr\xE5n standard in.\n";
inline const std::string write_failed = "Kunde inte skriva till standard ut.\n";

}  // namespace delartal::test
