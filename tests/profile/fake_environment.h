// A run environment for profile tests: fixed texts, options set by the test,
// paths resolved against the installer directory on the test machine, and
// $NAME$ expansion from a table.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "profile/profile_environment.h"

namespace inktest {

class FakeEnvironment : public IProfileEnvironment {
 public:
  std::string InstallerDirectory() const override { return directory; }
  std::string ApplicationName() const override { return application; }
  std::string ResolvePath(std::string_view name, bool check_exists) const override {
    std::string path(name);
    if (path.starts_with(".")) path = directory + path.substr(1);
    if (check_exists && !platform::FileExists(path)) return {};
    return path;
  }
  std::string ExpandDefinedStrings(std::string_view text, std::uint32_t lcid, std::string_view abbreviation,
                                   std::string_view) const override {
    std::string result(text);
    std::map<std::string, std::string> values = defined;
    values["$LANG_ABBR$"] = abbreviation.empty() ? language : std::string(abbreviation);
    values["$LCID$"] = std::to_string(lcid);
    for (const auto& [token, value] : values) {
      for (auto at = result.find(token); at != std::string::npos; at = result.find(token, at + value.size())) {
        result.replace(at, token.size(), value);
      }
    }
    return result;
  }
  bool IsRemoteInstall() const override { return remote; }
  std::string LanguageAbbreviation() const override { return language; }
  std::string FallbackLanguageAbbreviation() const override { return fallback; }
  std::string OsDefine() const override { return os; }
  bool IsNetworkOn() const override { return network; }
  bool IsUsbOnlyOn() const override { return usb_only; }

  std::string directory = "C:\\setup";
  std::string application = "setup";
  std::string language;
  std::string fallback = "EN";
  std::string os = "W10";
  bool remote = false;
  bool network = false;
  bool usb_only = false;
  std::map<std::string, std::string> defined = {{"$SRC_DIR$", "C:\\setup"}};
};

}  // namespace inktest
