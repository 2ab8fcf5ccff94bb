#include "pages/avi_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Pixels = std::vector<std::uint32_t>;

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kFrameMicroseconds = 66666;

constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;

std::string U16(std::uint32_t value) { return {static_cast<char>(value), static_cast<char>(value >> 8)}; }
std::string U32(std::uint32_t value) { return U16(value) + U16(value >> 16); }
std::string Bytes(std::initializer_list<int> bytes) { return std::string(bytes.begin(), bytes.end()); }

// A chunk with its declared size, padded to an even length.
std::string Chunk(std::string_view id, std::string_view data) {
  std::string chunk = std::string(id) + U32(static_cast<std::uint32_t>(data.size())) + std::string(data);
  if (data.size() % 2 != 0) chunk.push_back('\0');
  return chunk;
}

std::string List(std::string_view type, std::string_view body) {
  return Chunk("LIST", std::string(type) + std::string(body));
}

std::string MainHeader(std::uint32_t microseconds = kFrameMicroseconds) {
  return Chunk("avih", U32(microseconds) + std::string(52, '\0'));
}

std::string StreamList(std::string_view type, std::string_view format) {
  return List("strl", Chunk("strh", std::string(type) + std::string(52, '\0')) + Chunk("strf", format));
}

// A bitmap header; `palette` holds 0x00RRGGBB colours.
std::string BitmapFormat(std::int32_t width, std::int32_t height, int bits, std::uint32_t compression,
                         const std::vector<std::uint32_t>& palette = {}) {
  std::string format = U32(40) + U32(width) + U32(height) + U16(1) + U16(bits) + U32(compression) + U32(0) +
                       U32(0) + U32(0) + U32(static_cast<std::uint32_t>(palette.size())) + U32(0);
  for (std::uint32_t colour : palette) format += U32(colour);
  return format;
}

std::string Avi(std::string_view header_list, std::string_view movie) {
  return Chunk("RIFF", "AVI " + List("hdrl", header_list) + List("movi", movie));
}

// A clip of one video stream with frame chunks "00db".
std::string VideoAvi(std::string_view format, const std::vector<std::string>& frames) {
  std::string movie;
  for (const std::string& frame : frames) movie += Chunk("00db", frame);
  return Avi(MainHeader() + StreamList("vids", format), movie);
}

const std::vector<std::uint32_t> kPalette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};

TEST(AviReaderTest, ReadsUncompressedPaletteFramesBottomUp) {
  // 3 x 2 pixels, rows padded to 4 bytes, bottom row first; the palette has
  // five colours, so index 9 is black.
  const std::vector<std::string> frames = {Bytes({3, 3, 4, 0, 1, 2, 9, 0}), Bytes({4, 4, 4, 0, 4, 4, 4, 0})};
  const std::string avi = VideoAvi(BitmapFormat(3, 2, 8, kRgb, kPalette), frames);
  pages::AviClip clip;
  std::string error;
  ASSERT_TRUE(pages::ReadAvi(avi, clip, &error)) << error;
  EXPECT_EQ(clip.width, 3);
  EXPECT_EQ(clip.height, 2);
  EXPECT_EQ(clip.frame_microseconds, kFrameMicroseconds);
  ASSERT_EQ(clip.frames.size(), 2u);
  EXPECT_EQ(clip.frames[0], (Pixels{kRed, kGreen, kBlack, kBlue, kBlue, kWhite}));
  EXPECT_EQ(clip.frames[1], Pixels(6, kWhite));
}

TEST(AviReaderTest, ConvertsEveryBitDepthAndRowOrder) {
  // 2 x 2 pixels: red and green on top, blue and white below.
  struct Case {
    int bits;
    bool bottom_up;
    std::string data;
  };
  const Case cases[] = {
      {8, true, Bytes({3, 4, 0, 0, 1, 2, 0, 0})},
      {8, false, Bytes({1, 2, 0, 0, 3, 4, 0, 0})},
      {16, true, U16(0x001F) + U16(0x7FFF) + U16(0x7C00) + U16(0x03E0)},
      {24, true, Bytes({255, 0, 0, 255, 255, 255, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0})},
      {24, false, Bytes({0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0})},
      {32, true, Bytes({255, 0, 0, 9, 255, 255, 255, 9, 0, 0, 255, 9, 0, 255, 0, 9})},
  };
  for (const auto& c : cases) {
    const std::string avi = VideoAvi(BitmapFormat(2, c.bottom_up ? 2 : -2, c.bits, kRgb, kPalette), {c.data});
    pages::AviClip clip;
    std::string error;
    ASSERT_TRUE(pages::ReadAvi(avi, clip, &error)) << c.bits << " " << error;
    ASSERT_EQ(clip.frames.size(), 1u);
    EXPECT_EQ(clip.frames[0], (Pixels{kRed, kGreen, kBlue, kWhite})) << c.bits << " " << c.bottom_up;
  }
}

TEST(AviReaderTest, Rle8FramesPaintOverTheFrameBefore) {
  // 4 x 3 pixels; the first line of the data is the bottom one.
  const std::vector<std::string> frames = {
      // Red, green and blue lines.
      Bytes({4, 1, 0, 0, 4, 2, 0, 0, 4, 3, 0, 1}),
      // Move one right and one up, copy three white pixels (padded to even),
      // end the line, one black pixel, end of bitmap: an odd chunk.
      Bytes({0, 2, 1, 1, 0, 3, 4, 4, 4, 0, 0, 0, 1, 0, 0, 1, 0}),
      // No bytes: the same frame again.
      "",
      // A run past the right edge is cut; a move up to the top line; the
      // data ends without an end of bitmap, three bytes short of a copy.
      Bytes({6, 3, 0, 0, 0, 2, 0, 1, 0, 5, 2, 2}),
      // A move beyond the last line ends the frame.
      Bytes({0, 2, 0, 9, 4, 1}),
  };
  const Pixels first = {kBlue, kBlue, kBlue, kBlue, kGreen, kGreen, kGreen, kGreen, kRed, kRed, kRed, kRed};
  const Pixels second = {kBlack, kBlue, kBlue, kBlue, kGreen, kWhite, kWhite, kWhite, kRed, kRed, kRed, kRed};
  const Pixels fourth = {kGreen, kGreen, kBlue, kBlue, kGreen, kWhite, kWhite, kWhite, kBlue, kBlue, kBlue, kBlue};

  const std::string avi = VideoAvi(BitmapFormat(4, 3, 8, kRle8, kPalette), frames);
  pages::AviClip clip;
  std::string error;
  ASSERT_TRUE(pages::ReadAvi(avi, clip, &error)) << error;
  ASSERT_EQ(clip.frames.size(), 5u);
  EXPECT_EQ(clip.frames[0], first);
  EXPECT_EQ(clip.frames[1], second);
  EXPECT_EQ(clip.frames[2], second);
  EXPECT_EQ(clip.frames[3], fourth);
  EXPECT_EQ(clip.frames[4], fourth);
}

TEST(AviReaderTest, FindsTheVideoStreamAmongOthers) {
  // The sound stream comes first, so video chunks are "01db" and "01dc";
  // frames may sit in "rec " lists between padding and sound chunks.
  const std::string format = BitmapFormat(1, 1, 8, kRgb, kPalette);
  const std::string header = MainHeader() + Chunk("JUNK", "abc") + StreamList("auds", "sound format") +
                             StreamList("vids", format);
  const std::string movie = Chunk("JUNK", "odd") + Chunk("00wb", "sound") + Chunk("00db", Bytes({4, 0, 0, 0})) +
                            Chunk("01db", Bytes({1, 0, 0, 0})) +
                            List("rec ", Chunk("00wb", "x") + Chunk("01dc", Bytes({2, 0, 0, 0}))) +
                            Chunk("01db", Bytes({3, 0, 0, 0}));
  pages::AviClip clip;
  std::string error;
  ASSERT_TRUE(pages::ReadAvi(Avi(header, movie), clip, &error)) << error;
  ASSERT_EQ(clip.frames.size(), 3u);
  EXPECT_EQ(clip.frames[0], Pixels{kRed});
  EXPECT_EQ(clip.frames[1], Pixels{kGreen});
  EXPECT_EQ(clip.frames[2], Pixels{kBlue});
}

TEST(AviReaderTest, KeepsTheFramesBeforeACutOrShortChunk) {
  const std::string format = BitmapFormat(1, 1, 8, kRgb, kPalette);
  const std::vector<std::string> frames = {Bytes({1, 0, 0, 0}), Bytes({2, 0, 0, 0}), Bytes({3, 0, 0, 0})};
  const std::string avi = VideoAvi(format, frames);
  // Where each frame chunk ends: the clip's length with that many frames.
  std::vector<std::size_t> ends;
  for (std::size_t count = 0; count <= frames.size(); ++count) {
    ends.push_back(VideoAvi(format, std::vector<std::string>(frames.begin(), frames.begin() + count)).size());
  }
  struct Case {
    std::size_t length;
    std::size_t frames;  // 0: refused
  };
  const Case cases[] = {
      {avi.size(), 3},
      {ends[3] - 1, 2},
      {ends[2] + 4, 2},  // only the next chunk's id
      {ends[2], 2},
      {ends[1] + 9, 1},
      {ends[1] - 1, 0},
      {ends[0], 0},
      {ends[0] - 30, 0},  // cut inside the headers
      {12, 0},
  };
  for (const auto& c : cases) {
    pages::AviClip clip;
    std::string error;
    EXPECT_EQ(pages::ReadAvi(avi.substr(0, c.length), clip, &error), c.frames > 0) << c.length;
    EXPECT_EQ(clip.frames.size(), c.frames) << c.length;
  }

  // A chunk too short for its bitmap ends the clip like a cut.
  const std::string wide = BitmapFormat(5, 1, 24, kRgb);
  pages::AviClip clip;
  ASSERT_TRUE(pages::ReadAvi(VideoAvi(wide, {std::string(16, '\0'), std::string(15, '\0'), std::string(16, '\0')}),
                             clip));
  EXPECT_EQ(clip.frames.size(), 1u);
  EXPECT_FALSE(pages::ReadAvi(VideoAvi(wide, {std::string(15, '\0')}), clip));
}

TEST(AviReaderTest, RefusesBadHeadersAndSizes) {
  const std::string frame = Bytes({0, 0, 0, 0});
  const std::string good_format = BitmapFormat(1, 1, 8, kRgb, kPalette);
  const std::string good_movie = Chunk("00db", frame);
  const std::string good = Avi(MainHeader() + StreamList("vids", good_format), good_movie);
  std::string wave = good;
  wave.replace(8, 4, "WAVE");
  std::string short_riff = good;
  short_riff.replace(4, 4, U32(2));
  struct Case {
    std::string avi;
    const char* error;
  };
  const auto with_format = [&](const std::string& format) { return VideoAvi(format, {frame}); };
  const Case cases[] = {
      {"", "not an AVI file"},
      {"RIFF\4\0\0\0AVI", "not an AVI file"},
      {wave, "not an AVI file"},
      {short_riff, "not an AVI file"},
      {Chunk("RIFF", "AVI " + List("movi", good_movie)), "no AVI main header"},
      {Avi(StreamList("vids", good_format), good_movie), "no AVI main header"},
      {Avi(Chunk("avih", std::string(40, '\0')) + StreamList("vids", good_format), good_movie), "no AVI main header"},
      {Avi(MainHeader() + StreamList("auds", good_format), good_movie), "no video stream"},
      {Avi(MainHeader() + List("strl", Chunk("strh", "vids")), good_movie), "no video stream"},
      {with_format(good_format.substr(0, 39)), "bad video format"},
      {with_format(U32(12) + good_format.substr(4)), "bad video format"},
      {with_format(BitmapFormat(1, 1, 4, kRgb)), "unsupported bitmap format"},
      {with_format(BitmapFormat(1, 1, 8, 2)), "unsupported bitmap format"},
      {with_format(BitmapFormat(1, 1, 24, kRle8)), "unsupported bitmap format"},
      {with_format(BitmapFormat(1, 1, 16, 3)), "unsupported bitmap format"},
      {with_format(BitmapFormat(0, 1, 24, kRgb)), "frame size out of range"},
      {with_format(BitmapFormat(-1, 1, 24, kRgb)), "frame size out of range"},
      {with_format(BitmapFormat(1, 0, 24, kRgb)), "frame size out of range"},
      {with_format(BitmapFormat(pages::kMaxAviFrameSide + 1, 1, 24, kRgb)), "frame size out of range"},
      {with_format(BitmapFormat(1, -pages::kMaxAviFrameSide - 1, 24, kRgb)), "frame size out of range"},
      {with_format(BitmapFormat(1, INT32_MIN, 24, kRgb)), "frame size out of range"},
      {Avi(MainHeader() + StreamList("vids", good_format), ""), "no complete frame"},
      {Chunk("RIFF", "AVI " + List("hdrl", MainHeader() + StreamList("vids", good_format))), "no complete frame"},
  };
  for (const auto& c : cases) {
    pages::AviClip clip;
    std::string error;
    EXPECT_FALSE(pages::ReadAvi(c.avi, clip, &error)) << c.error;
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(clip.width, 0) << c.error;
    EXPECT_TRUE(clip.frames.empty()) << c.error;
  }
  pages::AviClip clip;
  EXPECT_TRUE(pages::ReadAvi(good, clip));
}

TEST(AviReaderTest, RefusesClipsBeyondTheFrameLimits) {
  // Empty chunks repeat a frame without adding data: a few bytes each.
  const std::string tiny = BitmapFormat(1, 1, 8, kRgb, kPalette);
  std::vector<std::string> frames(pages::kMaxAviFrames, "");
  frames[0] = Bytes({1, 0, 0, 0});
  pages::AviClip clip;
  EXPECT_TRUE(pages::ReadAvi(VideoAvi(tiny, frames), clip));
  EXPECT_EQ(clip.frames.size(), pages::kMaxAviFrames);
  frames.push_back("");
  std::string error;
  EXPECT_FALSE(pages::ReadAvi(VideoAvi(tiny, frames), clip, &error));
  EXPECT_EQ(error, "clip too large");

  // Largest frames: an end of bitmap each.
  const int side = pages::kMaxAviFrameSide;
  const std::size_t fit = pages::kMaxAviClipPixels / (static_cast<std::size_t>(side) * side);
  const std::string large = BitmapFormat(side, side, 8, kRle8, kPalette);
  std::vector<std::string> large_frames(fit + 1, Bytes({0, 1}));
  EXPECT_FALSE(pages::ReadAvi(VideoAvi(large, large_frames), clip, &error));
  EXPECT_EQ(error, "clip too large");
  large_frames.pop_back();
  EXPECT_TRUE(pages::ReadAvi(VideoAvi(large, large_frames), clip));
  EXPECT_EQ(clip.frames.size(), fit);
}

}  // namespace
