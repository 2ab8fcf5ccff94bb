#include "printer/module_call.h"

#include "profile/format.h"
#include "profile/log.h"

namespace printer {

void LogAbsent(std::string_view name) { Log().Write(profile::Format("Call %s ==> NULL", name)); }

void LogFault(std::string_view name) { Log().Write(profile::Format("Call %s() ==> GPF!!!!", name)); }

}  // namespace printer
