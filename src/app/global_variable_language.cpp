// Changing the language of the run environment.
#include "app/global_variable.h"
#include "install/registry.h"
#include "platform/errors.h"

bool CGlobalVariable::SetLanguage(std::uint32_t lcid, bool interactive) {
  const bool force = lcid == 0;
  if (force) {
    std::uint32_t recorded = 0;
    if (CRegistry::GetValue(registry_keys_.Installed().c_str(), "LangCode", &recorded) == platform::kErrorSuccess) {
      lcid = recorded;
    }
  }
  const bool changed = language_.SetLanguage(profiles_.Data(), lcid, force);
  if (changed || !interactive) {
    const char* installing = registry_keys_.Installing().c_str();
    CRegistry::SetValue(installing, "LangCode", std::uint32_t{language_.OrgLcid()});
    CRegistry::SetValue(installing, "LangAbbr", language_.CurrentAbbreviation().c_str());
    profiles_.SetLanguage(*this, language_.CurrentAbbreviation());
    CRegistry::SetValue(installing, "STR_FILE", profiles_.StringFile().c_str());
    options_.Read(profiles_.Data(), os_.code);
  }
  return changed;
}
