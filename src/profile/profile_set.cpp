#include "profile/profile_set.h"

#include "platform/files.h"
#include "profile/format.h"
#include "profile/log.h"

namespace {

constexpr const char* kFileInfoSection = "INSTALLER_FILE_INFO";
constexpr const char* kDefaultConfigureFile = ".\\data\\ovinst.ovi";
constexpr const char* kDefaultCommandFile = ".\\data\\ovinst.cmd";
constexpr const char* kDefaultStringFileFormat = ".\\data\\String\\Lang_%s.str";
constexpr const char* kDefaultSettingFile = ".\\Config.ini";
constexpr const char* kFirstLanguage = "EN";

// The part of a path after its last "\".
std::string FileNamePart(const std::string& path) {
  const auto slash = path.find_last_of('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string CProfileSet::FileInfo(const char* key, const char* fallback) const {
  std::string value;
  return data_.GetString(kFileInfoSection, key, value) ? value : fallback;
}

std::string CProfileSet::ConfigureFileFor(const IProfileEnvironment& environment,
                                          std::string_view abbreviation, std::string& name) const {
  const std::string language_key = profile::Format("CONFIGURE_FILE.%s", abbreviation);
  if (!data_.GetString(kFileInfoSection, language_key.c_str(), name)) {
    name = FileInfo("CONFIGURE_FILE", kDefaultConfigureFile);
  }
  return environment.ResolvePath(name, true);
}

std::string CProfileSet::StringFileFor(std::string_view abbreviation) const {
  // The format is profile text: only its first "%s" is filled, any other
  // "%" stays as it is.
  std::string file = string_file_format_;
  const auto at = file.find("%s");
  if (at != std::string::npos) file.replace(at, 2, abbreviation);
  return file;
}

void CProfileSet::SetStringFile(std::string_view abbreviation) {
  unresolved_string_file_ = StringFileFor(abbreviation);
}

bool CProfileSet::Initialize(const IProfileEnvironment& environment) {
  for (CMyProfile* profile : {&data_, &configure_, &command_, &string_}) {
    profile->SetEnvironment(&environment);
  }
  data_file_ = profile::Format("%s\\%s.dat", environment.InstallerDirectory(), environment.ApplicationName());
  if (!platform::FileExists(data_file_)) {
    Log().Write(profile::Format("Get Data File Fail (%s)", data_file_));
    return false;
  }
  data_.Create(data_file_, data_file_, {}, false);

  std::string name;
  configure_file_ = ConfigureFileFor(environment, environment.LanguageAbbreviation(), name);
  if (configure_file_.empty()) {
    Log().Write(profile::Format("Check configure file fail (%s)", name));
    return false;
  }
  configure_.Create(configure_file_, data_file_, {}, false);

  name = FileInfo("COMMAND_FILE", kDefaultCommandFile);
  command_file_ = environment.ResolvePath(name, true);
  if (command_file_.empty()) {
    Log().Write(profile::Format("Check Command file fail (%s)", name));
    return false;
  }
  command_.Create(command_file_, data_file_, {}, false);

  string_file_format_ = FileInfo("STRING_FILE_FORMAT", kDefaultStringFileFormat);
  SetStringFile(kFirstLanguage);
  string_file_ = unresolved_string_file_.empty() ? std::string()
                                                 : environment.ResolvePath(unresolved_string_file_, false);
  if (!string_.Create(string_file_, data_file_, string_file_, true)) {
    Log().Write(profile::Format("Create String Fail! (%s)", string_file_));
    return false;
  }
  string_file_name_ = FileNamePart(string_file_);

  setting_file_ = environment.ResolvePath(FileInfo("SETTING_FILE", kDefaultSettingFile), true);
  return true;
}

void CProfileSet::SetLanguage(const IProfileEnvironment& environment, std::string_view abbreviation) {
  SetStringFile(abbreviation);
  std::string file = environment.ResolvePath(unresolved_string_file_, false);
  if (!platform::FileExists(file)) {
    Log().Write(profile::Format(" (%s) string file does not exist", file));
    SetStringFile(environment.FallbackLanguageAbbreviation());
    file = environment.ResolvePath(unresolved_string_file_, false);
  }
  string_file_ = file;
  string_file_name_ = FileNamePart(file);

  std::string name;
  const std::string configure_file = ConfigureFileFor(environment, abbreviation, name);
  if (!configure_file.empty()) {
    configure_file_ = configure_file;
    configure_.Reload(configure_file_);
  }

  for (CMyProfile* profile : {&command_, &configure_, &data_}) profile->ReloadMessage(file);
  string_.Reload(file);
  string_.ReloadMessage(file);
  Log().Write(profile::Format("Set Language : String file\t\t= %s", string_file_name_));
  Log().Write(profile::Format("Set Language : Configure file\t\t= %s", configure_file_));
}
