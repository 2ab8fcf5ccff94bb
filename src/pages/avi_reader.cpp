#include "pages/avi_reader.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace pages {

namespace {

constexpr std::size_t kChunkHeaderSize = 8;
constexpr std::size_t kFourCcSize = 4;
constexpr std::size_t kMainHeaderSize = 56;
constexpr std::size_t kBitmapHeaderSize = 40;
constexpr std::size_t kPaletteEntrySize = 4;
constexpr std::size_t kPaletteSize = 256;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kOpaque = 0xFF000000;
// Stream chunk ids carry the stream number in two decimal digits.
constexpr int kMaxStreams = 100;

std::uint32_t Byte(std::string_view bytes, std::size_t at) { return static_cast<std::uint8_t>(bytes[at]); }
std::uint32_t Le16(std::string_view bytes, std::size_t at) { return Byte(bytes, at) | Byte(bytes, at + 1) << 8; }

std::uint32_t Le32(std::string_view bytes, std::size_t at) { return Le16(bytes, at) | Le16(bytes, at + 2) << 16; }

std::uint32_t Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  return kOpaque | red << 16 | green << 8 | blue;
}

struct Chunk {
  std::string_view id;
  std::string_view data;  // cut short where its list ends
  bool complete = false;  // false when the list ended before the declared size

  // True for a list of `type`; `body` then holds its chunks.
  bool IsList(std::string_view type, std::string_view* body = nullptr) const {
    if (id != "LIST" || data.size() < kFourCcSize || data.substr(0, kFourCcSize) != type) return false;
    if (body != nullptr) *body = data.substr(kFourCcSize);
    return true;
  }
};

// The chunks of one RIFF list body in order. Each chunk's declared size is
// trusted only as far as the body reaches; odd sizes are padded to even.
class ChunkWalker {
 public:
  explicit ChunkWalker(std::string_view body) : rest_(body) {}

  bool Next(Chunk& chunk) {
    if (rest_.size() < kChunkHeaderSize) return false;
    const std::uint64_t size = Le32(rest_, kFourCcSize);
    const std::size_t available = rest_.size() - kChunkHeaderSize;
    chunk.id = rest_.substr(0, kFourCcSize);
    chunk.data = rest_.substr(kChunkHeaderSize, std::min<std::uint64_t>(size, available));
    chunk.complete = size <= available;
    const std::uint64_t step = kChunkHeaderSize + size + (size & 1);
    rest_.remove_prefix(std::min<std::uint64_t>(step, rest_.size()));
    return true;
  }

 private:
  std::string_view rest_;
};

// The layout of the video stream's frames.
struct BitmapFormat {
  int width = 0;
  int height = 0;
  bool bottom_up = true;
  unsigned bit_count = 0;
  std::uint32_t compression = kUncompressed;
  std::array<std::uint32_t, kPaletteSize> palette{};
};

// The headers the frames need: the frame time, the video stream's number
// and its bitmap format (the stream format chunk).
struct Headers {
  std::uint32_t frame_microseconds = 0;
  int stream = -1;
  std::string_view stream_format;
};

bool Fail(std::string* error, const char* reason) {
  if (error != nullptr) *error = reason;
  return false;
}

// Finds the main header and the first video stream in the header list.
bool ReadHeaderList(std::string_view body, Headers& headers, std::string* error) {
  bool main_header = false;
  int streams = 0;
  ChunkWalker walker(body);
  Chunk chunk;
  std::string_view stream_list;
  while ((!main_header || headers.stream < 0) && walker.Next(chunk)) {
    if (chunk.id == "avih" && chunk.data.size() >= kMainHeaderSize) {
      headers.frame_microseconds = Le32(chunk.data, 0);
      main_header = true;
    } else if (chunk.IsList("strl", &stream_list) && streams < kMaxStreams) {
      ChunkWalker stream_walker(stream_list);
      Chunk part;
      bool video = false;
      while (stream_walker.Next(part)) {
        if (part.id == "strh") video = part.data.size() >= kFourCcSize && part.data.substr(0, kFourCcSize) == "vids";
        if (part.id == "strf" && video) {
          headers.stream = streams;
          headers.stream_format = part.data;
          break;
        }
      }
      ++streams;
    }
  }
  if (!main_header) return Fail(error, "no AVI main header");
  if (headers.stream < 0) return Fail(error, "no video stream");
  return true;
}

// Reads the bitmap header and palette of the stream format chunk.
bool ReadBitmapFormat(std::string_view data, BitmapFormat& format, std::string* error) {
  if (data.size() < kBitmapHeaderSize) return Fail(error, "bad video format");
  const std::uint32_t header_size = Le32(data, 0);
  if (header_size < kBitmapHeaderSize) return Fail(error, "bad video format");
  const auto width = static_cast<std::int32_t>(Le32(data, 4));
  const auto height = static_cast<std::int64_t>(static_cast<std::int32_t>(Le32(data, 8)));
  format.bit_count = Le16(data, 14);
  format.compression = Le32(data, 16);
  const bool supported = format.compression == kUncompressed
                             ? format.bit_count == 8 || format.bit_count == 16 || format.bit_count == 24 ||
                                   format.bit_count == 32
                             : format.compression == kRle8 && format.bit_count == 8;
  if (!supported) return Fail(error, "unsupported bitmap format");
  if (width < 1 || width > kMaxAviFrameSide || height == 0 || height < -kMaxAviFrameSide ||
      height > kMaxAviFrameSide) {
    return Fail(error, "frame size out of range");
  }
  format.width = width;
  format.height = static_cast<int>(height < 0 ? -height : height);
  format.bottom_up = height > 0;
  format.palette.fill(kOpaque);
  if (format.bit_count == 8) {
    // The palette follows the header; entries the chunk lacks stay black.
    const std::uint32_t used = Le32(data, 32);
    const std::size_t count = used == 0 ? kPaletteSize : std::min<std::size_t>(used, kPaletteSize);
    for (std::size_t i = 0; i < count; ++i) {
      const std::uint64_t at = header_size + std::uint64_t{i} * kPaletteEntrySize;
      if (at + kPaletteEntrySize > data.size()) break;
      format.palette[i] = Rgb(Byte(data, at + 2), Byte(data, at + 1), Byte(data, at));
    }
  }
  return true;
}

// Turns frame chunks into pixels. RLE8 frames draw over the palette indices
// of the frame before, so the decoder keeps them.
class FrameDecoder {
 public:
  explicit FrameDecoder(const BitmapFormat& format) : format_(format) {
    if (format.compression == kRle8) indices_.resize(static_cast<std::size_t>(format.width) * format.height);
  }

  // The frame in `data`; false when the data is too short for an
  // uncompressed bitmap. An RLE8 stream that ends early leaves the rest of
  // the frame as it was.
  bool Decode(std::string_view data, std::vector<std::uint32_t>& frame) {
    const std::size_t pixels = static_cast<std::size_t>(format_.width) * format_.height;
    if (format_.compression == kRle8) {
      DecodeRle8(data);
      frame.resize(pixels);
      for (int row = 0; row < format_.height; ++row) {
        const std::uint8_t* from = &indices_[static_cast<std::size_t>(row) * format_.width];
        std::uint32_t* to = &frame[OutputRow(row)];
        for (int x = 0; x < format_.width; ++x) to[x] = format_.palette[from[x]];
      }
      return true;
    }
    const std::size_t stride = (static_cast<std::size_t>(format_.width) * format_.bit_count + 31) / 32 * 4;
    if (data.size() < stride * format_.height) return false;
    frame.resize(pixels);
    for (int row = 0; row < format_.height; ++row) {
      DecodeRow(data.substr(row * stride, stride), &frame[OutputRow(row)]);
    }
    return true;
  }

 private:
  // Where the stored row `row` starts in a top-down frame.
  std::size_t OutputRow(int row) const {
    const int top_down_row = format_.bottom_up ? format_.height - 1 - row : row;
    return static_cast<std::size_t>(top_down_row) * format_.width;
  }

  void DecodeRow(std::string_view row, std::uint32_t* to) const {
    for (std::size_t x = 0; x < static_cast<std::size_t>(format_.width); ++x) {
      switch (format_.bit_count) {
        case 8:
          to[x] = format_.palette[Byte(row, x)];
          break;
        case 16: {
          const std::uint32_t pixel = Le16(row, 2 * x);
          const auto expand = [](std::uint32_t five_bits) { return five_bits << 3 | five_bits >> 2; };
          to[x] = Rgb(expand(pixel >> 10 & 0x1F), expand(pixel >> 5 & 0x1F), expand(pixel & 0x1F));
          break;
        }
        default:  // 24 and 32 bits: blue, green, red (and an unused byte)
          const std::size_t at = x * (format_.bit_count / 8);
          to[x] = Rgb(Byte(row, at + 2), Byte(row, at + 1), Byte(row, at));
          break;
      }
    }
  }

  // RLE8 pairs: a count and a value repeat the value; a zero count is an
  // escape: 0 ends the line, 1 ends the bitmap, 2 moves by the next two
  // bytes, and 3 to 255 copy that many bytes, padded to an even length.
  // Pixels outside the frame are dropped.
  void DecodeRle8(std::string_view data) {
    const int width = format_.width;
    const auto byte = [data](std::size_t at) { return static_cast<int>(Byte(data, at)); };
    std::size_t at = 0;
    int x = 0;
    int y = 0;
    while (at + 1 < data.size() && y < format_.height) {
      const int count = byte(at);
      const int value = byte(at + 1);
      std::uint8_t* line = &indices_[static_cast<std::size_t>(y) * width];
      at += 2;
      if (count > 0) {
        for (int i = 0; i < count && x < width; ++i, ++x) line[x] = static_cast<std::uint8_t>(value);
      } else if (value == 0) {
        x = 0;
        ++y;
      } else if (value == 1) {
        break;
      } else if (value == 2) {
        if (at + 1 >= data.size()) break;
        x = std::min(x + byte(at), width);
        y += byte(at + 1);
        at += 2;
      } else {
        const std::size_t length = std::min<std::size_t>(value, data.size() - at);
        for (std::size_t i = 0; i < length && x < width; ++i, ++x) line[x] = static_cast<std::uint8_t>(byte(at + i));
        at += static_cast<std::size_t>(value + (value & 1));
      }
    }
  }

  const BitmapFormat& format_;
  std::vector<std::uint8_t> indices_;  // rows as stored
};

// True for a frame chunk of stream `stream`: "NNdb" (uncompressed) or
// "NNdc" (compressed).
bool IsFrameChunk(std::string_view id, int stream) {
  return id.size() == kFourCcSize && id[0] == '0' + stream / 10 && id[1] == '0' + stream % 10 &&
         (id.substr(2) == "db" || id.substr(2) == "dc");
}

// Reads the frames of the movie list into `clip`.
class FrameReader {
 public:
  FrameReader(const BitmapFormat& format, int stream, AviClip& clip)
      : decoder_(format), stream_(stream), clip_(clip),
        max_frames_(std::min(kMaxAviFrames, kMaxAviClipPixels / (static_cast<std::size_t>(format.width) *
                                                                   format.height))) {}

  // False when the clip has more frames than the limits allow.
  bool ReadList(std::string_view body, bool top_level = true) {
    ChunkWalker walker(body);
    Chunk chunk;
    std::string_view record;
    while (!stopped_ && walker.Next(chunk)) {
      if (top_level && chunk.IsList("rec ", &record)) {
        if (!ReadList(record, false)) return false;
      } else if (IsFrameChunk(chunk.id, stream_)) {
        if (!chunk.complete) {
          stopped_ = true;
        } else if (!chunk.data.empty() || !clip_.frames.empty()) {
          if (clip_.frames.size() == max_frames_) return false;
          AddFrame(chunk.data);
        }
      }
    }
    return true;
  }

 private:
  void AddFrame(std::string_view data) {
    if (data.empty()) {
      clip_.frames.push_back(clip_.frames.back());
      return;
    }
    std::vector<std::uint32_t> frame;
    if (decoder_.Decode(data, frame)) {
      clip_.frames.push_back(std::move(frame));
    } else {
      stopped_ = true;
    }
  }

  FrameDecoder decoder_;
  int stream_;
  AviClip& clip_;
  std::size_t max_frames_;
  bool stopped_ = false;  // a frame was cut off or too short
};

bool ReadClip(std::string_view bytes, AviClip& clip, std::string* error) {
  if (bytes.size() < kChunkHeaderSize + kFourCcSize || bytes.substr(0, kFourCcSize) != "RIFF" ||
      bytes.substr(kChunkHeaderSize, kFourCcSize) != "AVI ") {
    return Fail(error, "not an AVI file");
  }
  // The file's declared size counts the form type; a file may be cut short.
  Chunk file;
  ChunkWalker(bytes).Next(file);
  if (file.data.size() < kFourCcSize) return Fail(error, "not an AVI file");
  ChunkWalker walker(file.data.substr(kFourCcSize));
  Chunk chunk;
  std::string_view header_list;
  std::string_view movie_list;
  bool has_headers = false;
  bool has_movie = false;
  while (walker.Next(chunk) && !has_movie) {
    if (!has_headers && chunk.IsList("hdrl", &header_list)) has_headers = true;
    if (chunk.IsList("movi", &movie_list)) has_movie = true;
  }
  Headers headers;
  if (!has_headers) return Fail(error, "no AVI main header");
  if (!ReadHeaderList(header_list, headers, error)) return false;
  BitmapFormat format;
  if (!ReadBitmapFormat(headers.stream_format, format, error)) return false;
  clip.width = format.width;
  clip.height = format.height;
  clip.frame_microseconds = headers.frame_microseconds;
  if (!FrameReader(format, headers.stream, clip).ReadList(movie_list)) return Fail(error, "clip too large");
  if (clip.frames.empty()) return Fail(error, "no complete frame");
  return true;
}

}  // namespace

bool ReadAvi(std::string_view bytes, AviClip& clip, std::string* error) {
  clip = AviClip();
  if (ReadClip(bytes, clip, error)) return true;
  clip = AviClip();
  return false;
}

}  // namespace pages
