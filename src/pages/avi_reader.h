// Pages play small AVI clips from the medium in an animation object. This
// reads such a clip into whole frames a window can draw: the first video
// stream of a RIFF "AVI " file, as bitmaps of 8 bits with a palette
// (uncompressed or RLE8), 16 bits (5-5-5), 24 or 32 bits. Sound and other
// streams are passed over.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pages {

// Limits that keep a hostile header from allocating without end.
inline constexpr int kMaxAviFrameSide = 2048;                      // width and height, in pixels
inline constexpr std::size_t kMaxAviFrames = 10000;
inline constexpr std::size_t kMaxAviClipPixels = 16 * 1024 * 1024;  // all frames together

struct AviClip {
  int width = 0;
  int height = 0;
  std::uint32_t frame_microseconds = 0;  // how long each frame shows
  // Each frame holds width * height pixels 0xAARRGGBB, rows from the top;
  // every pixel is opaque.
  std::vector<std::vector<std::uint32_t>> frames;
};

// Reads the AVI file `bytes` into `clip` (emptied first). An RLE8 frame
// paints over the one before it, as animation controls play them; a chunk of
// no bytes repeats the frame before it. Reading stops at the first frame
// chunk that is cut off or too short for its bitmap, and at the end of the
// buffer whatever the headers claim; the frames before it are kept. False,
// with a reason in `error` when it is given, when the file is not an AVI
// file, has no video stream in a supported bitmap format, a frame size or
// frame count beyond the limits above, or no complete frame.
bool ReadAvi(std::string_view bytes, AviClip& clip, std::string* error = nullptr);

}  // namespace pages
