// From a divider back to frequencies: the channel it stands for, and the
// band of typed frequencies that delartal turns into it.
#pragma once

#include <cstdint>
#include <optional>

#include "text_buffer.hpp"

namespace delartal::plan {

// The lowest and the highest single-precision frequency with one divider.
struct Band {
  float lowest;
  float highest;
};

// The band of divider n (0..9999) with variant ver (1 or 2), found with the
// calculation itself, since the single-precision steps decide where each half
// step falls. Empty if no frequency gives n.
std::optional<Band> band_of(std::int32_t n, std::int32_t ver);

// The shortest decimal text that delartal reads back as exactly f, for f from
// 64 up to 1024 MHz, where the calculation has dividers; empty for any other.
TextBuffer<32> shortest_text(float f);

}  // namespace delartal::plan
