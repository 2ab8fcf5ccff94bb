#include "app/admin_check.h"

#include "platform/system_info.h"

namespace app {

bool IsAdmin() { return platform::IsUserAdministrator(); }

}  // namespace app
