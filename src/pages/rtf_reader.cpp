#include "pages/rtf_reader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "platform/codepage.h"

namespace pages {

namespace {

constexpr std::string_view kRtfMarker = "{\\rtf";
// A control word's parameter has at most this many digits; any further digit
// is text. Ten digits hold every 32-bit number, larger values are clamped.
constexpr int kMaxParameterDigits = 10;
// The largest font size taken, in half points (1638 points).
constexpr int kMaxHalfPoints = 3276;
// Colour table entries beyond this many are ignored.
constexpr std::size_t kMaxColours = 1024;
constexpr std::uint8_t kMaxColourComponent = 255;
constexpr char32_t kReplacementCharacter = 0xFFFD;

enum class Destination { kText, kColourTable, kSkipped };

enum class Action {
  kParagraph,
  kCharacter,
  kResetParagraph,
  kResetCharacter,
  kBold,
  kItalic,
  kUnderline,
  kNoUnderline,
  kFontSize,
  kColour,
  kColourTable,
  kRed,
  kGreen,
  kBlue,
  kUnicode,
  kUnicodeSkip,
  kAnsiCodePage,
  kAlignLeft,
  kAlignCentre,
  kAlignRight,
  kAlignJustified,
  kSkipDestination,
};

struct ControlWord {
  std::string_view name;
  Action action;
  std::string_view text = {};  // what kCharacter writes, in UTF-8
};

// The control words acted on; every other one is ignored. The destinations
// listed as skipped hold no text to show (tables, document information,
// pictures, objects, field instructions) or text that is not part of the body
// (headers, footers, notes, comments, index entries).
constexpr ControlWord kControlWords[] = {
    {"par", Action::kParagraph},
    {"line", Action::kCharacter, "\n"},
    {"tab", Action::kCharacter, "\t"},
    {"emdash", Action::kCharacter, "\u2014"},
    {"endash", Action::kCharacter, "\u2013"},
    {"bullet", Action::kCharacter, "\u2022"},
    {"lquote", Action::kCharacter, "\u2018"},
    {"rquote", Action::kCharacter, "\u2019"},
    {"ldblquote", Action::kCharacter, "\u201C"},
    {"rdblquote", Action::kCharacter, "\u201D"},
    {"pard", Action::kResetParagraph},
    {"plain", Action::kResetCharacter},
    {"b", Action::kBold},
    {"i", Action::kItalic},
    {"ul", Action::kUnderline},
    {"uld", Action::kUnderline},
    {"uldb", Action::kUnderline},
    {"ulw", Action::kUnderline},
    {"ulnone", Action::kNoUnderline},
    {"fs", Action::kFontSize},
    {"cf", Action::kColour},
    {"colortbl", Action::kColourTable},
    {"red", Action::kRed},
    {"green", Action::kGreen},
    {"blue", Action::kBlue},
    {"u", Action::kUnicode},
    {"uc", Action::kUnicodeSkip},
    {"ansicpg", Action::kAnsiCodePage},
    {"ql", Action::kAlignLeft},
    {"qc", Action::kAlignCentre},
    {"qr", Action::kAlignRight},
    {"qj", Action::kAlignJustified},
    {"fonttbl", Action::kSkipDestination},
    {"filetbl", Action::kSkipDestination},
    {"stylesheet", Action::kSkipDestination},
    {"listtable", Action::kSkipDestination},
    {"listoverridetable", Action::kSkipDestination},
    {"revtbl", Action::kSkipDestination},
    {"rsidtbl", Action::kSkipDestination},
    {"info", Action::kSkipDestination},
    {"pict", Action::kSkipDestination},
    {"object", Action::kSkipDestination},
    {"fldinst", Action::kSkipDestination},
    {"header", Action::kSkipDestination},
    {"headerl", Action::kSkipDestination},
    {"headerr", Action::kSkipDestination},
    {"headerf", Action::kSkipDestination},
    {"footer", Action::kSkipDestination},
    {"footerl", Action::kSkipDestination},
    {"footerr", Action::kSkipDestination},
    {"footerf", Action::kSkipDestination},
    {"footnote", Action::kSkipDestination},
    {"annotation", Action::kSkipDestination},
    {"xe", Action::kSkipDestination},
    {"tc", Action::kSkipDestination},
};

const ControlWord* FindControlWord(std::string_view name) {
  const auto found = std::find_if(std::begin(kControlWords), std::end(kControlWords),
                                  [name](const ControlWord& word) { return word.name == name; });
  return found == std::end(kControlWords) ? nullptr : found;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Utf8(char32_t code_point) {
  std::string text;
  if (code_point < 0x80) {
    text.push_back(static_cast<char>(code_point));
  } else if (code_point < 0x800) {
    text.push_back(static_cast<char>(0xC0 | (code_point >> 6)));
    text.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  } else if (code_point < 0x10000) {
    text.push_back(static_cast<char>(0xE0 | (code_point >> 12)));
    text.push_back(static_cast<char>(0x80 | ((code_point >> 6) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  } else {
    text.push_back(static_cast<char>(0xF0 | (code_point >> 18)));
    text.push_back(static_cast<char>(0x80 | ((code_point >> 12) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | ((code_point >> 6) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (code_point & 0x3F)));
  }
  return text;
}

bool IsHighSurrogate(std::uint16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(std::uint16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The state a group saves on "{" and restores on "}".
struct GroupState {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int half_points = 0;
  int colour = -1;  // index into the colour table; -1 is the default colour
  int unicode_skip = 1;
  RichAlignment alignment = RichAlignment::kLeft;
  Destination destination = Destination::kText;
};

struct ColourEntry {
  bool set = false;  // an entry without components is the default colour
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

// One pass over the file, without recursion: groups live on a bounded stack.
class RtfParser {
 public:
  RtfParser(std::string_view bytes, std::uint32_t code_page, RichDocument& document)
      : bytes_(bytes), code_page_(code_page), document_(document) {}

  void Read() {
    while (at_ < bytes_.size()) {
      const char c = bytes_[at_++];
      if (c == '{') {
        OpenGroup();
      } else if (c == '}') {
        if (ignored_depth_ == 0 && states_.size() == 1) break;
        CloseGroup();
      } else if (c == '\\') {
        ReadControl();
      } else if (c != '\r' && c != '\n') {
        Text(c);
      }
    }
    if (!states_.empty()) Finish();
  }

 private:
  GroupState& State() { return states_.back(); }
  bool InText() { return ignored_depth_ == 0 && State().destination == Destination::kText; }

  void OpenGroup() {
    fallback_left_ = 0;
    if (ignored_depth_ > 0 || states_.size() >= static_cast<std::size_t>(kMaxRtfGroupDepth)) {
      ++ignored_depth_;
    } else {
      states_.push_back(states_.empty() ? GroupState() : states_.back());
    }
  }

  // Never closes the outermost group; Read stops there.
  void CloseGroup() {
    fallback_left_ = 0;
    if (ignored_depth_ > 0) {
      --ignored_depth_;
    } else if (states_.size() > 1) {
      states_.pop_back();
    }
  }

  // Counts one character against the fallback of the last "\uN"; true when
  // the character is part of that fallback and must be dropped.
  bool SkipFallback() {
    if (fallback_left_ == 0) return false;
    --fallback_left_;
    return true;
  }

  void ReadControl() {
    if (at_ >= bytes_.size()) return;
    if (IsLetter(bytes_[at_])) {
      ReadControlWord();
    } else {
      ReadControlSymbol(bytes_[at_++]);
    }
  }

  // A control word: letters, an optional signed number, and an optional
  // blank that belongs to the word.
  void ReadControlWord() {
    const std::size_t start = at_;
    while (at_ < bytes_.size() && IsLetter(bytes_[at_])) ++at_;
    const std::string_view name = bytes_.substr(start, at_ - start);
    bool negative = false;
    if (at_ + 1 < bytes_.size() && bytes_[at_] == '-' && IsDigit(bytes_[at_ + 1])) {
      negative = true;
      ++at_;
    }
    std::int64_t value = 0;
    int digits = 0;
    for (; digits < kMaxParameterDigits && at_ < bytes_.size() && IsDigit(bytes_[at_]); ++digits, ++at_) {
      value = value * 10 + (bytes_[at_] - '0');
    }
    if (at_ < bytes_.size() && bytes_[at_] == ' ') ++at_;
    value = std::clamp<std::int64_t>(negative ? -value : value, std::numeric_limits<int>::min(),
                                     std::numeric_limits<int>::max());
    const int parameter = static_cast<int>(value);
    // Binary data follows "\binN" directly; it may hold braces and
    // backslashes, so it is passed over whatever group it is in.
    if (name == "bin") at_ += std::min<std::size_t>(std::max(parameter, 0), bytes_.size() - at_);
    if (SkipFallback()) return;
    ApplyWord(name, digits > 0, parameter);
  }

  void ReadControlSymbol(char symbol) {
    switch (symbol) {
      case '\\':
      case '{':
      case '}':
        Text(symbol);
        break;
      case '\'':
        ReadHexEscape();
        break;
      case '~':
        if (!SkipFallback() && InText()) AddUtf8("\u00A0");
        break;
      case '_':
        if (!SkipFallback() && InText()) AddUtf8("\u2011");
        break;
      case '*':
        // Marks a destination a reader may skip when it does not know it;
        // this reader knows none of them.
        if (!SkipFallback() && ignored_depth_ == 0) State().destination = Destination::kSkipped;
        break;
      case '\r':
      case '\n':
        if (!SkipFallback() && InText()) EndParagraph();
        break;
      default:  // "\-" (optional hyphen) and the symbols of formulas and indexes
        SkipFallback();
        break;
    }
  }

  // "\'hh": one byte in the code page. An escape without two hexadecimal
  // digits is dropped.
  void ReadHexEscape() {
    int value = 0;
    int digits = 0;
    for (; digits < 2 && at_ < bytes_.size() && HexValue(bytes_[at_]) >= 0; ++digits, ++at_) {
      value = value * 16 + HexValue(bytes_[at_]);
    }
    if (digits < 2) {
      SkipFallback();
      return;
    }
    Text(static_cast<char>(value));
  }

  void ApplyWord(std::string_view name, bool has_parameter, int parameter) {
    const ControlWord* word = FindControlWord(name);
    if (word == nullptr || ignored_depth_ > 0) return;
    GroupState& state = State();
    if (state.destination == Destination::kColourTable) {
      const auto component = static_cast<std::uint8_t>(std::clamp<int>(parameter, 0, kMaxColourComponent));
      if (word->action == Action::kRed) colour_entry_.red = component;
      if (word->action == Action::kGreen) colour_entry_.green = component;
      if (word->action == Action::kBlue) colour_entry_.blue = component;
      colour_entry_.set |= word->action == Action::kRed || word->action == Action::kGreen ||
                           word->action == Action::kBlue;
      return;
    }
    if (state.destination != Destination::kText) return;
    const bool on = !has_parameter || parameter != 0;
    switch (word->action) {
      case Action::kParagraph: EndParagraph(); break;
      case Action::kCharacter: AddUtf8(word->text); break;
      case Action::kResetParagraph: state.alignment = RichAlignment::kLeft; break;
      case Action::kResetCharacter:
        state.bold = state.italic = state.underline = false;
        state.half_points = 0;
        state.colour = -1;
        break;
      case Action::kBold: state.bold = on; break;
      case Action::kItalic: state.italic = on; break;
      case Action::kUnderline: state.underline = on; break;
      case Action::kNoUnderline: state.underline = false; break;
      case Action::kFontSize: state.half_points = std::clamp(parameter, 0, kMaxHalfPoints); break;
      case Action::kColour: state.colour = std::max(parameter, -1); break;
      case Action::kColourTable:
        state.destination = Destination::kColourTable;
        colour_entry_ = ColourEntry();
        break;
      case Action::kUnicode:
        if (!has_parameter) break;
        // Negative values stand for the upper half of the 16-bit range.
        AddUtf16(static_cast<std::uint16_t>(parameter));
        fallback_left_ = state.unicode_skip;
        break;
      case Action::kUnicodeSkip: state.unicode_skip = std::max(parameter, 0); break;
      case Action::kAnsiCodePage:
        if (!platform::IsSupportedCodePage(static_cast<std::uint32_t>(parameter))) break;
        FlushBytes();
        code_page_ = static_cast<std::uint32_t>(parameter);
        break;
      case Action::kAlignLeft: state.alignment = RichAlignment::kLeft; break;
      case Action::kAlignCentre: state.alignment = RichAlignment::kCentre; break;
      case Action::kAlignRight: state.alignment = RichAlignment::kRight; break;
      case Action::kAlignJustified: state.alignment = RichAlignment::kJustified; break;
      case Action::kSkipDestination: state.destination = Destination::kSkipped; break;
      case Action::kRed:
      case Action::kGreen:
      case Action::kBlue: break;
    }
  }

  // A byte of text in the code page, written literally or escaped.
  void Text(char byte) {
    if (SkipFallback() || ignored_depth_ > 0) return;
    if (State().destination == Destination::kColourTable && byte == ';') {
      if (colours_.size() < kMaxColours) colours_.push_back(colour_entry_);
      colour_entry_ = ColourEntry();
    }
    if (State().destination != Destination::kText || byte == '\0') return;
    DropLoneSurrogate();
    // Bytes wait until the format changes, so that the two bytes of a
    // double-byte character are converted together.
    const RichFormat format = CurrentFormat();
    if (!pending_bytes_.empty() && !(format == pending_format_)) FlushBytes();
    pending_format_ = format;
    pending_bytes_.push_back(byte);
  }

  void AddUtf16(std::uint16_t unit) {
    if (IsLowSurrogate(unit) && high_surrogate_ != 0) {
      const char32_t code_point = 0x10000 + ((char32_t{high_surrogate_} - 0xD800) << 10) + (unit - 0xDC00);
      high_surrogate_ = 0;
      AddUtf8(Utf8(code_point));
      return;
    }
    DropLoneSurrogate();
    if (IsHighSurrogate(unit)) {
      high_surrogate_ = unit;
    } else if (unit != 0) {
      AddUtf8(Utf8(IsLowSurrogate(unit) ? kReplacementCharacter : unit));
    }
  }

  // A high surrogate that no low surrogate followed stands for nothing
  // showable.
  void DropLoneSurrogate() {
    if (high_surrogate_ == 0) return;
    high_surrogate_ = 0;
    AddUtf8(Utf8(kReplacementCharacter));
  }

  void AddUtf8(std::string_view text) {
    DropLoneSurrogate();
    FlushBytes();
    AddRun(std::string(text), CurrentFormat());
  }

  void FlushBytes() {
    if (pending_bytes_.empty()) return;
    AddRun(platform::CodePageToUtf8(pending_bytes_, code_page_), pending_format_);
    pending_bytes_.clear();
  }

  void AddRun(std::string text, const RichFormat& format) {
    if (text.empty()) return;
    if (!paragraph_.runs.empty() && paragraph_.runs.back().format == format) {
      paragraph_.runs.back().text += text;
    } else {
      paragraph_.runs.push_back(RichRun{std::move(text), format});
    }
  }

  RichFormat CurrentFormat() {
    const GroupState& state = State();
    RichFormat format;
    format.bold = state.bold;
    format.italic = state.italic;
    format.underline = state.underline;
    format.half_points = state.half_points;
    if (state.colour >= 0 && static_cast<std::size_t>(state.colour) < colours_.size() &&
        colours_[state.colour].set) {
      const ColourEntry& entry = colours_[state.colour];
      format.has_colour = true;
      format.red = entry.red;
      format.green = entry.green;
      format.blue = entry.blue;
    }
    return format;
  }

  // The paragraph takes the alignment in force at its end.
  void EndParagraph() {
    DropLoneSurrogate();
    FlushBytes();
    paragraph_.alignment = State().alignment;
    document_.paragraphs.push_back(std::move(paragraph_));
    paragraph_ = RichParagraph();
  }

  // Text after the last paragraph mark is a paragraph of its own.
  void Finish() {
    DropLoneSurrogate();
    FlushBytes();
    if (!paragraph_.runs.empty()) EndParagraph();
  }

  std::string_view bytes_;
  std::size_t at_ = 0;
  std::uint32_t code_page_;
  RichDocument& document_;
  std::vector<GroupState> states_;
  int ignored_depth_ = 0;  // groups open beyond kMaxRtfGroupDepth
  int fallback_left_ = 0;  // characters of a "\uN" fallback still to drop
  std::vector<ColourEntry> colours_;
  ColourEntry colour_entry_;  // the colour table entry being read
  RichParagraph paragraph_;
  std::string pending_bytes_;  // text in the code page not yet converted
  RichFormat pending_format_;
  std::uint16_t high_surrogate_ = 0;  // waits for its low surrogate
};

bool HasRtfMarker(std::string_view bytes) {
  if (bytes.size() < kRtfMarker.size()) return false;
  return std::equal(kRtfMarker.begin(), kRtfMarker.end(), bytes.begin(), [](char marker, char byte) {
    return marker == byte || (IsLetter(byte) && (byte | 0x20) == marker);
  });
}

}  // namespace

bool LooksLikeRtf(std::string_view bytes) {
  if (!HasRtfMarker(bytes)) return false;
  const std::size_t last = bytes.find_last_not_of(std::string_view(" \t\r\n\0", 5));
  return bytes[last] == '}';
}

bool ReadRtf(std::string_view bytes, std::uint32_t code_page, RichDocument& document) {
  document = RichDocument();
  if (!HasRtfMarker(bytes)) return false;
  RtfParser(bytes, code_page, document).Read();
  return true;
}

}  // namespace pages
