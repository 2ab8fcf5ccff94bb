// Waiting for Plug and Play to finish the device installations it has
// pending, so that the installer does not work beside the system's own
// found-new-hardware steps.
#pragma once

class IModuleCalls;

namespace app {

// Waits in steps of one second while installations are pending. False when
// nothing was pending at the first look. With `keep_dialog_in_front` it
// waits for as long as they stay pending and brings the found-new-hardware
// dialog to the front after each step (`modules`); without, it gives up
// after 61 more steps (about a minute). True after waiting.
bool WaitNoPendingInstall(bool keep_dialog_in_front, IModuleCalls& modules);

}  // namespace app
