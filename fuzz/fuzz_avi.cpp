// Reads arbitrary bytes as an AVI clip and checks what the reader promises:
// a clip it accepts has whole frames of its size within the limits, and a
// clip it refuses is empty and says why.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "pages/avi_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  pages::AviClip clip;
  std::string error;
  if (!pages::ReadAvi(bytes, clip, &error)) {
    if (error.empty() || !clip.frames.empty() || clip.width != 0 || clip.height != 0) std::abort();
    return 0;
  }
  if (clip.width < 1 || clip.width > pages::kMaxAviFrameSide || clip.height < 1 ||
      clip.height > pages::kMaxAviFrameSide || clip.frames.empty() || clip.frames.size() > pages::kMaxAviFrames) {
    std::abort();
  }
  const std::size_t pixels = static_cast<std::size_t>(clip.width) * clip.height;
  if (pixels * clip.frames.size() > pages::kMaxAviClipPixels) std::abort();
  for (const auto& frame : clip.frames) {
    if (frame.size() != pixels) std::abort();
    for (std::uint32_t pixel : frame) {
      if (pixel >> 24 != 0xFF) std::abort();
    }
  }
  return 0;
}
