// The installer program's own name and version, as tools print them.
#pragma once

namespace app {

const char* ProgramVersion();

}  // namespace app
