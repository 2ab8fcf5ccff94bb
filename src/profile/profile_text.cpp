#include "profile/profile_text.h"

namespace profile {

namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// The position after the run of CR and LF characters that starts at `at`.
std::size_t SkipLineEnds(const std::string& text, std::size_t at) {
  while (at < text.size() && IsLineEnd(text[at])) ++at;
  return at;
}

// `name` without the header characters at its ends. A trailing "]" counts
// only when it is a character of its own, not the second byte of a pair.
std::string_view StripHeaderCharacters(std::string_view name, const platform::CodePageText& text) {
  const auto leading = name.find_first_not_of(" \t\"[");
  if (leading == std::string_view::npos) return {};
  name.remove_prefix(leading);
  while (!name.empty()) {
    const char last = name.back();
    const bool single = text.CutLength(name, name.size() - 1) == name.size() - 1;
    if (!(IsBlank(last) || last == '"' || (last == ']' && single))) break;
    name.remove_suffix(1);
  }
  return name;
}

}  // namespace

void StripComments(std::string& text) {
  std::size_t out = 0;
  std::size_t at = 0;
  bool at_line_start = true;
  bool in_quotes = false;
  const std::size_t size = text.size();
  while (at < size) {
    const char c = text[at];
    const char next = at + 1 < size ? text[at + 1] : '\0';
    if (!in_quotes && c == '/' && next == '/') {
      while (at < size && !IsLineEnd(text[at])) ++at;
      at = SkipLineEnds(text, at);
      if (!at_line_start) text[out++] = '\n';
      at_line_start = true;
    } else if (!in_quotes && c == '/' && next == '*') {
      const std::size_t end = text.find("*/", at + 2);
      at = end == std::string::npos ? size : end + 2;
    } else if (IsLineEnd(c)) {
      at = SkipLineEnds(text, at);
      text[out++] = '\n';
      at_line_start = true;
    } else {
      if (c == '"') in_quotes = !in_quotes;
      text[out++] = c;
      at_line_start = false;
      ++at;
    }
  }
  text.resize(out);
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return text.substr(0, 0);
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::optional<std::string_view> HeaderName(std::string_view line, const platform::CodePageText& text) {
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
  if (text.CutLength(line, line.size() - 1) != line.size() - 1) return std::nullopt;
  return StripHeaderCharacters(line, text);
}

std::string_view SectionName(std::string_view name, const platform::CodePageText& text) {
  name = StripHeaderCharacters(name, text);
  return name.substr(0, text.CutLength(name, kMaxNameLength));
}

KeyValue SplitLine(std::string_view line, const platform::CodePageText& text) {
  KeyValue split;
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) {
    split.key = line;
  } else {
    split.key = TrimBlanks(line.substr(0, equals));
    split.value = TrimBlanks(line.substr(equals + 1));
  }
  split.key = split.key.substr(0, text.CutLength(split.key, kMaxNameLength));
  split.value = split.value.substr(0, text.CutLength(split.value, kMaxValueLength));
  return split;
}

}  // namespace profile
