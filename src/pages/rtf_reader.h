// The license page shows RTF files from the medium. This reads RTF into a
// small document of paragraphs and formatted runs that a window can show; it
// keeps what a license needs (bold, italic, underline, size, colour,
// alignment, tabs and line breaks) and drops pictures, tables of fonts and
// styles, headers, footers and every destination it does not know.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pages {

// Groups nested deeper than this are read but their content is dropped, so a
// file of nothing but "{" costs no more memory than a sensible one.
inline constexpr int kMaxRtfGroupDepth = 128;

enum class RichAlignment { kLeft, kCentre, kRight, kJustified };

struct RichFormat {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int half_points = 0;      // font size in half points; 0 keeps the text box's default
  bool has_colour = false;  // false keeps the text box's default colour
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  bool operator==(const RichFormat&) const = default;
};

struct RichRun {
  std::string text;  // UTF-8; "\t" is a tab, "\n" a line break inside the paragraph
  RichFormat format;
};

struct RichParagraph {
  std::vector<RichRun> runs;  // never an empty text; neighbours differ in format
  RichAlignment alignment = RichAlignment::kLeft;
};

struct RichDocument {
  std::vector<RichParagraph> paragraphs;  // an empty paragraph is a blank line
};

// True when `bytes` is an RTF file: it begins with "{\rtf" in any case and
// its last byte other than blanks, tabs, CR, LF and NUL is "}". Editors and
// file transfers add line ends after the closing brace; such a file is still
// RTF.
bool LooksLikeRtf(std::string_view bytes);

// Reads the RTF file `bytes` into `document` (emptied first). Text written as
// bytes and "\'hh" escapes is in `code_page` (a Windows ANSI code page, see
// platform/codepage.h) unless the file names another with "\ansicpgN"; two
// escapes in a row form one character of a double-byte code page. False only
// when `bytes` does not begin with "{\rtf" in any case; any other fault is
// repaired: groups still open at the end of the file are closed, reading stops
// where the outermost group closes, unknown control words are ignored and
// unknown or ignorable destinations are skipped.
bool ReadRtf(std::string_view bytes, std::uint32_t code_page, RichDocument& document);

}  // namespace pages
