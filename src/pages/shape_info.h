// A shape drawn on a page's background: a line, rectangle, etched edge,
// group box or gradient, read from its own section of the configure
// profile. Shapes have no windows, no BASE_ON and no variant sections.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "profile/geometry.h"

class CMyProfile;

namespace pages {

// The shape kinds, numbered as the page's shape records number them.
inline constexpr std::uint16_t kShapeLine = 4;
inline constexpr std::uint16_t kShapeRectangle = 5;
inline constexpr std::uint16_t kShapeEdge = 6;
inline constexpr std::uint16_t kShapeGroupBox = 7;
inline constexpr std::uint16_t kShapeGradient = 8;

// A group box caption holds at most this many bytes with its NUL.
inline constexpr std::size_t kShapeCaptionSize = 260;

}  // namespace pages

struct SHAPE_INFO {
  std::uint16_t kind = 0;
  POINT position;
  SIZE size;
  std::uint32_t line_width = 1;  // LINE_WIDTH
  COLORREF colour = 0;           // COLOR
  std::string caption;           // NAME, group boxes only
  COLORREF back_colour = 0;      // BACK_COLOR, group boxes with a caption only
  bool has_back_colour = false;
  COLORREF start_colour = 0xFF0000;  // START_COLOR; blue
  COLORREF end_colour = 0xFFFFFF;    // END_COLOR; white
};

namespace pages {

// `shape` becomes the shape of `kind` (4 to 8) read from `section` of
// `profile`: POSITION, SIZE, LINE_WIDTH, COLOR, START_COLOR and END_COLOR,
// and for a group box NAME (cut to a caption) and, only when NAME is
// given, BACK_COLOR. A missing key keeps its default. False, with `shape`
// untouched, for a kind that is no shape.
bool ReadShapeInfo(const CMyProfile& profile, std::string_view section, int kind, SHAPE_INFO& shape);

}  // namespace pages
