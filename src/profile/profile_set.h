// The installer's four profiles: the data file "<installer dir>\<app>.dat",
// the configure file and the command file it names, and the current
// language's string file, whose MESSAGES serve @NAME@ in all four.
#pragma once

#include <string>
#include <string_view>

#include "profile/my_profile.h"
#include "profile/profile_environment.h"

class CProfileSet {
 public:
  CProfileSet() = default;
  CProfileSet(const CProfileSet&) = delete;
  CProfileSet& operator=(const CProfileSet&) = delete;

  // Builds the four profiles from the data file's INSTALLER_FILE_INFO, with
  // the English string file, and finds the setting file. Logs the reason and
  // fails when the data, configure or command file is missing or the string
  // file has no name. The environment must outlive the set.
  bool Initialize(const IProfileEnvironment& environment);
  // The string file name for `abbreviation`, not yet resolved.
  void SetStringFile(std::string_view abbreviation);
  // Points the profiles at the string file of `abbreviation` (or of the
  // fallback language when that file is missing) and at the configure file
  // of that language when it has one.
  void SetLanguage(const IProfileEnvironment& environment, std::string_view abbreviation);

  CMyProfile& Data() { return data_; }
  CMyProfile& Configure() { return configure_; }
  CMyProfile& Command() { return command_; }
  CMyProfile& String() { return string_; }
  const std::string& DataFile() const { return data_file_; }
  const std::string& ConfigureFile() const { return configure_file_; }
  const std::string& CommandFile() const { return command_file_; }
  const std::string& StringFile() const { return string_file_; }
  const std::string& UnresolvedStringFile() const { return unresolved_string_file_; }
  // The string file's name without its directory.
  const std::string& StringFileName() const { return string_file_name_; }
  const std::string& SettingFile() const { return setting_file_; }

 private:
  // The data file's INSTALLER_FILE_INFO value of `key` with defined strings
  // expanded, or `fallback` when missing.
  std::string FileInfo(const char* key, const char* fallback) const;
  // The configure file for `abbreviation`, resolved with the existence
  // check: key CONFIGURE_FILE.<abbreviation>, else CONFIGURE_FILE, else the
  // default. Empty when that file is missing.
  std::string ConfigureFileFor(const IProfileEnvironment& environment, std::string_view abbreviation,
                               std::string& name) const;
  // The string file name format filled with `abbreviation`.
  std::string StringFileFor(std::string_view abbreviation) const;

  CMyProfile data_;
  CMyProfile configure_;
  CMyProfile command_;
  CMyProfile string_;
  std::string data_file_;
  std::string string_file_;
  std::string unresolved_string_file_;
  std::string configure_file_;
  std::string command_file_;
  std::string string_file_format_;
  std::string string_file_name_;
  std::string setting_file_;
};
