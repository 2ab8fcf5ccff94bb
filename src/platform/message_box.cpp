#include "platform/message_box.h"

#include <cstdio>
#include <mutex>

namespace platform {

namespace {

std::mutex handler_mutex;
MessageBoxHandler message_box_handler;

int WriteToStandardError(const MessageBoxRequest& request) {
  std::fprintf(stderr, "[%s] %s\n", request.caption.c_str(), request.text.c_str());
  return kIdOk;
}

}  // namespace

void SetMessageBoxHandler(MessageBoxHandler handler) {
  std::lock_guard lock(handler_mutex);
  message_box_handler = std::move(handler);
}

int ShowMessageBox(std::string_view text, std::string_view caption, std::uint32_t style) {
  MessageBoxHandler handler;
  {
    std::lock_guard lock(handler_mutex);
    handler = message_box_handler;
  }
  const MessageBoxRequest request{std::string(text), std::string(caption), style};
  return handler ? handler(request) : WriteToStandardError(request);
}

}  // namespace platform
