#include "platform/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <map>
#include <utility>

namespace platform {

namespace {

constexpr std::array<std::uint32_t, 12> kSupportedCodePages = {
    874, 932, 936, 949, 950, 1250, 1251, 1252, 1253, 1254, 1255, 1256};
constexpr std::size_t kConvertBufferSize = 1024;
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// Open iconv descriptors of one thread, one per code page and direction.
// An iconv descriptor keeps conversion state and must not be shared between
// threads, so each thread keeps its own and closes them when it ends.
class ConverterCache {
 public:
  ConverterCache() = default;
  ConverterCache(const ConverterCache&) = delete;
  ConverterCache& operator=(const ConverterCache&) = delete;
  ~ConverterCache() {
    for (auto& [key, converter] : converters_) {
      if (converter != kNoConverter) iconv_close(converter);
    }
  }

  // The descriptor for `code_page` to UTF-8 (or back), reset to its initial
  // state; kNoConverter when iconv does not know the code page.
  iconv_t Get(std::uint32_t code_page, bool to_utf8) {
    const auto key = std::make_pair(code_page, to_utf8);
    auto found = converters_.find(key);
    if (found == converters_.end()) {
      iconv_t converter = kNoConverter;
      if (IsSupportedCodePage(code_page)) {
        const std::string name = "CP" + std::to_string(code_page);
        converter = to_utf8 ? iconv_open("UTF-8", name.c_str()) : iconv_open(name.c_str(), "UTF-8");
      }
      found = converters_.emplace(key, converter).first;
    }
    if (found->second != kNoConverter) iconv(found->second, nullptr, nullptr, nullptr, nullptr);
    return found->second;
  }

 private:
  std::map<std::pair<std::uint32_t, bool>, iconv_t> converters_;
};

thread_local ConverterCache converter_cache;

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Runs `text` through `converter`. Where iconv stops at input it cannot
// convert, a "?" is written and `skip` tells how many bytes that character
// spans, so the conversion always finishes.
template <typename SkipFunction>
std::string Convert(iconv_t converter, std::string_view text, SkipFunction skip) {
  std::string result;
  result.reserve(text.size() * 2);
  char* in = const_cast<char*>(text.data());
  std::size_t in_left = text.size();
  std::array<char, kConvertBufferSize> buffer;
  while (in_left > 0) {
    char* out = buffer.data();
    std::size_t out_left = buffer.size();
    const std::size_t converted = iconv(converter, &in, &in_left, &out, &out_left);
    const int error = errno;
    result.append(buffer.data(), static_cast<std::size_t>(out - buffer.data()));
    if (converted != static_cast<std::size_t>(-1) || error == E2BIG) continue;
    const std::size_t bad = std::max<std::size_t>(1, skip(std::string_view(in, in_left)));
    result.push_back('?');
    in += bad;
    in_left -= bad;
  }
  return result;
}

}  // namespace

bool IsSupportedCodePage(std::uint32_t code_page) {
  return std::find(kSupportedCodePages.begin(), kSupportedCodePages.end(), code_page) !=
         kSupportedCodePages.end();
}

std::size_t Utf8CharacterLength(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  length = std::min(length, text.size() - at);
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return i;
  }
  return length;
}

bool IsLeadByte(std::uint32_t code_page, unsigned char byte) {
  switch (code_page) {
    case 932: return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:
    case 949:
    case 950: return byte >= 0x81 && byte <= 0xFE;
    default: return false;
  }
}

std::size_t CharacterLength(std::uint32_t code_page, std::string_view text, std::size_t at) {
  const bool pair = at + 1 < text.size() && IsLeadByte(code_page, static_cast<unsigned char>(text[at]));
  return pair ? 2 : 1;
}

std::string CodePageToUtf8(std::string_view text, std::uint32_t code_page) {
  if (IsAscii(text)) return std::string(text);
  const iconv_t converter = converter_cache.Get(code_page, true);
  if (converter == kNoConverter) {
    std::string result(text);
    std::replace_if(result.begin(), result.end(),
                    [](char c) { return static_cast<unsigned char>(c) >= 0x80; }, '?');
    return result;
  }
  // A lead byte and its trail byte are one character even when the pair is
  // undefined, so a trail byte such as "\" never surfaces on its own.
  const auto skip = [code_page](std::string_view rest) { return CharacterLength(code_page, rest, 0); };
  return Convert(converter, text, skip);
}

std::string Utf8ToCodePage(std::string_view text, std::uint32_t code_page) {
  if (IsAscii(text)) return std::string(text);
  const iconv_t converter = converter_cache.Get(code_page, false);
  if (converter == kNoConverter) {
    std::string result;
    for (std::size_t at = 0; at < text.size(); at += Utf8CharacterLength(text, at)) {
      const bool ascii = static_cast<unsigned char>(text[at]) < 0x80;
      result.push_back(ascii ? text[at] : '?');
    }
    return result;
  }
  return Convert(converter, text, [](std::string_view rest) { return Utf8CharacterLength(rest, 0); });
}

}  // namespace platform
