#include "platform/gradient_fill.h"

#include <algorithm>

#include "platform/errors.h"

namespace platform {

namespace {

// The colour part `from` + (`to` - `from`) * step / steps, as a byte.
std::uint32_t Blend(std::uint16_t from, std::uint16_t to, std::int64_t step, std::int64_t steps) {
  const std::int64_t value = from + (static_cast<std::int64_t>(to) - from) * step / steps;
  return static_cast<std::uint32_t>(value >> 8) & 0xFF;
}

void FillRect(PixelSurface& surface, const TriVertex& first, const TriVertex& second, bool horizontal) {
  const std::int32_t left = std::min(first.x, second.x);
  const std::int32_t right = std::max(first.x, second.x);
  const std::int32_t top = std::min(first.y, second.y);
  const std::int32_t bottom = std::max(first.y, second.y);
  // The colour runs from the upper-left vertex to the lower-right one.
  const std::int64_t steps = std::max<std::int64_t>(1, horizontal ? right - left : bottom - top);
  for (std::int32_t y = std::max(top, 0); y < std::min(bottom, surface.height); ++y) {
    for (std::int32_t x = std::max(left, 0); x < std::min(right, surface.width); ++x) {
      const std::int64_t step = horizontal ? x - left : y - top;
      const std::uint32_t colour = Blend(first.red, second.red, step, steps) << 16 |
                                   Blend(first.green, second.green, step, steps) << 8 |
                                   Blend(first.blue, second.blue, step, steps);
      surface.pixels[static_cast<std::size_t>(y) * surface.width + x] = colour;
    }
  }
}

}  // namespace

bool GradientFill(PixelSurface* surface, const TriVertex* vertices, std::uint32_t vertex_count,
                  const GradientRect* rects, std::uint32_t rect_count, std::uint32_t mode) {
  if (mode == kGradientFillTriangle) {
    SetLastError(kErrorNotSupported);
    return false;
  }
  const bool valid = surface != nullptr && vertices != nullptr && rects != nullptr &&
                     (mode == kGradientFillRectH || mode == kGradientFillRectV) && surface->width >= 0 &&
                     surface->height >= 0 &&
                     surface->pixels.size() == static_cast<std::size_t>(surface->width) * surface->height &&
                     std::all_of(rects, rects + rect_count, [&](const GradientRect& rect) {
                       return rect.upper_left < vertex_count && rect.lower_right < vertex_count;
                     });
  if (!valid) {
    SetLastError(kErrorInvalidParameter);
    return false;
  }
  for (std::uint32_t index = 0; index < rect_count; ++index) {
    FillRect(*surface, vertices[rects[index].upper_left], vertices[rects[index].lower_right],
             mode == kGradientFillRectH);
  }
  SetLastError(kErrorSuccess);
  return true;
}

}  // namespace platform
