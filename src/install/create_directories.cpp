#include "install/create_directories.h"

#include "install/install_history.h"
#include "platform/code_page_text.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/system_info.h"

namespace install {

bool CreateDirectories(std::string_view path, const std::string& history_key) {
  const platform::CodePageText code_page(platform::GetActiveCodePage());
  const std::string text = std::string(path) + "\\";
  const std::size_t first = code_page.Find(text, '\\');
  for (std::size_t at = code_page.Find(text, '\\', first + 1); at != std::string::npos;
       at = code_page.Find(text, '\\', at + 1)) {
    const std::string directory = text.substr(0, at + 1);
    const long error = platform::CreateDirectory(directory);
    if (error == platform::kErrorAlreadyExists) continue;
    if (error != platform::kErrorSuccess) return false;
    if (!history_key.empty()) AddHistory(directory, kHistoryDirectory, history_key);
  }
  return true;
}

}  // namespace install
