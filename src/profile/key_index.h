// The index of one section's keys: an open-addressing hash table from a key,
// compared case-insensitively, to the first line with that key. The further
// lines with the same key hang off that line in section order, so the n-th
// occurrence of a key is reached without scanning the whole section.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/code_page_text.h"

class LINE_LIST;

namespace profile {

class KeyIndex {
 public:
  KeyIndex() = default;
  KeyIndex(const KeyIndex&) = delete;
  KeyIndex& operator=(const KeyIndex&) = delete;

  // Indexes the lines that follow `first` through their next-line links,
  // dropping whatever the index held.
  void Rebuild(LINE_LIST* first, const platform::CodePageText& text);
  // Adds `line`, which has just become the last line of its section.
  void Append(LINE_LIST* line, const platform::CodePageText& text);
  // The first line whose key equals `key`, or null. An empty key is never
  // found.
  LINE_LIST* First(std::string_view key, const platform::CodePageText& text) const;
  void Clear();

 private:
  // The slot that holds the first line of `key`, or the empty slot where it
  // belongs. The table must have room.
  LINE_LIST** Slot(std::string_view key, const platform::CodePageText& text) const;
  // Makes room for one more key, doubling the table when it would be more
  // than three quarters full.
  void Reserve(const platform::CodePageText& text);

  std::unique_ptr<LINE_LIST*[]> slots_;
  std::uint32_t capacity_ = 0;  // a power of two, or 0
  std::uint32_t count_ = 0;     // distinct keys
};

}  // namespace profile
