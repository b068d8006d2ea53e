#include "run/messages.hpp"

#include "channel.hpp"

namespace delartal::plan {

std::string refusal(std::string_view where, std::string_view why) {
  return std::string(message_start) + std::string(where) + ": " + std::string(why) + "\n";
}

std::string note(std::string_view text) {
  return std::string(message_start) + std::string(text) + "\n";
}

std::string usage_fault(std::string_view fault) {
  return std::string(message_start) + std::string(fault) +
         "\nSkriv ”delartal-plan --help” för mer information.\n";
}

// Frequencies within half a step outside still give 0 and 9999.
std::string band_text(std::int32_t ver) {
  return "variant " + std::to_string(ver) + " tar " +
         std::string(channel_frequency_short(0, ver).view()) + " till " +
         std::string(channel_frequency_short(9999, ver).view()) + " MHz";
}

std::string left_out_text(std::uint64_t left_out, std::uint64_t of) {
  return std::to_string(left_out) + " av " + std::to_string(of) +
         " rader utelämnade: utanför bandet";
}

std::string no_frequency_text(std::int32_t ver) {
  return "ingen frekvens ger det med variant " + std::to_string(ver);
}

}  // namespace delartal::plan
