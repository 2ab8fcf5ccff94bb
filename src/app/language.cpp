#include "app/language.h"

#include <vector>

#include "app/language_abbreviations.h"
#include "platform/system_info.h"
#include "profile/format.h"
#include "profile/log.h"
#include "profile/my_profile.h"
#include "profile/profile_number.h"

namespace {

constexpr std::uint16_t kPrimaryMask = 0x3FF;
constexpr std::uint32_t kLanguageIdMask = 0xFFFF;

std::string LanguageKey(std::uint16_t lcid) { return profile::Format("0X%04X", lcid); }

// The key of a listing entry "key = value", or the whole of a bare line,
// without blanks and tabs around it.
std::string EntryKey(const std::string& entry) {
  const std::string key = entry.substr(0, entry.find('='));
  const std::size_t first = key.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return key.substr(first, key.find_last_not_of(" \t") - first + 1);
}

}  // namespace

CLanguage::CLanguage() : system_lcid_(platform::GetSystemDefaultUILanguage()) {}

bool CLanguage::SupportedForm(std::uint16_t lcid, std::uint16_t& supported) const {
  std::vector<std::string> entries;
  if (profile_ == nullptr || !profile_->GetAllKey("PROGRAM_LANG_INFO", entries)) return false;
  for (const std::string& entry : entries) {
    const std::uint32_t listed = profile::StringToDword(EntryKey(entry));
    if (listed == lcid || listed == (lcid & kPrimaryMask)) {
      supported = static_cast<std::uint16_t>(listed);
      return true;
    }
  }
  return false;
}

std::uint16_t CLanguage::CountryCode(std::uint16_t lcid) const {
  std::uint32_t mapped = 0;
  if (profile_ != nullptr &&
      (profile_->GetDword("COUNTRY_LANG_CODE", LanguageKey(lcid).c_str(), &mapped) ||
       profile_->GetDword("COUNTRY_LANG_CODE", LanguageKey(lcid & kPrimaryMask).c_str(), &mapped))) {
    return static_cast<std::uint16_t>(mapped);
  }
  return lcid;
}

CLanguage::Resolution CLanguage::Resolve(std::uint16_t lcid) {
  Resolution resolution{kEnglish, kEnglish};
  if (!SupportedForm(CountryCode(lcid), resolution.current)) resolution.current = kEnglish;
  if (!SupportedForm(lcid, resolution.org)) resolution.org = kEnglish;
  org_lcid_ = resolution.org;
  return resolution;
}

std::string CLanguage::LookUp(const char* section, std::uint16_t lcid) const {
  std::string text;
  if (profile_ != nullptr && (profile_->GetString(section, LanguageKey(lcid).c_str(), text) ||
                              profile_->GetString(section, LanguageKey(lcid & kPrimaryMask).c_str(), text))) {
    return text;
  }
  return app::BuiltInAbbreviation(lcid);
}

std::string CLanguage::Abbreviation(std::uint16_t lcid) const { return LookUp("LANGUAGE_ABBR", lcid); }

std::string CLanguage::LanguageDirectory(std::uint16_t lcid) const { return LookUp("LANGUAGE_DIR", lcid); }

void CLanguage::Init(const CMyProfile& data) {
  profile_ = &data;
  system_abbreviation_ = Abbreviation(Resolve(system_lcid_).current);
}

bool CLanguage::SetLanguage(const CMyProfile& data, std::uint32_t lcid, bool force) {
  profile_ = &data;
  const std::uint16_t requested =
      (lcid & kLanguageIdMask) == 0 ? system_lcid_ : static_cast<std::uint16_t>(lcid & kLanguageIdMask);
  if (!force && requested == org_lcid_) return false;
  const Resolution resolution = Resolve(requested);
  current_lcid_ = resolution.current;
  current_abbreviation_ = Abbreviation(resolution.current);
  org_abbreviation_ = Abbreviation(resolution.org);
  current_directory_ = LanguageDirectory(resolution.current);
  org_directory_ = LanguageDirectory(resolution.org);
  set_ = true;

  Log().Write(profile::Format("Set Language : Language ID\t\t= 0X%04X", current_lcid_));
  Log().Write(profile::Format("Set Language : Language Abbr\t\t= %s", current_abbreviation_));
  Log().Write(profile::Format("Set Language : System Language ID\t= 0X%04X", system_lcid_));
  Log().Write(profile::Format("Set Language : System Language Abbr = %s", system_abbreviation_));
  Log().Write(profile::Format("Set Language : Language Dir\t\t= %s", current_directory_));
  Log().Write(profile::Format("Set Language : Org Language ID\t\t= 0X%04X", org_lcid_));
  Log().Write(profile::Format("Set Language : Org Language Abbr\t\t= %s", org_abbreviation_));
  Log().Write(profile::Format("Set Language : Org Language Dir\t\t= %s", org_directory_));
  return true;
}
