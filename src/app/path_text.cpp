#include "app/path_text.h"

#include "platform/code_page_text.h"
#include "platform/system_info.h"

namespace app {

std::size_t LastSeparator(std::string_view path) {
  const platform::CodePageText code_page(platform::GetActiveCodePage());
  std::size_t last = std::string_view::npos;
  for (std::size_t at = code_page.Find(path, '\\'); at != std::string_view::npos;
       at = code_page.Find(path, '\\', at + 1)) {
    last = at;
  }
  return last;
}

}  // namespace app
