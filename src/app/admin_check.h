// Whether the user may install devices.
#pragma once

namespace app {

// True when the user running the installer belongs to the Administrators
// group. A test that cannot be made counts as no rights.
bool IsAdmin();

}  // namespace app
