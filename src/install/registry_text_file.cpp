// Saving a key tree to the registry text file and loading one back.
#include <string>
#include <utility>
#include <vector>

#include "install/registry.h"
#include "install/registry_key.h"
#include "install/registry_text.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/machine.h"
#include "platform/registry_names.h"
#include "profile/profile_text.h"
#include "profile/section_list.h"

using install::OpenKey;
using platform::RegKey;

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Keeps the first failure of a run of steps that all go ahead.
class FirstFailure {
 public:
  void Note(long result) {
    if (result_ == platform::kErrorSuccess) result_ = result;
  }
  long Result() const { return result_; }

 private:
  long result_ = platform::kErrorSuccess;
};

// Appends the section of `key` with its values, then the sections of its
// subkeys, to `text`. 13 for a name or value that would not come back from
// the file whole, because the profile reader cuts it.
long AppendKey(RegKey root, const std::string& key, std::string_view root_name, std::string* text) {
  OpenKey source;
  if (long error = source.Open(root, key.c_str(), platform::KEY_READ)) return error;
  const std::string section = install::RegistrySectionName(root_name, key);
  if (section.size() > profile::kMaxNameLength) return platform::kErrorInvalidData;
  text->append("[").append(section).append("]").append(kLineEnd);

  for (std::uint32_t index = 0;; ++index) {
    install::RegistryValue value;
    const long result = install::ReadValueAt(source.Get(), index, &value);
    if (result == platform::kErrorNoMoreItems) break;
    if (result != platform::kErrorSuccess) return result;
    std::string line;
    if (!install::FormatRegistryValueLine(value, &line)) continue;
    if (line.size() > profile::kMaxLineLength ||
        line.find('=') > profile::kMaxNameLength) {
      return platform::kErrorInvalidData;
    }
    text->append(line).append(kLineEnd);
  }

  std::vector<std::string> names;
  if (long error = install::ReadSubkeyNames(source.Get(), &names)) return error;
  source.Close();
  for (const auto& name : names) {
    if (long error = AppendKey(root, install::JoinKeyPath(key, name), root_name, text)) {
      return error;
    }
  }
  return platform::kErrorSuccess;
}

// Writes the values of one section into its key, creating the key.
long LoadSection(const SECTION_LIST& section) {
  RegKey root = 0;
  std::string subkey;
  install::ParseRegistrySectionName(section.NameText(), &root, &subkey);
  OpenKey target;
  if (long error = target.Create(root, subkey.c_str(), platform::KEY_WRITE)) return error;
  FirstFailure failure;
  for (const LINE_LIST* line = section.FirstLine(); line != nullptr; line = line->Next()) {
    bool has_value = false;
    install::RegistryValue value;
    const long result =
        install::ParseRegistryValueLine(line->KeyView(), line->ValueView(), &has_value, &value);
    failure.Note(result);
    if (result != platform::kErrorSuccess || !has_value) continue;
    failure.Note(platform::RegSetValueEx(target.Get(), value.name.c_str(), value.type,
                                         value.data.data(),
                                         static_cast<std::uint32_t>(value.data.size())));
  }
  return failure.Result();
}

}  // namespace

long CRegistry::SaveToFile(const char* key, const char* file, RegKey root) {
  if (key == nullptr || file == nullptr || *file == '\0') return platform::kErrorInvalidParameter;
  const char* root_name = platform::RegistryRootName(root);
  if (root_name == nullptr) return platform::kErrorInvalidParameter;
  platform::File out;
  if (long error = out.Open(file, platform::Disposition::kCreateNew, platform::kAccessWrite)) {
    return error;
  }
  std::string text;
  const std::string path(install::WithoutTrailingSeparators(key));
  long result = AppendKey(root, path, root_name, &text);
  if (result == platform::kErrorSuccess) {
    result = out.Write(text.data(), static_cast<std::uint32_t>(text.size()));
  }
  out.Close();
  // The file is new and ours: a save that failed leaves nothing behind.
  if (result != platform::kErrorSuccess) platform::DeleteFile(file);
  return result;
}

long CRegistry::LoadFromFile(const char* file) {
  if (file == nullptr || *file == '\0') return platform::kErrorInvalidParameter;
  std::string contents;
  if (long error = platform::ReadWholeFile(file, contents)) return error;
  CSectionList sections(platform::CurrentMachine().Config().code_page);
  const bool complete = sections.LoadText(std::move(contents));
  FirstFailure failure;
  for (const SECTION_LIST* section = sections.FirstSection(); section != nullptr;
       section = section->Next()) {
    failure.Note(LoadSection(*section));
  }
  // The reader stopped at a line too long for it; what followed was lost.
  if (!complete) failure.Note(platform::kErrorInvalidData);
  return failure.Result();
}
