// The run environment: where the installer runs from and installs to, the
// system it runs on with its OS define string, the product and its registry
// keys, the options, the language and the profiles of the medium. Built
// once at start-up by Init and read by everything afterwards. It is also
// what the profiles ask for path resolution, $NAME$ defined strings,
// language and options.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "app/install_env.h"
#include "app/language.h"
#include "app/module_calls.h"
#include "app/option.h"
#include "app/os_kind.h"
#include "app/program_info.h"
#include "app/registry_key.h"
#include "app/system_dir.h"
#include "platform/system_info.h"
#include "profile/profile_environment.h"
#include "profile/profile_set.h"

class CGlobalVariable : public IProfileEnvironment {
 public:
  // An environment whose plug-in module calls go to `modules` (by default
  // those of a medium without modules).
  explicit CGlobalVariable(std::unique_ptr<IModuleCalls> modules = std::make_unique<CAbsentModules>());
  CGlobalVariable(const CGlobalVariable&) = delete;
  CGlobalVariable& operator=(const CGlobalVariable&) = delete;

  // Builds the environment for the program file named by
  // platform::GetModuleFileName: its directory is the source directory
  // (made the current directory), its name without extension the
  // application name. Reads the profiles, version, OS define string,
  // options, program information, registry keys, language and install
  // environment, loads the plug-in modules and writes the environment to
  // the log. False, with the reason logged, when the profiles cannot be
  // built, or the program information is incomplete without MAIN_ONLY.
  bool Init();

  // Makes `lcid` the language (0: the one an earlier installation recorded,
  // else the system's, forced). When that changed the language, or always
  // when not `interactive`, records it under the Installing key, points the
  // profiles at its string file and reads the options again. True when the
  // language changed.
  bool SetLanguage(std::uint32_t lcid, bool interactive);

  // IProfileEnvironment.
  std::string InstallerDirectory() const override { return source_directory_; }
  std::string ApplicationName() const override { return application_name_; }
  // A profile's file name made absolute: a drive path ("C:", "C:\x") or
  // network path stays, "..\x" lies beside the source directory, ".\x" and
  // a bare name in it; "$SRC_DIR$" becomes the source directory. With
  // `check_exists`, a name that is not an existing file is logged and gives
  // the empty text.
  std::string ResolvePath(std::string_view name, bool check_exists) const override;
  std::string ExpandDefinedStrings(std::string_view text, std::uint32_t lcid,
                                   std::string_view language_abbreviation,
                                   std::string_view language_directory) const override;
  bool IsRemoteInstall() const override { return options_.RemoteInstall(); }
  std::string LanguageAbbreviation() const override;
  std::string FallbackLanguageAbbreviation() const override;
  std::string OsDefine() const override { return install_env_.OsDefine(); }
  bool IsNetworkOn() const override { return options_.Network(); }
  bool IsUsbOnlyOn() const override { return options_.UsbOnly(); }

  const std::string& Version() const { return version_; }
  const std::string& InstallerFileName() const { return installer_file_name_; }
  const std::string& SourceDirectory() const { return source_directory_; }
  const platform::OsVersionInfo& OsVersion() const { return os_version_; }
  const app::OsKind& Os() const { return os_; }

  IModuleCalls& Modules() { return *modules_; }
  const IModuleCalls& Modules() const { return *modules_; }
  COption& Options() { return options_; }
  const COption& Options() const { return options_; }
  CProfileSet& Profiles() { return profiles_; }
  CLanguage& Language() { return language_; }
  const CLanguage& Language() const { return language_; }
  const CSystemDir& SystemDirs() const { return system_dirs_; }
  const CProgramInfo& ProgramInfo() const { return program_info_; }
  const CRegistryKey& RegistryKeys() const { return registry_keys_; }
  CInstallEnv& InstallEnv() { return install_env_; }
  const CInstallEnv& InstallEnv() const { return install_env_; }

 private:
  // VERSION of the data profile, else of "<source>\Autorun.inf".
  void ReadVersion();
  // The OS define string and OS directory of the running system.
  void FindOsDefine();
  // The environment block of the log.
  void LogEnvironment() const;

  std::string version_;
  std::string installer_file_name_;
  std::string application_name_;
  std::string source_directory_;
  platform::OsVersionInfo os_version_;
  app::OsKind os_;
  std::unique_ptr<IModuleCalls> modules_;
  COption options_;
  CProfileSet profiles_;
  CLanguage language_;
  CSystemDir system_dirs_;
  CProgramInfo program_info_;
  CRegistryKey registry_keys_;
  CInstallEnv install_env_;
};
