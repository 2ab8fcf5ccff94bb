// The registry keys (below HKEY_LOCAL_MACHINE) that record an installation
// of the product: the run in progress ("Installing") and the last completed
// installation ("Installed"), each with its install history, and the
// uninstall values of the items.
#pragma once

#include <string>

class CProgramInfo;

class CRegistryKey {
 public:
  // "Software\<MFG>\<PROGRAM_NAME>\..." for the product of `info`.
  void Build(const CProgramInfo& info);

  const std::string& Installing() const { return installing_; }
  const std::string& InstallingHistory() const { return installing_history_; }
  const std::string& Installed() const { return installed_; }
  const std::string& InstalledHistory() const { return installed_history_; }
  const std::string& UninstallInfo() const { return uninstall_info_; }

 private:
  std::string installing_;
  std::string installing_history_;
  std::string installed_;
  std::string installed_history_;
  std::string uninstall_info_;
};
