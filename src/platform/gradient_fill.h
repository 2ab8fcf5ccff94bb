// Colour gradients drawn into a surface of pixels: the stand-in for
// GradientFill of Msimg32.dll. The pages draw their gradient shapes into a
// surface and show it.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// Pixels row by row from the top left, each 0x00RRGGBB.
struct PixelSurface {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::uint32_t> pixels;
};

// A corner of a gradient: a position and its colour, each part from 0 to
// 0xFF00 (the high byte counts).
struct TriVertex {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::uint16_t red = 0;
  std::uint16_t green = 0;
  std::uint16_t blue = 0;
  std::uint16_t alpha = 0;
};

// A rectangle between two vertices, by their indexes.
struct GradientRect {
  std::uint32_t upper_left = 0;
  std::uint32_t lower_right = 0;
};

enum GradientMode : std::uint32_t {
  kGradientFillRectH = 0,  // the colour runs from the left edge to the right
  kGradientFillRectV = 1,  // from the top edge to the bottom
  kGradientFillTriangle = 2,
};

// Fills each rectangle of `rects` (`rect_count` of them, between vertices
// of `vertices`) with a gradient between the colours of its two vertices;
// pixels outside the surface are left out. True when drawn. False with last
// error 87 for a missing argument or a vertex index out of range, and 50 for
// triangles, which this stand-in does not draw.
bool GradientFill(PixelSurface* surface, const TriVertex* vertices, std::uint32_t vertex_count,
                  const GradientRect* rects, std::uint32_t rect_count, std::uint32_t mode);

}  // namespace platform
