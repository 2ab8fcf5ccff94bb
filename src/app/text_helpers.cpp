#include "app/text_helpers.h"

#include <cstring>
#include <string_view>
#include <vector>

#include "platform/code_page_text.h"
#include "platform/codepage.h"
#include "platform/system_info.h"
#include "profile/profile_number.h"

namespace app {

namespace {

// The tokens of `text` between the characters of `separators`. The second
// byte of a double-byte character never separates.
std::vector<std::string_view> SplitTokens(std::string_view text, std::string_view separators) {
  const std::uint32_t code_page = platform::GetActiveCodePage();
  std::vector<std::string_view> tokens;
  std::size_t start = 0;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = platform::CharacterLength(code_page, text, at);
    if (length == 1 && separators.find(text[at]) != std::string_view::npos) {
      if (at > start) tokens.push_back(text.substr(start, at - start));
      start = at + 1;
    }
    at += length;
  }
  if (text.size() > start) tokens.push_back(text.substr(start));
  return tokens;
}

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsEmpty(const char* text) { return text == nullptr || *text == '\0'; }

}  // namespace

bool GetToken(const char* text, const char* separators, int index, char* buffer, std::size_t size) {
  if (IsEmpty(text) || IsEmpty(separators) || index < 0 || buffer == nullptr || size == 0) return false;
  std::memset(buffer, 0, size);
  const auto tokens = SplitTokens(text, separators);
  if (static_cast<std::size_t>(index) >= tokens.size()) return false;
  const std::string_view token = tokens[static_cast<std::size_t>(index)];
  if (token.size() >= size) return false;
  std::memcpy(buffer, token.data(), token.size());
  return true;
}

bool IsInList(const char* list, const char* text, const char* separators) {
  if (IsEmpty(list) || IsEmpty(text) || IsEmpty(separators)) return false;
  const platform::CodePageText code_page(platform::GetActiveCodePage());
  for (const std::string_view entry : SplitTokens(list, separators)) {
    if (code_page.Equal(TrimBlanks(entry), text)) return true;
  }
  return false;
}

std::uint32_t TextToNumber(const char* text) { return text ? profile::StringToDword(text) : 0; }

bool HexString(const std::uint8_t* bytes, std::size_t count, std::string* output) {
  if (bytes == nullptr || count == 0 || output == nullptr) return false;
  constexpr char kDigits[] = "0123456789ABCDEF";
  output->clear();
  for (std::size_t i = 0; i < count; ++i) {
    output->push_back(kDigits[bytes[i] >> 4]);
    output->push_back(kDigits[bytes[i] & 0xF]);
  }
  return true;
}

}  // namespace app
