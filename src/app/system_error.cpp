#include "app/system_error.h"

#include <cstring>
#include <string>

#include "platform/code_page_text.h"
#include "platform/errors.h"
#include "platform/message_box.h"
#include "platform/system_info.h"

namespace app {

bool GetSystemErrorText(long code, char* buffer, std::size_t size) {
  if (buffer == nullptr || size == 0) return true;
  const std::string text = platform::SystemErrorText(code);
  const platform::CodePageText code_page(platform::GetActiveCodePage());
  const std::size_t length = code_page.CutLength(text, size - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return true;
}

void ShowSystemError(long code, std::string_view caption) {
  platform::ShowMessageBox(platform::SystemErrorText(code), caption, platform::kMbIconWarning);
}

}  // namespace app
