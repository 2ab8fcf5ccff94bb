// The plug-in module files of a medium, as section INSTALLER_FILE_INFO of
// the data profile names them: the key of each, the path used when the key
// is missing, whether it is loaded or only located, and the log lines of a
// module that could not be loaded.
#pragma once

#include <cstddef>

#include "profile/format.h"

namespace printer {

// The files, in the order in which they are located and loaded.
enum ModuleFile : std::size_t {
  kInstallerModule,
  kUtilityModule,
  kRemoteInstallModule,
  kDiagnosisModule,
  kTestPageModule,
  kNetworkModule,
  kResourceModule,
  kUninstallerProgram,
  kOpenerProgram,
  kPreinstallerModule,
  kSetIpModule,
  kModuleFileCount,
};

struct ModuleFileInfo {
  const char* key;
  const char* default_path;
  bool loaded;                    // false: a program whose path is only kept
  profile::FormatString missing;  // the file was not found; "%s" is its path
  profile::FormatString failed;   // the file did not load
};

// The table, indexed by ModuleFile.
extern const ModuleFileInfo kModuleFiles[kModuleFileCount];

}  // namespace printer
