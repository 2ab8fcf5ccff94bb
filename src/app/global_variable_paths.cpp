// How the run environment turns profile texts into paths and values: file
// names relative to the source directory, and the defined strings.
#include "app/defined_strings.h"
#include "app/file_checks.h"
#include "app/global_variable.h"
#include "app/path_text.h"
#include "profile/format.h"
#include "profile/log.h"

namespace {

constexpr std::string_view kSourceToken = "$SRC_DIR$";

}  // namespace

std::string CGlobalVariable::ResolvePath(std::string_view name, bool check_exists) const {
  std::string path;
  const bool drive_path = (name.size() == 2 && name[1] == ':') || (name.size() >= 3 && name.substr(1, 2) == ":\\");
  if (drive_path || name.starts_with("\\\\")) {
    path = name;
  } else if (name.starts_with("..")) {
    const std::size_t slash = app::LastSeparator(source_directory_);
    path = source_directory_.substr(0, slash).append(name.substr(2));
  } else if (name.starts_with(".")) {
    path = source_directory_ + std::string(name.substr(1));
  } else {
    path = profile::Format("%s\\%s", source_directory_, name);
  }
  for (std::size_t at = path.find(kSourceToken); at != std::string::npos;
       at = path.find(kSourceToken, at + source_directory_.size())) {
    path.replace(at, kSourceToken.size(), source_directory_);
  }
  if (check_exists && !app::FileExists(path)) {
    Log().Write(profile::Format("(%s) file does not exist.", path));
    return {};
  }
  return path;
}

std::string CGlobalVariable::ExpandDefinedStrings(std::string_view text, std::uint32_t lcid,
                                                  std::string_view language_abbreviation,
                                                  std::string_view language_directory) const {
  using app::DefinedString;
  const CSystemDir& dirs = system_dirs_;
  const CInstallEnv& env = install_env_;
  return app::ExpandDefinedStrings(text, [&](DefinedString which) -> std::string {
    switch (which) {
      case DefinedString::kLanguageAbbreviation:
        return std::string(language_abbreviation.empty() ? language_.CurrentAbbreviation() : language_abbreviation);
      case DefinedString::kOrgLanguageAbbreviation: return language_.OrgAbbreviation();
      case DefinedString::kSourceDirectory: return source_directory_;
      case DefinedString::kDestinationDirectory: return env.Destination();
      case DefinedString::kInstallDirectory: return env.InstallDirectory();
      case DefinedString::kWindowsDirectory: return dirs.WindowsDirectory();
      case DefinedString::kSystemDirectory: return dirs.SystemDirectory();
      case DefinedString::kInfDirectory: return dirs.InfDirectory();
      case DefinedString::kOsDirectory: return env.OsDirectory();
      case DefinedString::kProgramFilesDirectory: return dirs.ProgramFilesDirectory();
      case DefinedString::kLanguageDirectory:
        return std::string(language_directory.empty() ? language_.CurrentDirectory() : language_directory);
      case DefinedString::kOrgLanguageDirectory: return language_.OrgDirectory();
      case DefinedString::kDataFile: return profiles_.DataFile();
      case DefinedString::kConfigureFile: return profiles_.ConfigureFile();
      case DefinedString::kStringFile: return profiles_.StringFile();
      case DefinedString::kVersion: return version_;
      case DefinedString::kInstallerFile: return installer_file_name_;
      case DefinedString::kIp: return env.Ip();
      case DefinedString::kStringFileName: return profiles_.StringFileName();
      case DefinedString::kPort: return env.Port();
      case DefinedString::kLcid: return profile::Format("%04X", lcid != 0 ? lcid : language_.CurrentLcid());
      case DefinedString::kOrgLcid: return profile::Format("%04X", language_.OrgLcid());
      case DefinedString::kInstalled: return env.InstalledBefore() ? "1" : "0";
      case DefinedString::kNotInstalled: return env.InstalledBefore() ? "0" : "1";
    }
    return {};
  });
}
