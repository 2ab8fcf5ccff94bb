// The in-memory form of one profile: sections of lines, kept in file order.
// Section names and keys compare case-insensitively (double-byte characters
// as units); keys may repeat within a section and keep their order. Each
// section indexes its keys, so lookups do not scan.
//
// Text read from a profile stays in the buffer it was read into: the lines
// point into it, NUL-terminated in place, and the list owns the buffer. Text
// given through the operations below is copied into the line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <forward_list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/files.h"
#include "platform/code_page_text.h"
#include "profile/key_index.h"

class CSectionList;

// One line of a section: key and value, both NUL-terminated. A bare line
// (one without "=") has the whole line as key and an empty value.
class LINE_LIST {
 public:
  LINE_LIST() = default;
  ~LINE_LIST();
  LINE_LIST(const LINE_LIST&) = delete;
  LINE_LIST& operator=(const LINE_LIST&) = delete;

  const char* Key() const { return key_; }      // at most 255 bytes
  const char* Value() const { return value_; }  // at most 4095 bytes
  std::string_view KeyView() const { return {key_, key_length_}; }
  std::string_view ValueView() const { return {value_, value_length_}; }
  // The next line of the same section, or null.
  LINE_LIST* Next() const { return next_; }

 private:
  friend class CSectionList;
  friend class profile::KeyIndex;

  // Points the line at texts that live elsewhere and stay put.
  void Borrow(std::string_view key, std::string_view value);
  // Gives the line a copy of its own of both texts.
  void Copy(std::string_view key, std::string_view value);
  void ReleaseText();

  LINE_LIST* next_ = nullptr;
  LINE_LIST* next_same_key_ = nullptr;  // later line with the same key
  const char* key_ = "";
  const char* value_ = "";
  std::uint16_t key_length_ = 0;
  std::uint16_t value_length_ = 0;
  bool owns_text_ = false;  // key_ starts a block "key\0value\0" of its own
};

// One section: its name (at most 255 bytes, trimmed) and its lines.
class SECTION_LIST {
 public:
  SECTION_LIST() = default;
  SECTION_LIST(const SECTION_LIST&) = delete;
  SECTION_LIST& operator=(const SECTION_LIST&) = delete;

  const char* Name() const { return name_.c_str(); }
  const std::string& NameText() const { return name_; }
  SECTION_LIST* Previous() const { return previous_; }
  SECTION_LIST* Next() const { return next_; }
  LINE_LIST* FirstLine() const { return first_line_; }

 private:
  friend class CSectionList;

  std::string name_;
  SECTION_LIST* previous_ = nullptr;
  SECTION_LIST* next_ = nullptr;
  LINE_LIST* first_line_ = nullptr;
  LINE_LIST* last_line_ = nullptr;
  profile::KeyIndex keys_;
};

class CSectionList {
 public:
  explicit CSectionList(std::uint32_t code_page = platform::kDefaultCodePage);
  ~CSectionList();
  CSectionList(const CSectionList&) = delete;
  CSectionList& operator=(const CSectionList&) = delete;

  // Section names and keys compare in this code page. Changing it re-indexes
  // what the list holds.
  void SetCodePage(std::uint32_t code_page);
  const platform::CodePageText& Text() const { return text_; }

  // Reads a whole profile text (the bytes of a file) into the list, after
  // what it holds: comments go, lines join their sections, a repeated section
  // continues the first one. False when a line longer than 4095 characters
  // ended the reading early; what came before it stays.
  bool LoadText(std::string text);

  // The section named `name` (stripped as a header name is), created at the
  // end, or after `after` when that is one of this list's sections, when it
  // does not exist. Null for a null or empty name.
  SECTION_LIST* AddSection(const char* name, SECTION_LIST* after = nullptr);
  // Splits `text` at its first "=" into key and value. With `replace` and a
  // line of that key present, its first such line takes the value; otherwise
  // a new line goes after the first line whose key is `after_key`, or at the
  // end. Returns the line; null when the section is missing or either text
  // is empty.
  LINE_LIST* AddLine(const char* section, const char* text, bool replace,
                     const char* after_key = nullptr);
  LINE_LIST* AddLine(SECTION_LIST* section, const char* text, bool replace,
                     const char* after_key = nullptr);

  // The section called `name` (stripped as a header name is); the first
  // section for a null name; null when none matches.
  SECTION_LIST* FindSection(const char* name) const;
  SECTION_LIST* FirstSection() const { return first_section_; }
  // The index-th line (from 0) of the section whose key is `key`, not
  // trimmed; null when there are fewer, or for a null section or empty key.
  LINE_LIST* FindKey(const SECTION_LIST* section, const char* key, int index) const;
  // The index-th line of the section whatever its key; null when out of
  // range.
  LINE_LIST* FindKey(const SECTION_LIST* section, int index) const;

  // Copies the value of the index-th line of `key` in `section` into
  // `buffer`, cut to size - 1 bytes and always terminated. True when found.
  bool GetValue(const char* section, const char* key, char* buffer, std::size_t size,
                int index) const;
  // Sets the value of the index-th line of `key`, creating the section at
  // the end and the line (as "key = value", or the bare key for an empty
  // value) when missing. False only for a null or empty section or key.
  bool SetValue(const char* section, const char* key, const char* value, int index);

  bool DeleteSection(const char* name);
  // Removes the first line of `key`; false when the section or key is
  // missing.
  bool DeleteLine(const char* section, const char* key);
  // Removes every line of the section, which stays; false when missing.
  bool DeleteAllLines(const char* section);
  void ClearAll();
  void Delete() { ClearAll(); }

  // Lists the keys of the section's lines into `buffer`, each followed by a
  // NUL, after zero-filling it. `*size` gives the buffer size and receives
  // the bytes all keys need (their lengths plus one each); `*count`, when
  // given, receives the number of keys copied. A key is copied only while
  // the running total stays below the buffer size, which keeps a final NUL.
  // 0; 13 for a missing section; 87 for a null argument; 14 when a key did
  // not fit, with the buffer zeroed again.
  long GetAllKey(const char* section, char* buffer, std::uint32_t* size,
                 std::uint32_t* count) const;

  // Writes every section in list order; 0 or the error of the first write
  // that failed.
  long SaveFile(platform::File& file) const;
  // Writes "[name]", then "key = value" (or the key of a bare line), then
  // an empty line, each ending in CR LF. 0 or the write's error.
  long WriteSection(platform::File& file, const SECTION_LIST* section) const;

 private:
  struct NameHash {
    platform::CodePageText text;
    std::size_t operator()(std::string_view name) const { return text.Hash(name); }
  };
  struct NameEqual {
    platform::CodePageText text;
    bool operator()(std::string_view a, std::string_view b) const { return text.Equal(a, b); }
  };
  using SectionMap =
      std::unordered_map<std::string_view, std::unique_ptr<SECTION_LIST>, NameHash, NameEqual>;

  // The section of a stripped name, created at the end (or after `after`)
  // when missing.
  SECTION_LIST* Section(std::string_view name, SECTION_LIST* after);
  SECTION_LIST* Find(std::string_view name) const;
  LINE_LIST* NewLine();
  // Appends `line` to the end of the section; `index` keeps the key index
  // up to date (a load indexes once at the end instead).
  void Append(SECTION_LIST* section, LINE_LIST* line, bool index);
  void FreeLines(SECTION_LIST* section);

  platform::CodePageText text_;
  SectionMap sections_;
  SECTION_LIST* first_section_ = nullptr;
  SECTION_LIST* last_section_ = nullptr;
  std::deque<LINE_LIST> lines_;           // every line record, for stable addresses
  LINE_LIST* free_lines_ = nullptr;       // records of deleted lines, for reuse
  std::forward_list<std::string> texts_;  // the buffers loaded texts live in
};
