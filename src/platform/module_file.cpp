#include "platform/module_file.h"

#include <mutex>

namespace platform {

namespace {

std::mutex module_mutex;
std::string module_file_name;

}  // namespace

void SetModuleFileName(std::string windows_path) {
  std::lock_guard lock(module_mutex);
  module_file_name = std::move(windows_path);
}

std::string GetModuleFileName() {
  std::lock_guard lock(module_mutex);
  return module_file_name;
}

}  // namespace platform
