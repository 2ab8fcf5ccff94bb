#include "app/global_variable.h"

#include "app/os_define.h"
#include "app/path_text.h"
#include "platform/machine.h"
#include "platform/module_file.h"
#include "profile/format.h"
#include "profile/log.h"
#include "profile/profile.h"

namespace {

constexpr const char* kFileInfoSection = "INSTALLER_FILE_INFO";

}  // namespace

CGlobalVariable::CGlobalVariable(std::unique_ptr<IModuleCalls> modules) : modules_(std::move(modules)) {}

bool CGlobalVariable::Init() {
  const std::string program_file = platform::GetModuleFileName();
  const std::size_t slash = app::LastSeparator(program_file);
  source_directory_ = slash == std::string::npos ? std::string() : program_file.substr(0, slash);
  const std::string file_name = program_file.substr(slash == std::string::npos ? 0 : slash + 1);
  application_name_ = file_name.substr(0, file_name.rfind('.'));
  // "D:" alone is the current directory of drive D:, not its root.
  const bool bare_drive = !source_directory_.empty() && source_directory_.back() == ':';
  platform::CurrentMachine().SetCurrentDirectory(source_directory_ + (bare_drive ? "\\" : ""));
  installer_file_name_ = profile::Format("%s.exe", application_name_);
  os_version_ = platform::GetVersionInfo();
  system_dirs_.Init();
  os_ = app::ClassifyOs(os_version_, system_dirs_.Is64Bit());

  if (!profiles_.Initialize(*this)) {
    Log().Write("Initialize Profiles fail!!");
    return false;
  }
  ReadVersion();
  // Known before the options are read, so that an OPTION variant of the
  // system applies from the start.
  FindOsDefine();
  options_.Read(profiles_.Data(), os_.code);
  if (!program_info_.Read(profiles_.Data())) {
    Log().Write("Initialize Model Variable fail!!");
    if (!options_.MainOnly()) return false;
  }
  registry_keys_.Build(program_info_);
  language_.Init(profiles_.Data());
  SetLanguage(0, false);
  profiles_.SetStringFile(language_.SystemAbbreviation());
  install_env_.Init(*this);
  modules_->LoadModules(profiles_.Data(), kFileInfoSection);
  LogEnvironment();
  return true;
}

void CGlobalVariable::ReadVersion() {
  if (profiles_.Data().GetString("VERSION", "VERSION", version_)) return;
  const std::string autorun = profile::Format("%s\\Autorun.inf", source_directory_);
  CProfile profile(autorun.c_str(), autorun.c_str());
  if (profile.GetString("INFOMATION", "VERSION", version_, false) != 0) version_.clear();
}

void CGlobalVariable::FindOsDefine() {
  std::string define;
  if (!app::FindOsDefine(profiles_.Data(), os_version_, system_dirs_.Is64Bit(), define)) return;
  Log().Write(profile::Format("OS Define String = %s", define));
  std::string directory;
  if (!profiles_.Data().GetString("OS_DIR", define.c_str(), directory)) directory = define;
  Log().Write(profile::Format("OS Directory = %s", directory));
  install_env_.SetOsDefine(std::move(define), std::move(directory));
}

std::string CGlobalVariable::LanguageAbbreviation() const {
  return language_.IsSet() ? language_.CurrentAbbreviation() : std::string();
}

std::string CGlobalVariable::FallbackLanguageAbbreviation() const {
  return language_.Abbreviation(CLanguage::kEnglish);
}

void CGlobalVariable::LogEnvironment() const {
  const CInstallEnv& env = install_env_;
  const CSystemDir& dirs = system_dirs_;
  CLog& log = Log();
  log.Write(profile::Format(" m_cstrDataFile file name is [%s]\n", profiles_.DataFile()));
  log.Write(profile::Format(" Configure file Name is [%s] \n", profiles_.ConfigureFile()));
  log.Write(profile::Format(" String file Name is [%s] \n", profiles_.StringFile()));
  log.Write(profile::Format(" Source Directroy = %s\n", source_directory_));
  log.Write(profile::Format(" Destination Directroy = %s\n", env.Destination()));
  log.Write(profile::Format(" Inf Directroy = %s\n", dirs.InfDirectory()));
  log.Write(profile::Format(" Language Abbreviation = %s\n", language_.CurrentAbbreviation()));
  log.Write(profile::Format(" Original Language Abbreviation = %s\n", language_.OrgAbbreviation()));
  log.Write(profile::Format(" Language directory = %s\n", language_.CurrentDirectory()));
  log.Write(profile::Format(" Original Language directory = %s\n", language_.OrgDirectory()));
  log.Write(profile::Format(" OS Directroy = %s\n", env.OsDirectory()));
  log.Write(profile::Format(" OS String = %s\n", env.OsDefine()));
  log.Write(profile::Format(" System Directroy = %s\n", dirs.SystemDirectory()));
  log.Write(profile::Format(" Windows Directroy = %s\n", dirs.WindowsDirectory()));
  log.Write(profile::Format(" Language ID = 0x%04X\n", language_.CurrentLcid()));
  log.Write(profile::Format(" Program files directory = %s\n", dirs.ProgramFilesDirectory()));
  log.Write(profile::Format(" Current Installing registry root key = %s\n", registry_keys_.Installing()));
  log.Write(profile::Format(" Current Installed registry root key = %s\n", registry_keys_.Installed()));
  log.Write(profile::Format(" Temporary directory = %s\n", dirs.TempDirectory()));
}
