#include "app/registry_key.h"

#include "app/program_info.h"
#include "profile/format.h"

void CRegistryKey::Build(const CProgramInfo& info) {
  const std::string& maker = info.Manufacturer();
  const std::string& name = info.ProgramName();
  installing_ = profile::Format("Software\\%s\\%s\\Installing", maker, name);
  installing_history_ = profile::Format("Software\\%s\\%s\\Installing\\InstHistory", maker, name);
  installed_ = profile::Format("Software\\%s\\%s\\Installed", maker, name);
  installed_history_ = profile::Format("Software\\%s\\%s\\Installed\\InstHistory", maker, name);
  uninstall_info_ = profile::Format("Software\\%s\\%s\\UninstallInfo", maker, name);
}
