#include "profile/section_list.h"

#include <algorithm>
#include <cstring>

#include "platform/errors.h"
#include "profile/profile_text.h"

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// A NUL-terminated argument as text; empty for null.
std::string_view Arg(const char* text) { return text ? std::string_view(text) : std::string_view(); }

long WriteText(platform::File& file, std::string_view text) {
  return file.Write(text.data(), static_cast<std::uint32_t>(text.size()));
}

}  // namespace

LINE_LIST::~LINE_LIST() { ReleaseText(); }

void LINE_LIST::Borrow(std::string_view key, std::string_view value) {
  ReleaseText();
  key_ = key.empty() ? "" : key.data();
  value_ = value.empty() ? "" : value.data();
  key_length_ = static_cast<std::uint16_t>(key.size());
  value_length_ = static_cast<std::uint16_t>(value.size());
}

void LINE_LIST::Copy(std::string_view key, std::string_view value) {
  char* block = new char[key.size() + value.size() + 2];
  std::copy_n(key.data(), key.size(), block);
  block[key.size()] = '\0';
  std::copy_n(value.data(), value.size(), block + key.size() + 1);
  block[key.size() + 1 + value.size()] = '\0';
  ReleaseText();
  key_ = block;
  value_ = block + key.size() + 1;
  key_length_ = static_cast<std::uint16_t>(key.size());
  value_length_ = static_cast<std::uint16_t>(value.size());
  owns_text_ = true;
}

void LINE_LIST::ReleaseText() {
  if (owns_text_) delete[] key_;
  owns_text_ = false;
  key_ = "";
  value_ = "";
  key_length_ = 0;
  value_length_ = 0;
}

CSectionList::CSectionList(std::uint32_t code_page)
    : text_(code_page), sections_(0, NameHash{text_}, NameEqual{text_}) {}

CSectionList::~CSectionList() = default;

void CSectionList::SetCodePage(std::uint32_t code_page) {
  if (code_page == text_.CodePage()) return;
  text_ = platform::CodePageText(code_page);
  SectionMap sections(0, NameHash{text_}, NameEqual{text_});
  for (auto& [name, section] : sections_) {
    section->keys_.Rebuild(section->first_line_, text_);
    sections.emplace(name, std::move(section));
  }
  sections_ = std::move(sections);
}

bool CSectionList::LoadText(std::string text) {
  text.append(kLineEnd);
  profile::StripComments(text);
  texts_.push_front(std::move(text));
  std::string& buffer = texts_.front();
  char* data = buffer.data();
  bool complete = true;
  SECTION_LIST* section = nullptr;
  for (std::size_t start = 0; start < buffer.size();) {
    std::size_t end = buffer.find('\n', start);
    if (end == std::string::npos) end = buffer.size();
    const std::string_view raw(data + start, end - start);
    start = end + 1;
    if (raw.size() > profile::kMaxLineLength) {
      complete = false;
      break;
    }
    const std::string_view line = profile::TrimBlanks(raw);
    if (line.empty()) continue;
    if (const auto header = profile::HeaderName(line, text_)) {
      const std::string_view name = header->substr(0, text_.CutLength(*header, profile::kMaxNameLength));
      section = name.empty() ? nullptr : Section(name, nullptr);
      continue;
    }
    if (section == nullptr) continue;
    const profile::KeyValue split = profile::SplitLine(line, text_);
    // Both texts end where the buffer may be overwritten: what follows a
    // key or value is a blank, "=", the line end or a part cut away.
    if (!split.key.empty()) data[split.key.data() - data + split.key.size()] = '\0';
    if (!split.value.empty()) data[split.value.data() - data + split.value.size()] = '\0';
    LINE_LIST* record = NewLine();
    record->Borrow(split.key, split.value);
    Append(section, record, false);
  }
  for (SECTION_LIST* s = first_section_; s != nullptr; s = s->next_) {
    s->keys_.Rebuild(s->first_line_, text_);
  }
  return complete;
}

SECTION_LIST* CSectionList::Find(std::string_view name) const {
  const auto found = sections_.find(name);
  return found == sections_.end() ? nullptr : found->second.get();
}

SECTION_LIST* CSectionList::Section(std::string_view name, SECTION_LIST* after) {
  if (SECTION_LIST* existing = Find(name)) return existing;
  auto owned = std::make_unique<SECTION_LIST>();
  SECTION_LIST* section = owned.get();
  section->name_ = std::string(name);
  if (after == nullptr || Find(after->name_) != after) after = last_section_;
  section->previous_ = after;
  section->next_ = after ? after->next_ : first_section_;
  if (section->next_) {
    section->next_->previous_ = section;
  } else {
    last_section_ = section;
  }
  if (after) {
    after->next_ = section;
  } else {
    first_section_ = section;
  }
  sections_.emplace(section->name_, std::move(owned));
  return section;
}

SECTION_LIST* CSectionList::AddSection(const char* name, SECTION_LIST* after) {
  const std::string_view stripped = profile::SectionName(Arg(name), text_);
  return stripped.empty() ? nullptr : Section(stripped, after);
}

LINE_LIST* CSectionList::NewLine() {
  if (free_lines_ == nullptr) return &lines_.emplace_back();
  LINE_LIST* line = free_lines_;
  free_lines_ = line->next_;
  line->next_ = nullptr;
  return line;
}

void CSectionList::Append(SECTION_LIST* section, LINE_LIST* line, bool index) {
  line->next_ = nullptr;
  if (section->last_line_) {
    section->last_line_->next_ = line;
  } else {
    section->first_line_ = line;
  }
  section->last_line_ = line;
  if (index) section->keys_.Append(line, text_);
}

LINE_LIST* CSectionList::AddLine(const char* section, const char* text, bool replace,
                                 const char* after_key) {
  SECTION_LIST* record = FindSection(section ? section : "");
  return record ? AddLine(record, text, replace, after_key) : nullptr;
}

LINE_LIST* CSectionList::AddLine(SECTION_LIST* section, const char* text, bool replace,
                                 const char* after_key) {
  const std::string_view whole = Arg(text);
  if (section == nullptr || whole.empty()) return nullptr;
  const profile::KeyValue split = profile::SplitLine(profile::TrimBlanks(whole), text_);
  if (replace) {
    if (LINE_LIST* line = section->keys_.First(split.key, text_)) {
      line->Copy(line->KeyView(), split.value);
      return line;
    }
  }
  LINE_LIST* line = NewLine();
  line->Copy(split.key, split.value);
  LINE_LIST* before = section->keys_.First(Arg(after_key), text_);
  if (before == nullptr) {
    Append(section, line, true);
    return line;
  }
  line->next_ = before->next_;
  before->next_ = line;
  if (section->last_line_ == before) section->last_line_ = line;
  section->keys_.Rebuild(section->first_line_, text_);
  return line;
}

SECTION_LIST* CSectionList::FindSection(const char* name) const {
  if (name == nullptr) return first_section_;
  const std::string_view stripped = profile::SectionName(name, text_);
  return stripped.empty() ? nullptr : Find(stripped);
}

LINE_LIST* CSectionList::FindKey(const SECTION_LIST* section, const char* key, int index) const {
  if (section == nullptr || index < 0) return nullptr;
  LINE_LIST* line = section->keys_.First(Arg(key), text_);
  for (; line != nullptr && index > 0; --index) line = line->next_same_key_;
  return line;
}

LINE_LIST* CSectionList::FindKey(const SECTION_LIST* section, int index) const {
  if (section == nullptr || index < 0) return nullptr;
  LINE_LIST* line = section->first_line_;
  for (; line != nullptr && index > 0; --index) line = line->next_;
  return line;
}

bool CSectionList::GetValue(const char* section, const char* key, char* buffer, std::size_t size,
                            int index) const {
  if (section == nullptr) return false;
  const LINE_LIST* line = FindKey(FindSection(section), key, index);
  if (line == nullptr) return false;
  if (buffer != nullptr && size > 0) {
    const std::size_t length = std::min(line->ValueView().size(), size - 1);
    std::memcpy(buffer, line->Value(), length);
    buffer[length] = '\0';
  }
  return true;
}

bool CSectionList::SetValue(const char* section, const char* key, const char* value, int index) {
  const std::string_view key_text = Arg(key);
  SECTION_LIST* record = key_text.empty() ? nullptr : AddSection(section);
  if (record == nullptr) return false;
  const std::string_view value_text = Arg(value);
  if (LINE_LIST* line = FindKey(record, key, index)) {
    line->Copy(line->KeyView(), value_text.substr(0, text_.CutLength(value_text, profile::kMaxValueLength)));
    return true;
  }
  std::string line(key_text);
  if (!value_text.empty()) line.append(" = ").append(value_text);
  AddLine(record, line.c_str(), true);
  return true;
}

void CSectionList::FreeLines(SECTION_LIST* section) {
  for (LINE_LIST* line = section->first_line_; line != nullptr;) {
    LINE_LIST* next = line->next_;
    line->ReleaseText();
    line->next_same_key_ = nullptr;
    line->next_ = free_lines_;
    free_lines_ = line;
    line = next;
  }
  section->first_line_ = nullptr;
  section->last_line_ = nullptr;
  section->keys_.Clear();
}

bool CSectionList::DeleteSection(const char* name) {
  SECTION_LIST* section = name ? FindSection(name) : nullptr;
  if (section == nullptr) return false;
  FreeLines(section);
  (section->previous_ ? section->previous_->next_ : first_section_) = section->next_;
  (section->next_ ? section->next_->previous_ : last_section_) = section->previous_;
  sections_.erase(sections_.find(section->name_));
  return true;
}

bool CSectionList::DeleteLine(const char* section, const char* key) {
  SECTION_LIST* record = section ? FindSection(section) : nullptr;
  LINE_LIST* line = FindKey(record, key, 0);
  if (line == nullptr) return false;
  LINE_LIST* previous = nullptr;
  for (LINE_LIST* at = record->first_line_; at != line; at = at->next_) previous = at;
  (previous ? previous->next_ : record->first_line_) = line->next_;
  if (record->last_line_ == line) record->last_line_ = previous;
  line->ReleaseText();
  line->next_ = free_lines_;
  free_lines_ = line;
  record->keys_.Rebuild(record->first_line_, text_);
  return true;
}

bool CSectionList::DeleteAllLines(const char* section) {
  SECTION_LIST* record = section ? FindSection(section) : nullptr;
  if (record == nullptr) return false;
  FreeLines(record);
  return true;
}

void CSectionList::ClearAll() {
  sections_.clear();
  first_section_ = nullptr;
  last_section_ = nullptr;
  free_lines_ = nullptr;
  lines_.clear();
  texts_.clear();
}

long CSectionList::GetAllKey(const char* section, char* buffer, std::uint32_t* size,
                             std::uint32_t* count) const {
  if (section == nullptr || buffer == nullptr || size == nullptr) return platform::kErrorInvalidParameter;
  const SECTION_LIST* record = FindSection(section);
  if (record == nullptr) return platform::kErrorInvalidData;
  const std::uint32_t capacity = *size;
  std::memset(buffer, 0, capacity);
  long result = platform::kErrorSuccess;
  std::uint32_t needed = 0;
  std::uint32_t copied = 0;
  for (const LINE_LIST* line = record->first_line_; line != nullptr; line = line->next_) {
    const std::uint32_t offset = needed;
    needed += static_cast<std::uint32_t>(line->KeyView().size()) + 1;
    if (result != platform::kErrorSuccess) continue;
    if (needed < capacity) {
      std::memcpy(buffer + offset, line->Key(), line->KeyView().size());
      ++copied;
    } else {
      std::memset(buffer, 0, capacity);
      result = platform::kErrorOutOfMemory;
    }
  }
  *size = needed;
  if (count) *count = copied;
  return result;
}

long CSectionList::SaveFile(platform::File& file) const {
  for (const SECTION_LIST* section = first_section_; section != nullptr; section = section->next_) {
    if (const long error = WriteSection(file, section)) return error;
  }
  return platform::kErrorSuccess;
}

long CSectionList::WriteSection(platform::File& file, const SECTION_LIST* section) const {
  if (section == nullptr) return platform::kErrorInvalidParameter;
  std::string text = "[" + section->name_ + "]";
  text.append(kLineEnd);
  for (const LINE_LIST* line = section->first_line_; line != nullptr; line = line->next_) {
    text.append(line->KeyView());
    if (!line->ValueView().empty()) text.append(" = ").append(line->ValueView());
    text.append(kLineEnd);
  }
  text.append(kLineEnd);
  return WriteText(file, text);
}
