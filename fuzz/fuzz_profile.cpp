// Loads arbitrary bytes as a profile, in a single-byte and a double-byte code
// page, and runs every kind of query on the result: names and keys found in
// the profile itself, and a few fixed ones.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "profile/profile.h"

namespace {

constexpr std::size_t kSmallBuffer = 24;
constexpr std::size_t kLargeBuffer = 4096;

void QueryKey(const CProfile& profile, const char* section, const char* key) {
  std::vector<char> buffer(kLargeBuffer);
  for (std::size_t size : {std::size_t{1}, kSmallBuffer, kLargeBuffer}) {
    profile.GetString(section, key, buffer.data(), size, size != 1);
  }
  std::string value;
  profile.GetString(section, key, value, true);
  std::uint32_t number;
  profile.GetDword(section, key, &number);
  SIZE size;
  POINT point;
  COLORREF colour;
  RECT rect;
  profile.GetControl(section, key, &size);
  profile.GetControl(section, key, &point);
  profile.GetControl(section, key, &colour);
  profile.GetControl(section, key, &rect);
}

void QueryAll(const CProfile& profile) {
  std::vector<char> buffer(kLargeBuffer);
  for (std::size_t size : {std::size_t{1}, kSmallBuffer, kLargeBuffer}) {
    profile.GetSectionName(buffer.data(), size, true);
    profile.GetSectionName(buffer.data(), size, false);
  }
  const CSectionList& list = profile.Sections();
  int sections = 0;
  for (const SECTION_LIST* section = list.FirstSection(); section && sections < 8;
       section = section->Next(), ++sections) {
    for (std::size_t size : {std::size_t{1}, kSmallBuffer, kLargeBuffer}) {
      profile.GetAllKey(section->Name(), buffer.data(), size, size == kSmallBuffer);
      std::uint32_t room = static_cast<std::uint32_t>(size);
      std::uint32_t count = 0;
      list.GetAllKey(section->Name(), buffer.data(), &room, &count);
    }
    int lines = 0;
    for (const LINE_LIST* line = section->FirstLine(); line && lines < 8; line = line->Next(), ++lines) {
      QueryKey(profile, section->Name(), line->Key());
      list.FindKey(section, line->Key(), 1);
      list.GetValue(section->Name(), line->Key(), buffer.data(), kSmallBuffer, 0);
    }
  }
  QueryKey(profile, "STRINGS", "%A%");
  QueryKey(profile, "S", "K");
}

// Edits a list loaded from the same text, so that the key index meets
// inserts, replaces and deletes on arbitrary keys.
void EditList(const std::string& text) {
  CSectionList list;
  list.LoadText(text);
  for (SECTION_LIST* section = list.FirstSection(); section; section = section->Next()) {
    const LINE_LIST* first = section->FirstLine();
    if (first == nullptr) continue;
    const std::string key = first->Key();
    list.AddLine(section, (key + "=inserted").c_str(), false, key.c_str());
    list.SetValue(section->Name(), key.c_str(), "set", 1);
    list.DeleteLine(section->Name(), key.c_str());
    list.FindKey(section, key.c_str(), 0);
  }
  list.DeleteSection(nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (std::uint32_t code_page : {1252u, 932u}) {
    CProfile profile;
    profile.LoadText(text, code_page);
    QueryAll(profile);
  }
  EditList(text);
  return 0;
}
