// Reads arbitrary bytes as an RTF license file in a single-byte and a
// double-byte code page, and checks what the reader promises: every file
// that looks like RTF is read, and the document holds valid UTF-8 in
// non-empty runs whose neighbours differ in format.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "pages/rtf_reader.h"
#include "platform/codepage.h"

namespace {

bool IsValidUtf8(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = platform::Utf8CharacterLength(text, at);
    const std::size_t announced = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (announced == 0 || lead > 0xF4 || length != announced) return false;
    at += length;
  }
  return true;
}

void Check(const pages::RichDocument& document) {
  for (const auto& paragraph : document.paragraphs) {
    for (std::size_t i = 0; i < paragraph.runs.size(); ++i) {
      const pages::RichRun& run = paragraph.runs[i];
      if (run.text.empty() || !IsValidUtf8(run.text)) std::abort();
      if (i > 0 && run.format == paragraph.runs[i - 1].format) std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (std::uint32_t code_page : {1252u, 932u}) {
    pages::RichDocument document;
    const bool read = pages::ReadRtf(bytes, code_page, document);
    if (pages::LooksLikeRtf(bytes) && !read) std::abort();
    if (!read && !document.paragraphs.empty()) std::abort();
    Check(document);
  }
  return 0;
}
