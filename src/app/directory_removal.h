// Removing directories that an installation leaves empty.
#pragma once

#include <string_view>

namespace app {

// Removes `directory` when it is empty, then each parent as long as the
// removal succeeds, stopping below the drive. False only for an empty
// name.
bool RemoveDirectories(std::string_view directory);

// Deletes the file `path` (false when that fails). Unless `keep_folders`,
// then removes its folder and each parent in turn, waiting briefly after
// each removal until the folder is gone ("nTime = %d" logs the 1 ms waits),
// and stops at the first folder that stays, logging it with the system's
// error; that happens at the latest at the drive. True once the file is
// deleted.
bool RemoveFileAndFolders(std::string_view path, bool keep_folders);

}  // namespace app
