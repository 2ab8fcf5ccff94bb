#include "profile/my_profile.h"

#include "platform/errors.h"
#include "profile/format.h"
#include "profile/log.h"

namespace {

constexpr const char* kMessagesSection = "MESSAGES";
// The listing buffer starts at the size of one installer text and grows up
// to this size for long sections.
constexpr std::size_t kListingStart = 16384;
constexpr std::size_t kListingLimit = 1 << 22;

}  // namespace

bool CMyProfile::Create(std::string_view main_file, std::string_view strings_file,
                        std::string_view message_file, bool convert_escapes) {
  const std::string strings(strings_file);
  if (!main_file.empty()) {
    main_file_ = main_file;
    strings_file_ = strings;
    main_.Create(main_file_.c_str(), strings_file_.c_str());
    loaded_ = true;
  }
  if (!message_file.empty()) {
    message_file_ = message_file;
    message_.Create(message_file_.c_str(), strings.c_str());
    messages_loaded_ = true;
  }
  convert_escapes_ = convert_escapes;
  return loaded_;
}

void CMyProfile::ReplaceMessage(std::string& text) const {
  const platform::CodePageText& code_page = main_.Sections().Text();
  std::string result;
  std::string message;
  std::size_t copied = 0;
  std::size_t from = 0;
  for (;;) {
    const std::size_t open = code_page.Find(text, '@', from);
    const std::size_t close = open == std::string::npos ? open : code_page.Find(text, '@', open + 1);
    if (close == std::string::npos) break;
    from = close + 1;
    const std::string name = text.substr(open + 1, close - open - 1);
    if (message_.GetString(kMessagesSection, name.c_str(), message, true) != platform::kErrorSuccess ||
        result.size() + (open - copied) + message.size() >= CProfile::kMaxQueryText) {
      continue;
    }
    result.append(text, copied, open - copied).append(message);
    copied = from;
  }
  result.append(text, copied, std::string::npos);
  text = std::move(result);
}

void CMyProfile::ExpandText(std::string& text, bool expand, std::uint32_t lcid,
                            std::string_view language_abbreviation,
                            std::string_view language_directory) const {
  if (messages_loaded_) ReplaceMessage(text);
  if (expand && environment_ && !environment_->IsRemoteInstall()) {
    text = environment_->ExpandDefinedStrings(text, lcid, language_abbreviation, language_directory);
  }
}

bool CMyProfile::GetString(const char* section, const char* key, std::string& value, bool expand,
                           std::uint32_t lcid, std::string_view language_abbreviation,
                           std::string_view language_directory) const {
  if (!loaded_) return false;
  std::string text;
  if (main_.GetString(section, key, text, convert_escapes_) != platform::kErrorSuccess) return false;
  ExpandText(text, expand, lcid, language_abbreviation, language_directory);
  value = std::move(text);
  return true;
}

bool CMyProfile::GetDword(const char* section, const char* key, std::uint32_t* value) const {
  return main_.GetDword(section, key, value) == platform::kErrorSuccess;
}

bool CMyProfile::GetControl(const char* section, const char* key, SIZE* size) const {
  return main_.GetControl(section, key, size) == platform::kErrorSuccess;
}

bool CMyProfile::GetControl(const char* section, const char* key, POINT* point) const {
  return main_.GetControl(section, key, point) == platform::kErrorSuccess;
}

bool CMyProfile::GetControl(const char* section, const char* key, COLORREF* colour) const {
  return main_.GetControl(section, key, colour) == platform::kErrorSuccess;
}

bool CMyProfile::GetControl(const char* section, const char* key, RECT* rect) const {
  return main_.GetControl(section, key, rect) == platform::kErrorSuccess;
}

bool CMyProfile::GetAllKey(const char* section, std::vector<std::string>& entries, bool expand,
                           std::uint32_t lcid, std::string_view language_abbreviation,
                           std::string_view language_directory) const {
  std::string listing(kListingStart, '\0');
  long result = main_.GetAllKey(section, listing.data(), listing.size(), false);
  while (result == platform::kErrorOutOfMemory && listing.size() < kListingLimit) {
    listing.assign(listing.size() * 2, '\0');
    result = main_.GetAllKey(section, listing.data(), listing.size(), false);
  }
  if (result != platform::kErrorSuccess) return false;
  if (environment_ && environment_->IsRemoteInstall()) return true;
  for (std::size_t at = 0; at < listing.size() && listing[at] != '\0';) {
    std::string entry(listing.c_str() + at);
    at += entry.size() + 1;
    ExpandText(entry, expand, lcid, language_abbreviation, language_directory);
    entries.push_back(std::move(entry));
  }
  return true;
}

bool CMyProfile::GetSectionNames(std::string& names) const {
  const SECTION_LIST* section = main_.Sections().FirstSection();
  if (section == nullptr) return false;
  names.clear();
  for (; section != nullptr; section = section->Next()) {
    if (!names.empty()) names.push_back(' ');
    names.append(section->NameText());
  }
  return true;
}

bool CMyProfile::HasSection(const char* name) const {
  return name != nullptr && main_.Sections().FindSection(name) != nullptr;
}

bool CMyProfile::FindVariantSection(const char* base, std::string& section) const {
  if (base == nullptr || *base == '\0' || environment_ == nullptr) return false;
  if (main_.Sections().FirstSection() == nullptr) {
    Log().Write("Get All Section fail");
    return false;
  }
  const std::string os = environment_->OsDefine();
  const std::string language = environment_->LanguageAbbreviation();
  const bool network = environment_->IsNetworkOn();
  const bool usb = environment_->IsUsbOnlyOn();
  // Most specific first: OS and language, OS, language, neither; within each
  // the connection options from both down to none.
  const std::string prefixes[] = {"." + os + "." + language, "." + os, "." + language, ""};
  std::vector<std::string> suffixes;
  if (network && usb) suffixes.push_back(".NETWORK.USB");
  if (network) suffixes.push_back(".NETWORK");
  if (usb) suffixes.push_back(".USB");
  suffixes.push_back("");
  const platform::CodePageText& code_page = main_.Sections().Text();
  for (const std::string& prefix : prefixes) {
    for (const std::string& suffix : suffixes) {
      const std::string candidate = code_page.Upper(base + prefix + suffix);
      if (main_.Sections().FindSection(candidate.c_str()) == nullptr) continue;
      section = candidate;
      Log().Write(profile::Format("[%s] Section found", candidate));
      return true;
    }
  }
  return false;
}

bool CMyProfile::Reload(std::string_view file) {
  const std::string name(file);
  return main_.Reload(name.c_str(), strings_file_.c_str()) == platform::kErrorSuccess;
}

bool CMyProfile::ReloadMessage(std::string_view file) {
  message_file_ = file;
  message_.Reload(message_file_.c_str(), strings_file_.c_str());
  messages_loaded_ = true;
  return true;
}
