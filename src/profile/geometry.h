// The small records that profile values describe: a size pair, a point, a
// rectangle and an RGB colour, laid out as plug-in modules expect them.
#pragma once

#include <cstdint>

struct SIZE {
  std::int32_t cx = 0;
  std::int32_t cy = 0;
};

struct POINT {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

struct RECT {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

// Red in the low byte, then green, then blue.
using COLORREF = std::uint32_t;
