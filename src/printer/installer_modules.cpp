#include "printer/installer_modules.h"

#include "platform/errors.h"
#include "profile/format.h"
#include "profile/log.h"
#include "profile/my_profile.h"
#include "profile/profile_environment.h"

using printer::kModuleFiles;
using printer::ModuleFile;

void CInstallerModules::LoadModules(const CMyProfile& data, const char* section) {
  if (loaded_ || section == nullptr) return;
  loaded_ = true;
  std::string variant;
  if (!data.FindVariantSection(section, variant)) variant = section;
  for (std::size_t file = 0; file < printer::kModuleFileCount; ++file) {
    paths_[file] = LocateFile(data, variant, section, static_cast<ModuleFile>(file));
    if (kModuleFiles[file].loaded) LoadFile(static_cast<ModuleFile>(file));
  }
  entries_ = printer::FindEntryPoints(modules_);
}

std::string CInstallerModules::LocateFile(const CMyProfile& data, const std::string& variant, const char* section,
                                          ModuleFile file) const {
  const char* key = kModuleFiles[file].key;
  std::string name;
  if (!data.GetString(variant.c_str(), key, name) && !data.GetString(section, key, name) &&
      // Unless configured apart, test pages come from the diagnosis module.
      !(file == printer::kTestPageModule &&
        data.GetString(section, kModuleFiles[printer::kDiagnosisModule].key, name))) {
    name = kModuleFiles[file].default_path;
  }
  return environment_ != nullptr ? environment_->ResolvePath(name, true) : std::string();
}

void CInstallerModules::LoadFile(ModuleFile file) {
  const std::string& path = paths_[file];
  if (path.empty()) {
    Log().WriteError(platform::kErrorFileNotFound, profile::Format(kModuleFiles[file].missing, path));
    return;
  }
  if (const long error = modules_[file].Load(path)) {
    Log().WriteError(error, profile::Format(kModuleFiles[file].failed, path));
  }
}

const platform::Library* CInstallerModules::GetResourceModule() const {
  const platform::Library& module = modules_[printer::kResourceModule];
  return module.IsLoaded() ? &module : nullptr;
}
