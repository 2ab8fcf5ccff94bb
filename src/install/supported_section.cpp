#include "install/supported_section.h"

#include <string>

#include "app/text_helpers.h"
#include "profile/my_profile.h"
#include "profile/profile_environment.h"

namespace install {

namespace {

// Whether the list `key` of `section`, when present, lets `current` pass:
// a SUPPORTED list must name it, an UNSUPPORTED list must not.
bool ListAllows(const CMyProfile& profile, const char* section, const char* key, const std::string& current,
                bool supported_list) {
  std::string list;
  if (!profile.GetString(section, key, list)) return true;
  return app::IsInList(list.c_str(), current.c_str(), ",") == supported_list;
}

}  // namespace

bool IsSupportedSection(const CMyProfile& profile, const char* section, const IProfileEnvironment& environment) {
  const std::string os_define = environment.OsDefine();
  const std::string language = environment.LanguageAbbreviation();
  return ListAllows(profile, section, "SUPPORTED_OS", os_define, true) &&
         ListAllows(profile, section, "UNSUPPORTED_OS", os_define, false) &&
         ListAllows(profile, section, "SUPPORTED_LANG", language, true) &&
         ListAllows(profile, section, "UNSUPPORTED_LANG", language, false);
}

}  // namespace install
