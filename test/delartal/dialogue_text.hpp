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
    "Frekvensen ger inget delartal mellan 0 och 9999; v\xE4lj en frekvens mellan 140.4 och "
    "265.3875 MHz.\n";
inline const std::string outside_2 =
    "Frekvensen ger inget delartal mellan 0 och 9999; v\xE4lj en frekvens mellan 140.2 och "
    "265.1875 MHz.\n";
inline const std::string ended =
    "Indata tog slut innan b\xE5"
    "da svaren var l\xE4sta.\n";

}  // namespace delartal::test
