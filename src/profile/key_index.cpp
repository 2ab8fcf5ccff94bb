#include "profile/key_index.h"

#include <vector>

#include "profile/section_list.h"

namespace profile {

namespace {

constexpr std::uint32_t kMinimumCapacity = 8;

}  // namespace

LINE_LIST** KeyIndex::Slot(std::string_view key, const platform::CodePageText& text) const {
  const std::uint32_t mask = capacity_ - 1;
  for (std::uint32_t at = static_cast<std::uint32_t>(text.Hash(key)) & mask;; at = (at + 1) & mask) {
    LINE_LIST* line = slots_[at];
    if (line == nullptr || text.Equal(line->KeyView(), key)) return &slots_[at];
  }
}

void KeyIndex::Reserve(const platform::CodePageText& text) {
  if (4 * (count_ + 1) <= 3 * capacity_) return;
  const std::uint32_t old_capacity = capacity_;
  std::unique_ptr<LINE_LIST*[]> old_slots = std::move(slots_);
  capacity_ = capacity_ == 0 ? kMinimumCapacity : capacity_ * 2;
  slots_ = std::make_unique<LINE_LIST*[]>(capacity_);
  for (std::uint32_t i = 0; i < old_capacity; ++i) {
    if (old_slots[i] != nullptr) *Slot(old_slots[i]->KeyView(), text) = old_slots[i];
  }
}

void KeyIndex::Rebuild(LINE_LIST* first, const platform::CodePageText& text) {
  Clear();
  // Walking the section backwards lets every line go to the front of its
  // key's chain, which leaves each chain in section order.
  std::vector<LINE_LIST*> lines;
  for (LINE_LIST* line = first; line != nullptr; line = line->next_) lines.push_back(line);
  for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
    LINE_LIST* line = *it;
    line->next_same_key_ = nullptr;
    if (line->key_length_ == 0) continue;
    Reserve(text);
    LINE_LIST** slot = Slot(line->KeyView(), text);
    if (*slot == nullptr) ++count_;
    line->next_same_key_ = *slot;
    *slot = line;
  }
}

void KeyIndex::Append(LINE_LIST* line, const platform::CodePageText& text) {
  line->next_same_key_ = nullptr;
  if (line->key_length_ == 0) return;
  Reserve(text);
  LINE_LIST** slot = Slot(line->KeyView(), text);
  if (*slot == nullptr) {
    *slot = line;
    ++count_;
    return;
  }
  LINE_LIST* last = *slot;
  while (last->next_same_key_ != nullptr) last = last->next_same_key_;
  last->next_same_key_ = line;
}

LINE_LIST* KeyIndex::First(std::string_view key, const platform::CodePageText& text) const {
  if (key.empty() || capacity_ == 0) return nullptr;
  return *Slot(key, text);
}

void KeyIndex::Clear() {
  slots_.reset();
  capacity_ = 0;
  count_ = 0;
}

}  // namespace profile
