#include "profile/profile.h"

#include <algorithm>
#include <cstring>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/machine.h"
#include "platform/private_profile.h"
#include "profile/profile_number.h"

namespace {

using platform::kErrorInvalidData;
using platform::kErrorInvalidParameter;
using platform::kErrorOutOfMemory;
using platform::kErrorSuccess;

constexpr const char* kStringsSection = "STRINGS";
// Replacements of one expansion: a STRINGS value that holds its own token,
// or tokens that refer to each other, stop here instead of looping forever.
constexpr int kMaxReplacements = 64;

bool IsEmpty(const char* text) { return text == nullptr || *text == '\0'; }

// Copies `text` into `buffer` cut to size - 1 bytes and terminates it.
void CopyTerminated(std::string_view text, char* buffer, std::size_t size) {
  const std::size_t length = std::min(text.size(), size - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
}

// Replaces the two-character escapes "\r" and "\n" by CR and LF; a
// backslash that is the second byte of a double-byte character stays.
void ConvertEscapes(std::string& text, const platform::CodePageText& code_page) {
  std::string converted;
  converted.reserve(text.size());
  std::size_t from = 0;
  for (std::size_t at = code_page.Find(text, '\\'); at != std::string::npos && at + 1 < text.size();
       at = code_page.Find(text, '\\', at + 1)) {
    const char next = text[at + 1];
    if (next != 'r' && next != 'n') continue;
    converted.append(text, from, at - from).push_back(next == 'r' ? '\r' : '\n');
    from = at + 2;
    ++at;
  }
  converted.append(text, from, std::string::npos);
  text = std::move(converted);
}

}  // namespace

CProfile::CProfile(const char* file, const char* strings_file) { Create(file, strings_file); }

long CProfile::Create(const char* file, const char* strings_file, bool /*unused*/) {
  if (LoadFile(file, main_, &complete_) != kErrorSuccess) return kErrorSuccess;
  path_ = file;
  loaded_ = true;
  if (LoadFile(strings_file, strings_, nullptr) == kErrorSuccess) strings_loaded_ = true;
  return kErrorSuccess;
}

long CProfile::Reload(const char* file, const char* strings_file) {
  loaded_ = false;
  strings_loaded_ = false;
  complete_ = true;
  main_.ClearAll();
  strings_.ClearAll();
  return Create(file, strings_file);
}

void CProfile::LoadText(std::string text, std::uint32_t code_page) {
  main_.SetCodePage(code_page);
  complete_ = main_.LoadText(std::move(text));
  loaded_ = true;
}

long CProfile::LoadFile(const char* path, CSectionList& list, bool* complete) {
  if (IsEmpty(path)) return kErrorInvalidParameter;
  platform::File file;
  if (const long error = file.Open(path, platform::Disposition::kOpenExisting, platform::kAccessRead)) {
    return error;
  }
  std::uint64_t size = 0;
  if (const long error = file.Size(&size)) return error;
  // Room for the line end the reader appends, so that the text is never
  // copied: it becomes the storage of the lines.
  std::string text;
  text.reserve(size + 2);
  text.resize(size);
  std::uint32_t read = 0;
  if (const long error = file.Read(text.data(), static_cast<std::uint32_t>(size), &read)) return error;
  text.resize(read);
  list.SetCodePage(platform::CurrentMachine().Config().code_page);
  const bool whole = list.LoadText(std::move(text));
  if (complete) *complete = whole;
  return kErrorSuccess;
}

long CProfile::GetStringValue(std::string_view token, std::string& value) const {
  if (token.empty()) return kErrorInvalidParameter;
  const std::string key(token);
  const LINE_LIST* line = nullptr;
  if (strings_loaded_) line = strings_.FindKey(strings_.FindSection(kStringsSection), key.c_str(), 0);
  if (line == nullptr) line = main_.FindKey(main_.FindSection(kStringsSection), key.c_str(), 0);
  if (line == nullptr) return kErrorInvalidData;
  std::string_view found = line->ValueView();
  const auto first = found.find_first_not_of('"');
  found = first == std::string_view::npos ? std::string_view() : found.substr(first);
  found = found.substr(0, found.find_last_not_of('"') + 1);
  value.assign(found);
  return kErrorSuccess;
}

long CProfile::ConvertDefinedString(std::string& text, std::size_t limit, bool convert_escapes) const {
  if (text.empty() || limit == 0) return kErrorInvalidParameter;
  const platform::CodePageText& code_page = main_.Text();
  std::string work = text;
  std::string value;
  long result = kErrorSuccess;
  std::size_t from = 0;
  for (int replacements = 0; replacements < kMaxReplacements;) {
    const std::size_t open = code_page.Find(work, '%', from);
    const std::size_t close = open == std::string::npos ? open : code_page.Find(work, '%', open + 1);
    if (close == std::string::npos) break;
    const std::string token = work.substr(open, close - open + 1);
    result = GetStringValue(token, value);
    if (result != kErrorSuccess) {
      from = open + 1;
      continue;
    }
    // Every occurrence is replaced; the scan then resumes where the token
    // stood, so references inside the value are expanded in turn.
    std::string replaced;
    std::size_t copied = 0;
    for (std::size_t at = code_page.Find(work, token); at != std::string::npos;
         at = code_page.Find(work, token, at + token.size())) {
      replaced.append(work, copied, at - copied).append(value);
      copied = at + token.size();
      if (replaced.size() >= limit) return kErrorOutOfMemory;
    }
    replaced.append(work, copied, std::string::npos);
    if (replaced.size() >= limit) return kErrorOutOfMemory;
    work = std::move(replaced);
    from = open;
    ++replacements;
  }
  if (convert_escapes) ConvertEscapes(work, code_page);
  if (work.size() >= limit) return kErrorOutOfMemory;
  text = std::move(work);
  return result;
}

const LINE_LIST* CProfile::FirstLine(const char* section, const char* key) const {
  return main_.FindKey(main_.FindSection(section), key, 0);
}

long CProfile::GetString(const char* section, const char* key, char* buffer, std::size_t size,
                         bool convert_escapes) const {
  if (IsEmpty(section) || IsEmpty(key) || buffer == nullptr || size == 0) {
    return kErrorInvalidParameter;
  }
  const LINE_LIST* line = FirstLine(section, key);
  if (line == nullptr) return kErrorInvalidData;
  std::string value(line->ValueView());
  if (ConvertDefinedString(value, size, convert_escapes) == kErrorOutOfMemory) {
    value = line->ValueView();
  }
  CopyTerminated(value, buffer, size);
  return kErrorSuccess;
}

long CProfile::GetString(const char* section, const char* key, std::string& value,
                         bool convert_escapes) const {
  if (IsEmpty(section) || IsEmpty(key)) return kErrorInvalidParameter;
  const LINE_LIST* line = FirstLine(section, key);
  if (line == nullptr) return kErrorInvalidData;
  value.assign(line->ValueView());
  ConvertDefinedString(value, kMaxQueryText, convert_escapes);
  return kErrorSuccess;
}

long CProfile::GetDword(const char* section, const char* key, std::uint32_t* value) const {
  if (IsEmpty(section) || IsEmpty(key) || value == nullptr) return kErrorInvalidParameter;
  const LINE_LIST* line = FirstLine(section, key);
  if (line == nullptr) return kErrorInvalidData;
  *value = profile::StringToDword(line->ValueView());
  return kErrorSuccess;
}

long CProfile::ReadFields(const char* section, const char* key, std::uint32_t* fields,
                          std::size_t wanted) const {
  if (IsEmpty(section) || IsEmpty(key)) return kErrorInvalidParameter;
  const LINE_LIST* line = FirstLine(section, key);
  if (line == nullptr) return kErrorInvalidData;
  std::string_view rest = line->ValueView();
  std::size_t found = 0;
  while (found < wanted && !rest.empty()) {
    const std::size_t comma = rest.find(',');
    const std::string_view field = rest.substr(0, comma);
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    if (!field.empty()) fields[found++] = profile::StringToDword(field);
  }
  return found == wanted ? kErrorSuccess : kErrorInvalidParameter;
}

long CProfile::GetControl(const char* section, const char* key, SIZE* size) const {
  if (size == nullptr) return kErrorInvalidParameter;
  std::uint32_t fields[2];
  if (const long result = ReadFields(section, key, fields, 2)) return result;
  size->cx = static_cast<std::int32_t>(fields[0]);
  size->cy = static_cast<std::int32_t>(fields[1]);
  return kErrorSuccess;
}

long CProfile::GetControl(const char* section, const char* key, POINT* point) const {
  SIZE pair;
  if (point == nullptr || GetControl(section, key, &pair) != kErrorSuccess) {
    return kErrorInvalidParameter;
  }
  point->x = pair.cx;
  point->y = pair.cy;
  return kErrorSuccess;
}

long CProfile::GetControl(const char* section, const char* key, COLORREF* colour) const {
  if (colour == nullptr) return kErrorInvalidParameter;
  std::uint32_t fields[3];
  if (const long result = ReadFields(section, key, fields, 3)) return result;
  *colour = (fields[0] & 0xFF) | (fields[1] & 0xFF) << 8 | (fields[2] & 0xFF) << 16;
  return kErrorSuccess;
}

long CProfile::GetControl(const char* section, const char* key, RECT* rect) const {
  std::uint32_t fields[4];
  if (rect == nullptr || ReadFields(section, key, fields, 4) != kErrorSuccess) {
    return kErrorInvalidParameter;
  }
  rect->left = static_cast<std::int32_t>(fields[0]);
  rect->top = static_cast<std::int32_t>(fields[1]);
  rect->right = static_cast<std::int32_t>(fields[2]);
  rect->bottom = static_cast<std::int32_t>(fields[3]);
  return kErrorSuccess;
}

long CProfile::GetSectionName(char* buffer, std::size_t size, bool nul_separated) const {
  if (buffer == nullptr || size == 0) return kErrorInvalidParameter;
  std::memset(buffer, nul_separated ? '\0' : ' ', size);
  buffer[size - 1] = '\0';
  const SECTION_LIST* section = main_.FirstSection();
  if (section == nullptr) return kErrorInvalidData;
  std::size_t used = 0;
  for (; section != nullptr; section = section->Next()) {
    const std::string& name = section->NameText();
    if (used + name.size() + 1 >= size) return kErrorOutOfMemory;
    std::memcpy(buffer + used, name.data(), name.size());
    used += name.size() + 1;
  }
  return kErrorSuccess;
}

long CProfile::GetAllKey(const char* section, char* buffer, std::size_t size, bool skip_bare) const {
  if (IsEmpty(section) || buffer == nullptr || size == 0) return kErrorInvalidParameter;
  const SECTION_LIST* record = main_.FindSection(section);
  if (record == nullptr) return kErrorInvalidData;
  std::memset(buffer, 0, size);
  std::size_t used = 0;
  std::string entry;
  for (const LINE_LIST* line = record->FirstLine(); line != nullptr; line = line->Next()) {
    entry.assign(line->KeyView());
    if (!line->ValueView().empty()) {
      entry.append(" = ").append(line->ValueView());
      ConvertDefinedString(entry, kMaxQueryText, true);
    } else if (skip_bare) {
      continue;
    }
    if (used + entry.size() + 1 >= size) return kErrorOutOfMemory;
    std::memcpy(buffer + used, entry.data(), entry.size());
    used += entry.size() + 1;
  }
  return kErrorSuccess;
}

long CProfile::SetData(const char* section, const char* key, const std::string& text) const {
  return platform::WritePrivateProfileString(section, key, text, path_);
}

long CProfile::SetValue(const char* section, const char* key, const char* text) const {
  if (IsEmpty(section) || text == nullptr) return kErrorInvalidParameter;
  if (IsEmpty(key)) return platform::WritePrivateProfileSection(section, {}, path_);
  return SetData(section, key, text);
}

long CProfile::SetValue(const char* section, const char* key, int number) const {
  if (IsEmpty(section) || IsEmpty(key)) return kErrorInvalidParameter;
  return SetData(section, key, std::to_string(number));
}

long CProfile::SetValue(const char* section, const char* key, const SIZE* size) const {
  if (IsEmpty(section) || IsEmpty(key) || size == nullptr) return kErrorInvalidParameter;
  return SetData(section, key, std::to_string(size->cx) + "," + std::to_string(size->cy));
}

long CProfile::SetValue(const char* section, const char* key, const COLORREF* colour) const {
  if (IsEmpty(section) || IsEmpty(key) || colour == nullptr) return kErrorInvalidParameter;
  return SetData(section, key,
                 std::to_string(*colour & 0xFF) + "," + std::to_string(*colour >> 8 & 0xFF) + "," +
                     std::to_string(*colour >> 16 & 0xFF));
}

long CProfile::SetValue(const char* section, const char* key, const RECT* rect) const {
  if (IsEmpty(section) || IsEmpty(key) || rect == nullptr) return kErrorInvalidParameter;
  return SetData(section, key,
                 std::to_string(rect->left) + "," + std::to_string(rect->top) + "," +
                     std::to_string(rect->right) + "," + std::to_string(rect->bottom));
}
