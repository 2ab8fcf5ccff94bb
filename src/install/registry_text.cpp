#include "install/registry_text.h"

#include <cstdio>
#include <strings.h>

#include "platform/errors.h"
#include "platform/registry_names.h"

namespace install {

namespace {

constexpr char kEscape = '%';
constexpr const char* kDefaultValueName = "@";
constexpr const char* kNumberType = "dword";
constexpr const char* kByteArrayType = "hex";
constexpr std::size_t kMaxNumberDigits = 8;

// The characters a field writes as codes.
std::string_view CodedCharacters(RegistryTextField field) {
  switch (field) {
    case RegistryTextField::kKeyName: return "\r\n/% \t\"]";
    case RegistryTextField::kValueName: return "\r\n/%=";
    case RegistryTextField::kValueText: break;
  }
  return "\r\n/%";
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The character of the code that begins at `at` ("%" and two hex digits
// naming one of the field's coded characters), or -1.
int CodeAt(std::string_view text, std::size_t at, std::string_view coded) {
  if (at + 2 >= text.size() || text[at] != kEscape) return -1;
  const int high = HexDigit(text[at + 1]);
  const int low = HexDigit(text[at + 2]);
  if (high < 0 || low < 0) return -1;
  const char c = static_cast<char>(high * 16 + low);
  return coded.find(c) == std::string_view::npos ? -1 : static_cast<unsigned char>(c);
}

// Whether the character at `at` must be written as a code.
bool NeedsCode(std::string_view text, std::size_t at, RegistryTextField field) {
  const char c = text[at];
  const char next = at + 1 < text.size() ? text[at + 1] : '\0';
  switch (c) {
    case '\r':
    case '\n': return true;
    case '/': return next == '/' || next == '*';
    case '%': return CodeAt(text, at, CodedCharacters(field)) >= 0;
    case '=': return field == RegistryTextField::kValueName;
    case ' ':
    case '\t':
    case '"':
    case ']': return field == RegistryTextField::kKeyName && at + 1 == text.size();
    default: return false;
  }
}

std::string_view Unquoted(std::string_view text) {
  return text.substr(1, text.size() - 2);
}

bool IsQuoted(std::string_view text) {
  return text.size() >= 2 && text.front() == '"' && text.back() == '"';
}

// A number written as hex digits: at most the last eight count, and a
// character that is not a hex digit counts as 0.
std::uint32_t ReadHexNumber(std::string_view digits) {
  const auto first = digits.find_first_not_of(" \t\"");
  digits = first == std::string_view::npos ? std::string_view() : digits.substr(first);
  digits = digits.substr(0, digits.find_last_not_of(" \t\"") + 1);
  if (digits.size() > kMaxNumberDigits) digits.remove_prefix(digits.size() - kMaxNumberDigits);
  std::uint32_t number = 0;
  for (const char c : digits) {
    const int digit = HexDigit(c);
    number = number << 4 | static_cast<std::uint32_t>(digit < 0 ? 0 : digit);
  }
  return number;
}

bool EqualsIgnoringCase(std::string_view text, const char* word) {
  return text.size() == std::char_traits<char>::length(word) &&
         ::strncasecmp(text.data(), word, text.size()) == 0;
}

}  // namespace

std::string EscapeRegistryText(std::string_view text, RegistryTextField field) {
  std::string escaped;
  escaped.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (!NeedsCode(text, at, field)) {
      escaped += text[at];
      continue;
    }
    char code[4];
    std::snprintf(code, sizeof code, "%c%02X", kEscape, static_cast<unsigned char>(text[at]));
    escaped += code;
  }
  return escaped;
}

std::string UnescapeRegistryText(std::string_view text, RegistryTextField field) {
  const std::string_view coded = CodedCharacters(field);
  std::string plain;
  plain.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) {
    const int c = CodeAt(text, at, coded);
    if (c < 0) {
      plain += text[at];
      continue;
    }
    plain += static_cast<char>(c);
    at += 2;
  }
  return plain;
}

std::string RegistrySectionName(std::string_view root_name, std::string_view key) {
  std::string section(root_name);
  key = WithoutTrailingSeparators(key);
  while (!key.empty()) {
    const auto separator = key.find('\\');
    section += '\\';
    section += EscapeRegistryText(key.substr(0, separator), RegistryTextField::kKeyName);
    key = separator == std::string_view::npos ? std::string_view() : key.substr(separator + 1);
  }
  return section;
}

void ParseRegistrySectionName(std::string_view section, platform::RegKey* root,
                              std::string* subkey) {
  std::string written;
  if (!platform::SplitRegistryPath(section, *root, written)) {
    *root = platform::HKEY_LOCAL_MACHINE;
    written = section;
  }
  *subkey = UnescapeRegistryText(written, RegistryTextField::kKeyName);
}

bool FormatRegistryValueLine(const RegistryValue& value, std::string* line) {
  std::string data;
  switch (value.type) {
    case platform::REG_SZ:
      data = '"' + EscapeRegistryText(StringText(value.data), RegistryTextField::kValueText) + '"';
      break;
    case platform::REG_DWORD: {
      char number[24];
      std::snprintf(number, sizeof number, "%s:%08x", kNumberType, DataNumber(value.data));
      data = number;
      break;
    }
    case platform::REG_BINARY:
      data = std::string(kByteArrayType) + ":";
      break;
    default:
      return false;
  }
  if (value.name.empty()) {
    *line = kDefaultValueName;
  } else {
    *line = '"' + EscapeRegistryText(value.name, RegistryTextField::kValueName) + '"';
  }
  *line += '=';
  *line += data;
  return true;
}

long ParseRegistryValueLine(std::string_view key, std::string_view value, bool* has_value,
                            RegistryValue* parsed) {
  *has_value = false;
  if (key == kDefaultValueName) {
    parsed->name.clear();
  } else if (IsQuoted(key)) {
    parsed->name = UnescapeRegistryText(Unquoted(key), RegistryTextField::kValueName);
  } else if (!key.empty() && key.front() == '"') {
    return platform::kErrorInvalidData;
  } else {
    parsed->name = UnescapeRegistryText(key, RegistryTextField::kValueName);
  }

  if (IsQuoted(value)) {
    parsed->type = platform::REG_SZ;
    parsed->data = UnescapeRegistryText(Unquoted(value), RegistryTextField::kValueText);
    *has_value = true;
    return platform::kErrorSuccess;
  }
  const auto colon = value.find(':');
  const std::string_view type = value.substr(0, colon);
  if (EqualsIgnoringCase(type, kByteArrayType)) return platform::kErrorSuccess;
  if (!EqualsIgnoringCase(type, kNumberType)) return platform::kErrorInvalidData;
  const std::string_view digits =
      colon == std::string_view::npos ? std::string_view() : value.substr(colon + 1);
  parsed->type = platform::REG_DWORD;
  parsed->data = NumberData(ReadHexNumber(digits));
  *has_value = true;
  return platform::kErrorSuccess;
}

}  // namespace install
