// Creating a directory together with its missing parents, recording each
// directory created in an install history so that an uninstallation can
// remove it again.
#pragma once

#include <string>
#include <string_view>

namespace install {

// Creates `path` and every missing directory on its way, outermost first;
// the drive itself is never created. Each directory actually created is
// added to the directory list of `history_key` with its final "\"; an
// empty key records nothing. Directories that exist already are fine; any
// other failure stops and gives false.
bool CreateDirectories(std::string_view path, const std::string& history_key);

}  // namespace install
