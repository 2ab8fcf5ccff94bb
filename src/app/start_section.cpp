#include "app/start_section.h"

#include <cstdint>
#include <vector>

#include "app/file_checks.h"
#include "app/global_variable.h"
#include "app/start_mode.h"
#include "install/registry.h"
#include "platform/errors.h"
#include "profile/format.h"
#include "profile/log.h"

namespace app {

namespace {

// A start section and the start mode it gives.
struct Candidate {
  const char* base;
  int mode;
};

constexpr Candidate kInstall = {"INSTALL_START_INFO", kStartInstall};
constexpr Candidate kUninstall = {"UNINST_START_INFO", kStartUninstall};
constexpr Candidate kReinstall = {"REINST_START_INFO", kStartReinstall};
constexpr Candidate kReinstallLocal = {"REINST_START_INFO_LOCAL", kStartReinstallLocal};
constexpr Candidate kReinstallMedium = {"REINST_START_INFO_CD", kStartReinstallMedium};
constexpr Candidate kDeleteAll = {"DELETEALL_START_INFO", kStartDeleteAll};

// The start sections to try for `mode`, in order; `on_cd_rom` picks the
// reinstall from the medium over the one from the local copy.
std::vector<Candidate> CandidatesFor(int mode, bool on_cd_rom) {
  const Candidate& reinstall_here = on_cd_rom ? kReinstallMedium : kReinstallLocal;
  switch (mode) {
    case kStartReinstall: return {reinstall_here, kReinstall, kUninstall, kInstall};
    case kStartUninstall: return {kUninstall, kReinstall, reinstall_here, kInstall};
    case kStartDeleteAll: return {kDeleteAll, kReinstall, kUninstall, kInstall};
    default: return {kInstall};
  }
}

}  // namespace

int SelectStartSection(int start_mode, CGlobalVariable& environment,
                       const std::function<bool()>& is_there_installed_item, std::string& start_section) {
  int mode = start_mode;
  int installed_mode = kStartInstall;
  if (mode == kStartReinstall || (mode == kStartInstall && is_there_installed_item && is_there_installed_item())) {
    std::uint32_t language = 0;
    if (CRegistry::GetValue(environment.RegistryKeys().Installed().c_str(), "LangCode", &language) ==
        platform::kErrorSuccess) {
      environment.InstallEnv().SetInstalledBefore(true);
      if (environment.Options().MaintenanceOn() && !environment.Options().Network()) installed_mode = kStartReinstall;
    }
  }
  // An earlier installation with maintenance on starts the reinstallation.
  if (mode == kStartInstall) mode = installed_mode;

  const CMyProfile& configure = environment.Profiles().Configure();
  start_section.clear();
  int result = kStartInvalid;
  for (const Candidate& candidate : CandidatesFor(mode, GetDriveKind() == kDriveKindCdRom)) {
    if (configure.FindVariantSection(candidate.base, start_section)) {
      result = candidate.mode;
      break;
    }
  }
  if (result == kStartInvalid) {
    Log().Write(profile::Format("Start Section is [%s]", start_section));
    return kStartInvalid;
  }
  CRegistry::SetValue(environment.RegistryKeys().Installing().c_str(), "Setup_Type",
                      static_cast<std::uint32_t>(result));
  if (result == kStartInstall && environment.Options().Agfa()) {
    const std::string agfa = profile::Format("%s.%s", start_section, "AGFA");
    if (configure.HasSection(agfa.c_str())) start_section = agfa;
  }
  Log().Write(profile::Format("Start Section is [%s]", start_section));
  return result;
}

}  // namespace app
