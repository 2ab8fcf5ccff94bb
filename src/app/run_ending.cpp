#include "app/run_ending.h"

#include "app/global_variable.h"
#include "install/registry.h"
#include "profile/format.h"
#include "profile/log.h"

bool CRunEnding::MergeHistory(const std::string& from, const std::string& to) {
  Log().Write(profile::Format("Merging the history [%s] into [%s] is not available yet", from, to));
  return false;
}

bool CRunEnding::UninstallHistory(const std::string& key) {
  Log().Write(profile::Format("Undoing the history [%s] is not available yet", key));
  return false;
}

bool CRunEnding::IsThereInstalledItem() {
  if (environment_ == nullptr) return false;
  char destination[260] = {};
  return CRegistry::GetValue(environment_->RegistryKeys().Installed().c_str(), "Dest_Dir", destination,
                             platform::HKEY_LOCAL_MACHINE, sizeof destination) == 0;
}
